#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "navigation/records.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "common/shared_routines.h"
#include "tests/test_files.h"
#include "tools/packing.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Expanded(std::string packed) {
    AvcalcMod::BuildFragmentTable();
    AvcalcMod::LoadingData = true;
    AvcalcMod::ExpandLine(packed);
    AvcalcMod::LoadingData = false;
    return packed;
}

TEST(PackTextLine, ExpandsBackExactlyAndNeverHoldsLineEnds) {
    const std::string texts[] = {
        "",
        "Plain",
        "The aircraft engine and pilot; all here.  Then,  more",
        "Enter the true course (deg), true airspeed (kt), wind direction (deg true) and wind speed",
        std::string("bell\7 and symbols: 100% (a/b) <c> ~d~"),
        "&NM > SM      &SM > NM",
    };
    for (const std::string& t : texts) {
        auto packed = builder::PackTextLine(t);
        ASSERT_TRUE(packed.has_value()) << t;
        EXPECT_EQ(packed->find_first_of("\r\n"), std::string::npos) << t;
        EXPECT_LE(packed->size(), t.size()) << t;
        EXPECT_EQ(Expanded(*packed), t) << t;
    }
}

TEST(PackTextLine, RefusesTextThatNoCodeCanGive) {
    EXPECT_FALSE(builder::PackTextLine("a{b").has_value());
    EXPECT_FALSE(builder::PackTextLine("trailing;").has_value());
    EXPECT_FALSE(builder::PackTextLine("new\nline").has_value());
    EXPECT_FALSE(builder::PackTextLine("tab\there").has_value());
}

TEST(NameLine, EndsWithTheIdentifierInFourCharacters) {
    builder::Aerodrome ca{"CYOW", "OTTAWA MACDONALD-CARTIER INTL", "OTTAWA", "ON", "CA"};
    builder::Aerodrome us{"JFK", "JOHN F KENNEDY INTL", "NEW YORK", "NY", "US"};
    builder::Aerodrome nocity{"1B1", "COLUMBIA CO", "", "NY", "US"};
    EXPECT_EQ(builder::NameLine(ca), "OTTAWA MACDONALD-CARTIER INTL, OTTAWA, ON CYOW");
    EXPECT_EQ(builder::NameLine(us), "JOHN F KENNEDY INTL, NEW YORK, NY  JFK");
    EXPECT_EQ(builder::NameLine(nocity), "COLUMBIA CO, NY  1B1");
}

TEST(PackCoordLine, RoundsToWholeSecondsAndCarriesSixty) {
    builder::Aerodrome a{"X", "X", "", "ON", "CA", 45.0 + 59.0 / 60 + 59.7 / 3600, -(75.5), 13};
    std::string line = builder::PackCoordLine(a);
    navigation::CoordTexts t;
    navigation::DecodeCoordLine(line, t);
    EXPECT_EQ(navigation::ExpandDigits(t.LatitudeText), "460000");
    EXPECT_EQ(navigation::ExpandDigits(t.LongitudeText), "753000");
    EXPECT_EQ(t.VariationText, " 13W");

    builder::Aerodrome east{"Y", "Y", "", "BC", "CA", 49.0, -123.25, -16};
    navigation::DecodeCoordLine(builder::PackCoordLine(east), t);
    EXPECT_EQ(t.VariationText, " 16E");
    EXPECT_EQ(navigation::ExpandDigits(t.LongitudeText), "1231500");
    EXPECT_EQ(navigation::VariationFromText(t.VariationText), -16.0F);
}

TEST(ParseAerodromes, HandlesQuotedFieldsWithCommas) {
    std::string error;
    auto list = builder::ParseAerodromes(
        "ident,name,city,region,country,lat,lon,variation_west\n"
        "BTR,\"BATON ROUGE METRO, RYAN FIELD\",BATON ROUGE,LA,US,30.532917,-91.149889,1\n",
        error);
    ASSERT_TRUE(list.has_value()) << error;
    ASSERT_EQ(list->size(), 1U);
    EXPECT_EQ((*list)[0].name, "BATON ROUGE METRO, RYAN FIELD");
    EXPECT_DOUBLE_EQ((*list)[0].longitude, -91.149889);
    EXPECT_FALSE(builder::ParseAerodromes("h\nA,B,C\n", error).has_value());
}

