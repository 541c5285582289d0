#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "navigation/records.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
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
    for (const char* text : {"a{b", "trailing;", "new\nline", "tab\there"})
        EXPECT_FALSE(builder::PackTextLine(text).has_value()) << text;
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
TEST(CommittedDataFile, IsCurrentAndReadsBackEveryLineAndRecord) {
    const std::string data = std::string(AVC_SOURCE_DIR) + "/data/";
    std::string error;
    const auto texts = builder::ParseTexts(ReadAll(data + "texts.txt"), error);
    ASSERT_TRUE(texts.has_value()) << error;
    const auto aerodromes = builder::ParseAerodromes(ReadAll(data + "aerodromes.csv"), error);
    ASSERT_TRUE(aerodromes.has_value()) << error;
    EXPECT_LE(aerodromes->size(), 6700U) << "the program reads at most 6700 records";
    const auto built = builder::BuildDataFile(*texts, *aerodromes, error);
    ASSERT_TRUE(built.has_value()) << error;
    EXPECT_TRUE(*built == ReadAll(data + "vdats.tst"))
        << "data/vdats.tst is out of date: rebuild it with build_vdats";
    EXPECT_EQ(builder::VerifyDataFile(data + "vdats.tst", *texts, *aerodromes), "");
    AvcalcMod::ResetGlobals();
}

}  // namespace
