#include "navigation/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "nav_test_data.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"

namespace {

using navtest::Place;
using navtest::WriteSection;

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

TEST(AerodromeSearch, MatchesInFileOrderWithTheirDisplayText) {
    std::string path = WriteSection("places.tst", kPlaces);
    auto found = AllMatches(path, "alpha", navtest::NoPieces());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "  ALPHA FIELD, TESTVILLE, ON CAAA   13W 45.30.00  75.15.00");
    EXPECT_EQ(found[1], "  ALPHA LAKE, TESTVILLE, ON CCCC   0W 43.00.00  80.00.00");
    // Longitude of 100 degrees or more: three degree digits; east variation.
    found = AllMatches(path, "Bravo", navtest::NoPieces());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "  BRAVO AIRPORT, TESTVILLE, ON  BBB   5E 44.00.00  105.30.15");
}

TEST(AerodromeSearch, FilesWithoutMarkerOrEndLineEndTheSearch) {
    EXPECT_TRUE(AllMatches(WriteSection("nomarker.tst", kPlaces, false), "a", navtest::NoPieces()).empty());
    EXPECT_EQ(AllMatches(WriteSection("noend.tst", kPlaces, true, false), "a", navtest::NoPieces()).size(), 4u);
    EXPECT_TRUE(AllMatches(navtest::TempPath("missing.tst"), "a", navtest::NoPieces()).empty());
    EXPECT_TRUE(AllMatches(navtest::WriteLines("empty.tst", {}), "a", navtest::NoPieces()).empty());
    // A record cut short (name line without its coordinate line) ends the section.
    auto cut = navtest::WriteLines("cut.tst", {"astq", "ALPHA FIELD, X, ON CAAA"});
    EXPECT_TRUE(AllMatches(cut, "alpha", navtest::NoPieces()).empty());
}

TEST(AerodromeReader, StopsAfterTheLastRecordAllowed) {
    std::vector<Place> many;
    for (int i = 0; i < navigation::MaxRecords + 5; ++i) {
        std::string id = {static_cast<char>('A' + i / 676 % 26), static_cast<char>('A' + i / 26 % 26),
                          static_cast<char>('A' + i % 26)};
        many.push_back({"Z" + id, "PLACE", 45, 75, 0});
    }
    std::string path = WriteSection("many.tst", many);
    int count = 0;
    navigation::AerodromeReader reader(navtest::NoPieces());
    ASSERT_TRUE(reader.OpenSection(path));
    std::string name;
    navigation::CoordTexts coords;
    while (reader.NextRecord(name, coords)) ++count;
    EXPECT_EQ(count, navigation::MaxRecords);
    EXPECT_FALSE(reader.IsOpen());
    // Record 6700 is found; record 6701 lies beyond the section.
    EXPECT_EQ(navigation::LookUpPoint(path, many[6699].ident, navtest::NoPieces()).FoundIdent,
              many[6699].ident + " ");
    EXPECT_TRUE(navigation::LookUpPoint(path, many[6700].ident, navtest::NoPieces()).FoundIdent.empty());
}

TEST(LookUpPoint, IdentifierRules) {
    std::string path = WriteSection("places.tst", kPlaces);
    auto p = navigation::LookUpPoint(path, "caaa", navtest::NoPieces());
    EXPECT_EQ(p.FoundIdent, "CAAA ");
    EXPECT_FLOAT_EQ(p.FoundLatitude, 45.5f);
    EXPECT_FLOAT_EQ(p.FoundLongitude, 75.25f);
    EXPECT_FLOAT_EQ(p.Variation, 13);
    EXPECT_FALSE(p.Display.has_value());

    EXPECT_EQ(navigation::LookUpPoint(path, "AAA", navtest::NoPieces()).FoundIdent, "CAAA ");  // "c" rule
    EXPECT_EQ(navigation::LookUpPoint(path, "to the lake CCCC", navtest::NoPieces()).FoundIdent, "CCCC ");
    // A three-letter identifier is stored after a blank and found by its three letters.
    p = navigation::LookUpPoint(path, "bbb", navtest::NoPieces());
    EXPECT_EQ(p.FoundIdent, " BBB ");
    EXPECT_FLOAT_EQ(p.Variation, -5);
    EXPECT_FLOAT_EQ(p.FoundLongitude, static_cast<float>(105 + 30.0 / 60 + 15.0 / 3600));

    p = navigation::LookUpPoint(path, "from xyzq", navtest::NoPieces());
    EXPECT_TRUE(p.FoundIdent.empty());
    EXPECT_EQ(p.Display, "XYZQ  Not found");
    EXPECT_EQ(navigation::LookUpPoint(path, "q", navtest::NoPieces()).Display, "Q  Not found");
}

TEST(LookUpPoint, MissingMarkerOrEndLineEndsAsNotFound) {
    auto p = navigation::LookUpPoint(WriteSection("nomarker.tst", kPlaces, false), "CAAA", navtest::NoPieces());
    EXPECT_EQ(p.Display, "CAAA  Not found");
    std::string noEnd = WriteSection("noend.tst", kPlaces, true, false);
    EXPECT_EQ(navigation::LookUpPoint(noEnd, "QQQQ", navtest::NoPieces()).Display, "QQQQ  Not found");
}

