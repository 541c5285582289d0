// The aerodrome section: the search, the look-up, the record rules, and the distance and
// track between two aerodromes.
#include "navigation/search.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "navigation/distance.h"
#include "navigation/records.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "tests/test_files.h"
#include "tools/packing.h"

namespace {

// Small aerodrome sections written to a temporary directory, so that tests can place
// aerodromes at exact positions.
struct Place {
    std::string ident, name;
    double latitude, longitudeWest;  // degrees north, degrees west
    int variationWest;
};

// Name lines in capitals need no name pieces: every character passes through.
const navigation::NamePieces NoPieces{};

std::string WriteLines(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return testing_files::WriteFile(testing_files::TestFolder() / name, bytes);
}

// A text section stand-in, the marker, the records and (optionally) the end line: the
// coordinate line of record k is line 2k + 5 (0-based).
std::vector<std::string> SectionLines(const std::vector<Place>& places, bool marker = true,
                                      bool endLine = true) {
    std::vector<std::string> lines = {"some text line", "another", "astqx"};
    if (marker) lines.push_back("astq");
    for (const Place& p : places) {
        const builder::Aerodrome a{p.ident, p.name,     "TESTVILLE",      "ON",
                                   "CA",    p.latitude, -p.longitudeWest, p.variationWest};
        lines.push_back(builder::PackNameLine(builder::NameLine(a), {}));
        lines.push_back(builder::PackCoordLine(a));
    }
    if (endLine) lines.push_back("99");
    return lines;
}

const std::vector<Place> kPlaces = {
    {"CAAA", "ALPHA FIELD", 45.5, 75.25, 13},
    {"BBB", "BRAVO AIRPORT", 44.0, 105.0 + 30.0 / 60 + 15.0 / 3600, -5},
    {"CCCC", "ALPHA LAKE", 43.0, 80.0, 0},
    {"CDDD", "DELTA", 42.0, 81.0, 1},
};

std::vector<std::string> AllMatches(const std::string& path, const std::string& text,
                                    const navigation::NamePieces& pieces) {
    navigation::AerodromeSearch search(path, text, pieces);
    std::vector<std::string> found;
    std::string shown;
    while (search.NextMatch(shown)) found.push_back(shown);
    EXPECT_FALSE(search.IsOpen());
    return found;
}

// A longitude of 100 degrees or more has three degree digits; an east variation. A record
// whose coordinate line is empty keeps the variation the record before it left (a line
// without a first character leaves it as it was) and has no position: CAAA's 13 W. (A
// match kept or the search stopped, as the window shows and says it: the end-to-end runs.)
TEST(AerodromeSearch, AMatchAndItsLookUpAsTheRecordRulesGiveThem) {
    std::vector<std::string> damaged = SectionLines(kPlaces);
    damaged[7].clear();  // BBB's coordinate line
    // The match shown, and the look-up's variation west and latitude.
    const std::tuple<const char*, std::string, const char*, float, float> cases[] = {
        {"intact", WriteLines("places.tst", SectionLines(kPlaces)),
         "  BRAVO AIRPORT, TESTVILLE, ON  BBB   5E 44.00.00  105.30.15", -5, 44},
        {"its coordinate line empty", WriteLines("damaged.tst", damaged),
         "  BRAVO AIRPORT, TESTVILLE, ON  BBB   13W ..  ..", 13, 0},
    };
    for (const auto& [name, path, shown, variationWest, latitude] : cases) {
        EXPECT_EQ(AllMatches(path, "Bravo", NoPieces), std::vector{std::string(shown)}) << name;
        const auto p = navigation::LookUpPoint(path, "BBB", NoPieces);
        EXPECT_EQ(std::pair(p.Variation, p.FoundLatitude), std::pair(variationWest, latitude))
            << name;
    }
}

// With no name pieces every code above 90 reads as nothing (line 220 cut short): a line
// of any length that reads "99" ends the section, and the identifier is the last four
// characters decoded. A record with a line over the limit is passed over (one at the limit
// is kept, also where the file is read in two pieces under it).
TEST(AerodromeSearch, AFileWithoutItsMarkerOrEndEndsTheSearch) {
    const std::string nothing = "\xC8\xC8";  // two codes that read as nothing
    const std::string a4092(4092, 'A');
    std::vector<std::string> crossing(636, std::string(98, 'x'));  // 63,600 bytes with line ends
    crossing.insert(crossing.end(), {"astq", a4092 + "CAAA", "x"});
    // The matches of "a" and the look-up of CAAA.
    const std::tuple<const char*, std::string, std::size_t, const char*> cases[] = {
        {"no marker", WriteLines("nomarker.tst", SectionLines(kPlaces, false)), 0,
         "CAAA  Not found"},
        {"no end line", WriteLines("noend.tst", SectionLines(kPlaces, true, false)), 4, "CAAA "},
        {"missing", testing_files::TestFolder() / "missing.tst", 0, "CAAA  Not found"},
        {"empty", WriteLines("empty.tst", {}), 0, "CAAA  Not found"},
        {"a name line without its coordinates", WriteLines("cut.tst", {"astq", "A, ON CAAA"}), 0,
         "CAAA  Not found"},
        {"a long line reading 99",
         WriteLines("end.tst", {"astq", "A", "x", "9" + nothing + "9", "x", "B CAAA", "x"}), 1,
         "CAAA  Not found"},
        {"nothing after the identifier", WriteLines("tail.tst", {"astq", "CAAA" + nothing, "x"}), 1,
         "CAAA "},
        {"lines of 4096 and 4097 characters",
         WriteLines("long.tst", {"astq", a4092 + "BBBB", "x", a4092 + "ACAAA", "x"}), 1,
         "CAAA  Not found"},
        {"a line of 4096 across the first 64 KiB read", WriteLines("crossing.tst", crossing), 1,
         "CAAA "},
        {"a coordinate line of 4097", WriteLines("longer.tst", {"astq", "CAAA", a4092 + "xxxxx"}),
         0, "CAAA  Not found"},
    };
    for (const auto& [name, path, matches, lookUp] : cases) {
        EXPECT_EQ(AllMatches(path, "a", NoPieces).size(), matches) << name;
        const auto p = navigation::LookUpPoint(path, "CAAA", NoPieces);
        EXPECT_EQ(p.Display.value_or(p.FoundIdent), lookUp) << name;
    }
}

// A packed coordinate line through every decoding step (the ordinary ones: the tests
// above and below).
TEST(Records, CoordinateLinesDecodeToVariationAndPosition) {
    // The line; the variation's text and value; latitude and longitude digits.
    const std::tuple<std::string, const char*, float, const char*, const char*> cases[] = {
        // codes 155 60 30 30 130 45: a longitude of 100 degrees or more stored without
        // seconds gets "00"
        {"\x9B\x3C\x1E\x1E\x82\x2D", " 0W", 0, "300000", "1001500"},
        // codes 50 30 30 30: below 55 reads as a negative east variation, west 5
        {"\x32\x1E\x1E\x1E", "-5E", 5, "000000", ""},
    };
    for (const auto& [line, variationText, variation, latitude, longitude] : cases) {
        navigation::CoordTexts t;
        navigation::DecodeCoordLine(line, t);
        EXPECT_EQ(std::tuple(t.VariationText, navigation::VariationFromText(t.VariationText),
                             navigation::ExpandDigits(t.LatitudeText),
                             navigation::ExpandDigits(t.LongitudeText)),
                  std::tuple(variationText, variation, latitude, longitude))
            << variationText;
    }
}

// The real data file: its name pieces come from text line 220.
class RealData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        AvcalcMod::BuildFragmentTable();
        AvcalcMod::ReadTextSection(Path());
        pieces_ = navigation::NamePiecesFromLine(AvcalcMod::TextLines[220]);
        AvcalcMod::ResetGlobals();
    }
    static std::string Path() { return std::string(AVC_SOURCE_DIR) + "/data/vdats.tst"; }
    static inline navigation::NamePieces pieces_;
};

