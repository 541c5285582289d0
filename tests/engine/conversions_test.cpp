#include "engine/conversions.h"

#include <gtest/gtest.h>

namespace {

// A factor line without the letters u and f, so the built-in formulas apply.
constexpr const char* kFactors = "n1.150779, s0.868976, k1.852, e0.3048, o2.204623";

TEST(ConversionCode, CharacterAfterTheFirstAmpersandInLowerCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"NM > SM", "n"}, {"A&b&c", "b"}, {"ab&", ""}, {"", ""}};
    for (auto [caption, code] : cases) EXPECT_EQ(engine::ConversionCode(caption), code) << caption;
    // Ten characters after the code letter: "z12345678901" gives 1234567890.
    EXPECT_DOUBLE_EQ(engine::ConversionFactor("z", "z12345678901").value_or(0), 1234567890);
    EXPECT_FALSE(engine::ConversionFactor("N", kFactors).has_value());  // case counts
}

// 37.77 C is 99.986 F; 5 NM is 5.753895 SM (only the leading number counts, "," ends it,
// blanks are passed over); two decimals, halves away from zero, no digit groups; a factor
// for u overrides the formula; an unknown code gives 0; 9/5 x 1E308 overflows (that step
// is skipped and the value stays 0); 1E999 cannot be read (the value read is 0: 32 F);
// 212 C, a first result converted again, is 413.6 F.
TEST(ConvertDisplay, WorkedExamples) {
    const struct {
        const char* display;
        const char* caption;
        const char* factors;
        const char* shown;
    } cases[] = {
        {"32", "&F-Celsius", kFactors, "0"},
        {"-40", "Celsi&us > F", kFactors, "-40"},
        {"-40", "&F-Celsius", kFactors, "-40"},
        {"37.77", "Celsi&us > F", kFactors, "99.99"},
        {"", "Celsi&us > F", kFactors, ""},
        {"5x2", "&NM > SM", kFactors, "5.75"},
        {"abc", "Celsi&us > F", kFactors, "32"},
        {"12,5", "&NM > SM", "n1", "12"},
        {"1 0", "&NM > SM", "n1", "10"},
        {"1234.5", "&NM > SM", "n1", "1234.5"},
        {"0.125", "&NM > SM", "n1", "0.13"},
        {"100", "Celsi&us > F", "u2", "200"},
        {"100", "&Zed", kFactors, "0"},
        {"1e308", "Celsi&us > F", kFactors, "0"},
        {"1e999", "Celsi&us > F", kFactors, "32"},
        {"212", "Celsi&us > F", kFactors, "413.6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(engine::ConvertDisplay(c.display, c.caption, c.factors), c.shown)
            << c.display << " with " << c.caption;
}

}  // namespace
