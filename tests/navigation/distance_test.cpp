#include "navigation/distance.h"

#include <gtest/gtest.h>

#include "nav_test_data.h"

namespace {

using navtest::Place;

const std::vector<Place> kPlaces = {
    {"AAAA", "ALPHA", 45, 75, 13},    {"BBBB", "BRAVO", 44, 76, 12}, {"EEEE", "ECHO", 45, 76, 0},
    {"FFFF", "FOXTROT", 44, 75, -20}, {"GGGG", "GOLF", 45, 75, 0},  // the same position as AAAA
    {"POLE", "NORTH POLE", 90, 0, 0},
};

// Worked from the haversine and the initial-course formula with the positions held as
// singles: 73.7000 NM, 215.8 true; 42.4, 270.4 (a great circle leaves a parallel
// poleward of due west); 60.0, 180 and 360. Magnetic sums are not brought into one turn
// (180 - 20 and 360 + 13); the same aerodrome twice, or a leg from a pole, has no solution; the
// same position under two identifiers leaves the display as it was. (CYOW to CYYZ: the end-to-end
// runs.)
TEST(ShowDistanceAndTrack, WorkedLegs) {
    const struct {
        const char *from, *to;
        const char* shown;  // "": the display stays
    } cases[] = {
        {"AAAA", "BBBB",
         "   AAAA  to BBBB     Dist = 73.7/84.9 NM/SM  True = 215.8  Magnetic = 228.8 /227.8"},
        {"AAAA", "EEEE",
         "   AAAA  to EEEE     Dist = 42.4/48.8 NM/SM  True = 270.4  Magnetic = 283.4 /270.4"},
        {"AAAA", "FFFF",
         "   AAAA  to FFFF     Dist = 60/69.1 NM/SM  True = 180  Magnetic = 193 /160"},
        {"FFFF", "AAAA",
         "   FFFF  to AAAA     Dist = 60/69.1 NM/SM  True = 360  Magnetic = 340 /373"},
        {"AAAA", "AAAA", "No solution"},
        {"POLE", "AAAA", "No solution"},
        {"AAAA", "xyz", "XYZ  Not found"},
        {"AAAA", "GGGG", ""},
    };
    const std::string path = navtest::WriteSection("legs.tst", kPlaces);
    AvcalcMod::TextLineArray lines;
    lines[51] = " NM/SM  True = ";
    lines[227] = "  Magnetic = ";
    lines[562] = "No solution";
    for (const auto& c : cases) {
        auto r = navigation::ShowDistanceAndTrack(path, c.from, c.to, navtest::NoPieces(), lines);
        EXPECT_EQ(r.Display.value_or(""), c.shown) << c.from << " to " << c.to;
    }
}

}  // namespace