// Checked by hand against the aerodrome list: name or place holds "OTTAWA". The data file
// saved with line feeds alone, or with carriage returns alone, gives the same aerodromes
// (the texts: data_file_test.cpp).
TEST_F(RealData, SearchFindsEveryOttawaInFileOrderWhateverTheLineEnds) {
    const std::vector<std::string> idents = {"CYRP", "CSF7", "CPR2", "CYND", "CYOW", "CHF2",
                                             "CYRO", " PCW", " Z98", " OWI", " OWX", " 8N2"};
    std::ifstream in(Path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string changed;
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            const bool crlf = bytes.compare(k, 2, "\r\n") == 0;
            changed += crlf ? std::string(end) : std::string(1, bytes[k]);
            k += crlf ? 1 : 0;
        }
        const std::string path =
            testing_files::WriteFile(testing_files::TestFolder() / "x.tst", changed);
        const auto found = AllMatches(path, "ottawa", pieces_);
        ASSERT_EQ(found.size(), idents.size());
        for (std::size_t i = 0; i < idents.size(); ++i)
            EXPECT_NE(found[i].find(idents[i] + "  "), std::string::npos) << found[i];
        EXPECT_EQ(found[0], "  OTTAWA / CARP AIRPORT, CARP, ON CYRP   12W 45.19.09  76.01.20");
        EXPECT_EQ(found[9], "  OTTAWA MUNICIPAL AIRPORT, OTTAWA, KS  OWI   2E 38.32.21  95.15.11");
        EXPECT_EQ(navigation::LookUpPoint(path, "JFK", pieces_).FoundIdent, " JFK ");
    }
}

