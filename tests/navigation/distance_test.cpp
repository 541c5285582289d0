#include "navigation/distance.h"

#include <gtest/gtest.h>

#include "nav_test_data.h"

namespace {

using navtest::Place;

const AvcalcMod::TextLineArray& Lines() {
    static const AvcalcMod::TextLineArray lines = [] {
        AvcalcMod::TextLineArray l;
        l[51] = " NM/SM  True = ";
        l[227] = "  Magnetic = ";
        l[562] = "No solution";
        return l;
    }();
    return lines;
}

const std::vector<Place> kPlaces = {
    {"AAAA", "ALPHA", 45, 75, 13},
    {"BBBB", "BRAVO", 44, 76, 12},
    {"CCCC", "CHARLIE", 45 + 19.0 / 60, 75 + 40.0 / 60, 0},
    {"DDDD", "DELTA", 43 + 41.0 / 60, 79 + 38.0 / 60, 0},
    {"EEEE", "ECHO", 45, 76, 0},
    {"FFFF", "FOXTROT", 44, 75, -20},
    {"GGGG", "GOLF", 45, 75, 0},  // the same position as AAAA
    {"POLE", "NORTH POLE", 90, 0, 0},
    {"HHH", "HOTEL", 44, 76, 0},
};

struct Leg {
    const char* from;
    const char* to;
    const char* expected;
};

void PrintTo(const Leg& c, std::ostream* os) {
    *os << c.from << " to " << c.to;
}

class DistanceAndTrack : public ::testing::TestWithParam<Leg> {};

TEST_P(DistanceAndTrack, ResultLine) {
    std::string path = navtest::WriteSection("legs.tst", kPlaces);
    auto r = navigation::ShowDistanceAndTrack(path, GetParam().from, GetParam().to,
                                              navtest::NoPieces(), Lines());
    ASSERT_TRUE(r.Display.has_value());
    EXPECT_EQ(*r.Display, GetParam().expected);
}

// Worked from the haversine and the initial-course formula with the positions held as
// singles: 73.7000 NM, 215.8 true; 196.0 NM, 241.4; 42.4, 270.4 (a great circle leaves
// a parallel poleward of due west); 60.0, 180 and 360.
INSTANTIATE_TEST_SUITE_P(
    Legs, DistanceAndTrack,
    ::testing::Values(
        Leg{"AAAA", "BBBB",
            "   AAAA  to BBBB     Dist = 73.7/84.9 NM/SM  True = 215.8  Magnetic = 228.8 /227.8"},
        Leg{"CCCC", "DDDD",
            "   CCCC  to DDDD     Dist = 196/225.8 NM/SM  True = 241.4  Magnetic = 241.4 /241.4"},
        Leg{"AAAA", "EEEE",
            "   AAAA  to EEEE     Dist = 42.4/48.8 NM/SM  True = 270.4  Magnetic = 283.4 /270.4"},
        Leg{"EEEE", "AAAA",
            "   EEEE  to AAAA     Dist = 42.4/48.8 NM/SM  True = 89.6  Magnetic = 89.6 /102.6"},
        // Magnetic sums are not brought into one turn: 180 - 20 and 360 + 13.
        Leg{"AAAA", "FFFF",
            "   AAAA  to FFFF     Dist = 60/69.1 NM/SM  True = 180  Magnetic = 193 /160"},
        Leg{"FFFF", "AAAA",
            "   FFFF  to AAAA     Dist = 60/69.1 NM/SM  True = 360  Magnetic = 340 /373"},
        Leg{"AAAA", "hhh",  // a three-letter identifier keeps its leading blank
            "   AAAA  to  HHH     Dist = 73.7/84.9 NM/SM  True = 215.8  Magnetic = 228.8 /215.8"},
        Leg{"AAAA", "AAAA", "No solution"},  // the same aerodrome twice
        Leg{"POLE", "AAAA", "No solution"},  // no initial track from a pole
        Leg{"AAAA", "xyz", "XYZ  Not found"}));

TEST(DistanceAndTrackStops, SamePositionLeavesTheDisplayAlone) {
    std::string path = navtest::WriteSection("legs.tst", kPlaces);
    auto r = navigation::ShowDistanceAndTrack(path, "AAAA", "GGGG", navtest::NoPieces(), Lines());
    EXPECT_FALSE(r.Display.has_value());
    EXPECT_FALSE(r.TrueTrackDeg.has_value());
    r = navigation::ShowDistanceAndTrack(path, "AAAA", "BBBB", navtest::NoPieces(), Lines());
    EXPECT_DOUBLE_EQ(r.TrueTrackDeg.value_or(0), 215.8);
}

}  // namespace