TEST(ParseTexts, RejectsRepeatedOrBadNumbers) {
    std::string error;
    auto texts = builder::ParseTexts("001|one\n565|last | bar\n", error);
    ASSERT_TRUE(texts.has_value()) << error;
    EXPECT_EQ((*texts)[1], "one");
    EXPECT_EQ((*texts)[565], "last | bar");
    EXPECT_FALSE(builder::ParseTexts("001|a\n001|b\n", error).has_value());
    EXPECT_FALSE(builder::ParseTexts("566|a\n", error).has_value());
}

// The committed data file is what the builder makes of the committed texts and
// aerodrome list, and it reads back through the program's own reader.
class CommittedDataFile : public ::testing::Test {
  protected:
    void SetUp() override {
        csvPath = std::string(AVC_SOURCE_DIR) + "/data/aerodromes.csv";
        std::string error;
        auto t =
            builder::ParseTexts(ReadAll(std::string(AVC_SOURCE_DIR) + "/data/texts.txt"), error);
        ASSERT_TRUE(t.has_value()) << error;
        texts = *t;
        auto a = builder::ParseAerodromes(ReadAll(csvPath), error);
        ASSERT_TRUE(a.has_value()) << error;
        aerodromes = *a;
    }
    void TearDown() override { AvcalcMod::ResetGlobals(); }
    std::string csvPath;
    builder::Texts texts;
    std::vector<builder::Aerodrome> aerodromes;
};

TEST_F(CommittedDataFile, IsCurrent) {
    std::string error;
    auto built = builder::BuildDataFile(texts, aerodromes, error);
    ASSERT_TRUE(built.has_value()) << error;
    EXPECT_TRUE(*built == ReadAll(std::string(AVC_SOURCE_DIR) + "/data/vdats.tst"))
        << "data/vdats.tst is out of date: rebuild it with build_vdats";
}

TEST_F(CommittedDataFile, ReadsBackEveryLineAndRecord) {
    EXPECT_GT(aerodromes.size(), 0U);
    EXPECT_LE(aerodromes.size(), 6700U) << "the program reads at most 6700 records";
    std::string problems =
        builder::VerifyDataFile(std::string(AVC_SOURCE_DIR) + "/data/vdats.tst", texts, aerodromes);
    EXPECT_EQ(problems, "");
}

TEST_F(CommittedDataFile, FixedWidthLinesHaveTheirForms) {
    using AvcalcMod::TextLines;
    AvcalcMod::BuildFragmentTable();
    AvcalcMod::ReadTextSection(std::string(AVC_SOURCE_DIR) + "/data/vdats.tst");
    const std::string& keys = TextLines[211];
    ASSERT_EQ(keys.size(), 20U);
    EXPECT_EQ(keys[11], 'C');
    EXPECT_EQ(keys[16], '<');
    EXPECT_EQ(keys[17], '=');
    std::string entry;
    for (int k = 0; k < 20; ++k)
        if (k != 11 && k != 16 && k != 17) entry += keys[static_cast<std::size_t>(k)];
    std::sort(entry.begin(), entry.end());
    EXPECT_EQ(entry, "()+-./0123456789x");

    // Eighteen captions of 13 characters, each marking a unique code letter.
    const std::string& captions = TextLines[212];
    const std::string& factors = TextLines[214];
    std::string codes;
    for (int m = 0; m < 18; ++m) {
        std::string caption = captions.substr(static_cast<std::size_t>(14 * m), 13);
        auto amp = caption.find('&');
        ASSERT_NE(amp, std::string::npos) << caption;
        char code = AvcalcMod::LowerChar(caption[amp + 1]);
        EXPECT_EQ(codes.find(code), std::string::npos) << "code " << code << " twice";
        codes += code;
        if (code == 'u' || code == 'f') continue;
        auto at = factors.find(code);
        ASSERT_NE(at, std::string::npos) << "no factor for " << code;
        EXPECT_GT(AvcalcMod::MidVal(factors, static_cast<std::int32_t>(at + 2), 10), 0) << code;
    }
    EXPECT_NE(codes.find('u'), std::string::npos);
    EXPECT_NE(codes.find('f'), std::string::npos);
    EXPECT_EQ(factors.find_first_of("uf"), std::string::npos);

    EXPECT_GE(TextLines[153].size(), 503U);
    EXPECT_EQ(TextLines[220].size(), 331U);
}

}  // namespace