// An identifier that exists as typed wins over an earlier Canadian one ("C" + key);
// with none, the Canadian one; one not found shows the last four characters typed. Positions and
// variations from data/aerodromes.csv, to the second of arc the file keeps.
TEST_F(RealData, AnIdentifierAsTypedWinsOverCPlusKey) {
    // Typed, found, latitude, longitude west, variation west.
    const std::tuple<const char*, const char*, double, double, float> cases[] = {
        // US airports whose Canadian namesakes CBW8, CNM2 and CKY8 come first in the file.
        {"BW8", " BW8 ", 47.847778, 109.099444, -11},
        {"NM2", " NM2 ", 35.951772, 106.957525, -8},
        {"KY8", " KY8 ", 37.954209, 86.855985, 4},
        {"YOW", "CYOW ", 45.322500, 75.669200, 13},  // no YOW: CYOW
        {"CBW8", "CBW8 ", 54.008100, 123.023000, -16},
        {"to ottawa cyow", "CYOW ", 45.322500, 75.669200, 13},  // the last four count
        {"jfk", " JFK ", 40.639928, 73.778692, 13},  // three letters stored after a blank
        {"from QQQQ", "QQQQ  Not found", 0, 0, 0},
        {"q", "Q  Not found", 0, 0, 0},
    };
    for (const auto& [typed, found, latitude, longitudeWest, variationWest] : cases) {
        const auto p = navigation::LookUpPoint(Path(), typed, pieces_);
        EXPECT_EQ(p.Display.value_or(p.FoundIdent), found);
        if (p.Display) continue;
        EXPECT_NEAR(p.FoundLatitude, latitude, 1.0 / 3600) << typed;
        EXPECT_NEAR(p.FoundLongitude, longitudeWest, 1.0 / 3600) << typed;
        EXPECT_FLOAT_EQ(p.Variation, variationWest) << typed;
    }
}

const std::vector<Place> kLegPlaces = {
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
    // From, to, and the display ("": it stays).
    const std::tuple<const char*, const char*, const char*> cases[] = {
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
    const std::string path = WriteLines("legs.tst", SectionLines(kLegPlaces));
    AvcalcMod::TextLineArray lines;
    lines[51] = " NM/SM  True = ";
    lines[227] = "  Magnetic = ";
    lines[562] = "No solution";
    for (const auto& [from, to, shown] : cases) {
        auto r = navigation::ShowDistanceAndTrack(path, from, to, NoPieces, lines);
        EXPECT_EQ(r.Display.value_or(""), shown) << from << " to " << to;
    }
}

}  // namespace
