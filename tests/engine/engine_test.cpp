// The keypad's arithmetic and the conversion buttons'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/conversions.h"
#include "engine/evaluator.h"

namespace {

// "^" is left-associative; "\" goes before "x", rounds its operands half to even (7.5 to
// 8, 2.5 to 2) and truncates the quotient toward zero. "1/3" goes back as
// 0.333333333333333 before the "x". "1-2+3-4": the "-" pass makes "-1+3-4", then
// "-1+-1"; the "+" pass -2. A bracket next to a number or a bracket multiplies. Then the
// values written back in exponent form, each one operand: "1E-06+1", "1E+18" and
// "1.15292150460685E+18/5.76460752303423E+17" are read whole (2^60 = 1152921504606846976).
TEST(TryEvaluate, WorkedExamples) {
    std::vector<std::pair<const char*, double>> cases = {
        {"2+3x4", 14},  {"2^3^2", 64},    {"6x7\\2", 18},    {"7.5\\2", 4},
        {"2.5\\1", 2},  {"-7\\2", -3},    {"8/2/4", 1},      {"1/3x3", 0.999999999999999},
        {"2x(-3)", -6}, {"5+-3", 2},      {"-5", -5},        {"((2))", 2},
        {" 2 + 3 ", 5}, {"2\t+\r3\n", 5}, {"2x(3+4)^2", 98}, {"-2^2", 4},
        {"3x-5^2", 75}, {"5--3", 8},      {"3--5x2", 13},    {"2,5", 25},
        {"10-2+3", 11}, {"10-2-3", 5},    {"1-2+3-4", -2},   {"2(3)", 6},
        {"(2)(3)", 6},  {"(1+1)3", 6},    {"2(3+4)^2", 98},  {"2-(3)(4)", -10},
        {"(2)-3", -1},
    };
    cases.insert(cases.end(), {
                                  {"1/10000000", 1e-7},
                                  {"1/1000000+1", 1.000001},
                                  {"1/1000000-1", -0.999999},
                                  {"5-1/10000000", 4.9999999},
                                  {"0-1/10000000", -1e-7},
                                  {"3-(0-1/10000000)", 3.0000001},
                                  {"(1/1000000)2", 2e-6},
                                  {"2(1/10000000)", 2e-7},
                                  {"1000000000x1000000000", 1e18},
                                  {"2^60", 1.15292150460685e18},
                                  {"2^60/2^59", 2.00000000000001},
                              });
    for (const auto& [text, value] : cases) {
        double result = -12345;
        ASSERT_TRUE(engine::TryEvaluate(text, result)) << text;
        EXPECT_DOUBLE_EQ(result, value) << text;
    }
}

TEST(TryEvaluate, FailuresGiveNoValue) {
    // 1E+200 x 1E+200 cannot be represented; a bracket before "," multiplies ",5"; only
    // written-back values carry an "E".
    const char* cases[] = {
        "",     "()",    "5-",  "x5",    "5x",   "2*3",    "2X3",     "(2",       "2)",
        ")2(",  "1.2.3", "5/0", "0/0",   "5\\0", "5\\0.4", "2^99999", "(-8)^0.5", "0^-1",
        "5-x3", "--5",   "+5",  "(2),5", "1e5",  "1E5",    "1E+5",
    };
    double result = 99;
    for (const char* text : cases) EXPECT_FALSE(engine::TryEvaluate(text, result)) << text;
    for (const char* text : {"10^200x10^200", "3000000000\\1"})
        EXPECT_FALSE(engine::TryEvaluate(text, result)) << text;
}

// Long inputs must neither crash (no recursion per bracket or per sign) nor fail where a
// short one of the same shape succeeds.
TEST(TryEvaluate, DeepBracketsAndLongSignChains) {
    double result = 0;
    EXPECT_FALSE(engine::TryEvaluate(std::string(10000, '('), result));
    EXPECT_FALSE(engine::TryEvaluate(std::string(10000, '-') + "5", result));  // like "--5"
    EXPECT_FALSE(engine::TryEvaluate(std::string(10000, '9'), result));        // overflows
    ASSERT_TRUE(engine::TryEvaluate(std::string(5000, '(') + "1" + std::string(5000, ')'), result));
    EXPECT_EQ(result, 1);
    // Reading the left operand of the "x" asks, for each "-" on its way, whether a number
    // stands left of it: a chain of 2500 such questions.
    std::string chain;
    for (int i = 0; i < 2500; ++i) chain += "1-";
    ASSERT_TRUE(engine::TryEvaluate(chain + "2x2", result));
    EXPECT_EQ(result, 1 - 2499 - 4);
}

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