TEST(DamagedRecords, NoCrashAndFiniteValues) {
    std::vector<std::string> lines = {"astq"};
    const std::vector<std::string> coordLines = {"", "\x9c", "\x9c" "A", "\x9c" "ABCD",
                                                 std::string("\x01\x02\x03\x04\x05", 5),
                                                 std::string(12, '\xff'), "!!!!!!!"};
    for (std::size_t i = 0; i < coordLines.size(); ++i) {
        lines.push_back("DAMAGED " + std::to_string(i) + ", X, ON DMG" + std::to_string(i));
        lines.push_back(coordLines[i]);
    }
    lines.push_back("99");
    std::string path = navtest::WriteLines("damaged.tst", lines);
    EXPECT_EQ(AllMatches(path, "damaged", navtest::NoPieces()).size(), coordLines.size());
    for (std::size_t i = 0; i < coordLines.size(); ++i) {
        auto p = navigation::LookUpPoint(path, "DMG" + std::to_string(i), navtest::NoPieces());
        EXPECT_EQ(p.FoundIdent, "DMG" + std::to_string(i) + " ");
        EXPECT_TRUE(std::isfinite(p.FoundLatitude) && std::isfinite(p.FoundLongitude) &&
                    std::isfinite(p.Variation));
    }
    // An empty coordinate line gives no latitude or longitude at all: position 0, 0.
    auto p = navigation::LookUpPoint(path, "DMG0", navtest::NoPieces());
    EXPECT_EQ(p.FoundLatitude, 0);
    EXPECT_EQ(p.FoundLongitude, 0);
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

TEST_F(RealData, SearchFindsEveryOttawaInFileOrder) {
    // Checked by hand against the aerodrome list: name or place holds "OTTAWA".
    const std::vector<std::string> idents = {"CYRP", "CSF7", "CPR2", "CYND", "CYOW", "CHF2",
                                             "CYRO", " PCW", " Z98", " OWI", " OWX", " 8N2"};
    auto found = AllMatches(Path(), "ottawa", pieces_);
    ASSERT_EQ(found.size(), idents.size());
    for (std::size_t i = 0; i < idents.size(); ++i)
        EXPECT_NE(found[i].find(idents[i] + "  "), std::string::npos) << found[i];
    EXPECT_EQ(found[0], "  OTTAWA / CARP AIRPORT, CARP, ON CYRP   12W 45.19.09  76.01.20");
    EXPECT_EQ(found[9], "  OTTAWA MUNICIPAL AIRPORT, OTTAWA, KS  OWI   2E 38.32.21  95.15.11");
}

// The data file saved with line feeds alone, as a Linux editor may save it, gives the
// same texts and the same aerodromes.
TEST_F(RealData, AFileWithLineFeedsAloneReadsTheSame) {
    std::ifstream in(Path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string lf;
    for (std::size_t k = 0; k < bytes.size(); ++k)
        if (!(bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n')) lf += bytes[k];
    ASSERT_LT(lf.size(), bytes.size());
    const std::string lfPath = testing_files::WriteFile(testing_files::TestFolder() / "lf.tst", lf);

    AvcalcMod::BuildFragmentTable();
    AvcalcMod::ReadTextSection(Path());
    const AvcalcMod::TextLineArray crlfLines = AvcalcMod::TextLines;
    AvcalcMod::ReadTextSection(lfPath);
    EXPECT_TRUE(AvcalcMod::TextLines == crlfLines);
    AvcalcMod::ResetGlobals();

    EXPECT_EQ(AllMatches(lfPath, "ottawa", pieces_), AllMatches(Path(), "ottawa", pieces_));
    EXPECT_EQ(navigation::LookUpPoint(lfPath, "JFK", pieces_).FoundIdent, " JFK ");
}

// An identifier that exists as typed wins over an earlier Canadian one ("C" + key);
// with none, the Canadian one. Positions and variations from data/aerodromes.csv, to
// the second of arc the file keeps.
struct IdentCase {
    const char* name;
    const char* typed;
    const char* foundIdent;  // empty: not found
    double latitude, longitudeWest;
    float variationWest;
};

class LookUpOnRealData : public RealData, public ::testing::WithParamInterface<IdentCase> {};

TEST_P(LookUpOnRealData, FindsTheAerodromeMeant) {
    const IdentCase& c = GetParam();
    auto p = navigation::LookUpPoint(Path(), c.typed, pieces_);
    EXPECT_EQ(p.FoundIdent, c.foundIdent);
    if (p.FoundIdent.empty()) {
        EXPECT_EQ(p.Display, std::string(c.typed) + "  Not found");
        return;
    }
    EXPECT_NEAR(p.FoundLatitude, c.latitude, 1.0 / 3600);
    EXPECT_NEAR(p.FoundLongitude, c.longitudeWest, 1.0 / 3600);
    EXPECT_FLOAT_EQ(p.Variation, c.variationWest);
}

INSTANTIATE_TEST_SUITE_P(
    Idents, LookUpOnRealData,
    ::testing::Values(
        // US airports whose Canadian namesakes CBW8, CNM2 and CKY8 come first in the file.
        IdentCase{"BW8", "BW8", " BW8 ", 47.847778, 109.099444, -11},
        IdentCase{"NM2", "NM2", " NM2 ", 35.951772, 106.957525, -8},
        IdentCase{"KY8", "KY8", " KY8 ", 37.954209, 86.855985, 4},
        IdentCase{"YOW", "YOW", "CYOW ", 45.322500, 75.669200, 13},  // no YOW: CYOW
        IdentCase{"CBW8", "CBW8", "CBW8 ", 54.008100, 123.023000, -16},
        IdentCase{"Unknown", "ZZZ9", "", 0, 0, 0}),
    [](const ::testing::TestParamInfo<IdentCase>& info) { return std::string(info.param.name); });

}  // namespace
