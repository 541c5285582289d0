#include "engine/conversions.h"

#include <gtest/gtest.h>

namespace {

// A factor line without the letters u and f, so the built-in formulas apply.
constexpr const char* kFactors = "n1.150779, s0.868976, k1.852, e0.3048, o2.204623";

TEST(ConversionCode, CharacterAfterAmpersandInLowerCase) {
    EXPECT_EQ(engine::ConversionCode("Celsi&us > F"), "u");
    EXPECT_EQ(engine::ConversionCode("&F-Celsius"), "f");
    EXPECT_EQ(engine::ConversionCode("in&Hg > hPa"), "h");
    EXPECT_EQ(engine::ConversionCode("NM > SM"), "n");  // no "&": the first character
    EXPECT_EQ(engine::ConversionCode("A&b&c"), "b");    // the first "&" counts
    EXPECT_EQ(engine::ConversionCode("ab&"), "");
    EXPECT_EQ(engine::ConversionCode(""), "");
}

TEST(ConversionFactor, TenCharactersAfterTheFirstOccurrence) {
    EXPECT_DOUBLE_EQ(engine::ConversionFactor("n", kFactors).value_or(0), 1.150779);
    EXPECT_DOUBLE_EQ(engine::ConversionFactor("o", kFactors).value_or(0), 2.204623);
    EXPECT_FALSE(engine::ConversionFactor("u", kFactors).has_value());
    EXPECT_FALSE(engine::ConversionFactor("N", kFactors).has_value());  // case counts
    // Only ten characters are read: "12345678901" gives 1234567890.
    EXPECT_DOUBLE_EQ(engine::ConversionFactor("z", "z12345678901").value_or(0), 1234567890);
}

struct Case {
    const char* display;
    const char* caption;
    const char* factors;
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.display << "\" with " << c.caption; }

class ConvertDisplay : public ::testing::TestWithParam<Case> {};

TEST_P(ConvertDisplay, NewDisplayText) {
    const Case& c = GetParam();
    EXPECT_EQ(engine::ConvertDisplay(c.display, c.caption, c.factors), c.expected)
        << c.display << " with " << c.caption;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertDisplay,
    ::testing::Values(Case{"32", "&F-Celsius", kFactors, "0"},
                      Case{"100", "Celsi&us > F", kFactors, "212"},
                      Case{"-40", "Celsi&us > F", kFactors, "-40"},
                      Case{"-40", "&F-Celsius", kFactors, "-40"},
                      Case{"37.77", "Celsi&us > F", kFactors, "99.99"},  // 99.986
                      Case{"", "Celsi&us > F", kFactors, ""},            // empty stays empty
                      Case{"5x2", "&NM > SM", kFactors, "5.75"},         // 5 x 1.150779
                      Case{"abc", "Celsi&us > F", kFactors, "32"},        // reads 0
                      Case{"abc", "&NM > SM", kFactors, "0"},
                      Case{"12,5", "&NM > SM", "n1", "12"},  // "," ends the number
                      Case{"1 0", "&NM > SM", "n1", "10"},   // blanks are ignored
                      Case{"1234.5", "&NM > SM", "n1", "1234.5"},  // no groups, no zeros
                      Case{"0.125", "&NM > SM", "n1", "0.13"},     // halves away from zero
                      Case{"100", "Celsi&us > F", "u2", "200"},    // a factor overrides
                      Case{"100", "&Zed", kFactors, "0"},          // unknown code
                      // 9/5 x 1E308 overflows: that step is skipped and r stays 0.
                      Case{"1e308", "Celsi&us > F", kFactors, "0"},
                      // Too large to read at all: x stays 0.
                      Case{"1e999", "Celsi&us > F", kFactors, "32"},
                      // 1E300 x 1E10 overflows the same way.
                      Case{"1e300", "&NM > SM", "n1e10", "0"}));

TEST(ConvertDisplay, SecondConversionConvertsTheFirstResult) {
    std::string shown = engine::ConvertDisplay("100", "Celsi&us > F", kFactors);
    EXPECT_EQ(engine::ConvertDisplay(shown, "Celsi&us > F", kFactors), "413.6");  // 9/5 x 212 + 32
}

}  // namespace
