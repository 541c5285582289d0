// The keypad's arithmetic, the conversion buttons' and the flight computer's formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/conversions.h"
#include "engine/evaluator.h"
#include "formulas/computations.h"

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
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
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
    for (const auto& [display, caption, factors, shown] : cases)
        EXPECT_EQ(engine::ConvertDisplay(display, caption, factors), shown)
            << display << " with " << caption;
}

using formulas::TextLineSource;

// Every text line reads "[n]", so a display shows which lines it was built from.
const TextLineSource Lines = [] {
    TextLineSource l;
    for (std::size_t n = 1; n < l.size(); ++n) l[n] = "[" + std::to_string(n) + "]";
    return l;
}();

// The end-to-end run works out one example of each formula; these are the others,
// worked from the formulas with single-precision steps; the raw value beside each: e
// 30.12: -199.99999999999; s 30: 1832.197; o 20: 9.2696 (one decimal
// always shown; humidity 0 has no logarithm: 0.0); w 20 at 30: 9.99999 and 17.3205; d:
// 80.406 at 118.32; an airspeed of 0 leaves the heading on the course; a cross component
// above the airspeed, or a groundspeed of 0, has no solution; one turn stays 360; "-":
// 21.43 at 22.38, equal airspeed and groundspeed no wind. "e" with -1E308 is accepted
// (negatives have no lower limit) but (29.92 + 1E308) x 1000 overflows: the display stays.
TEST(RunFormula, WorkedExamples) {
    const std::tuple<char, std::array<std::string, 4>, const char*> cases[] = {
        {'e', {"30.12"}, "[27]-200 feet."},
        {'e', {"40"}, "[27]-10080 feet."},
        {'e', {"-1e308"}, ""},
        {'a', {"5500", "120"}, "[176]133.2"},
        {'a', {"5500.5", "100"}, "[176]111"},
        {'s', {"30", "29.92"}, "[284]1832"},
        {'o', {"20", "50"}, "[236]9.3"},
        {'o', {"20", "0"}, "[236]0.0"},
        {'w', {"20", "30"}, "[230]10[231]17"},
        {'d', {"90", "120", "360", "20"}, "[177]80 at 118"},
        {'d', {"180", "0", "360", "20"}, "[177]180 at 20"},
        {'d', {"90", "20", "360", "30"}, "[562]"},
        {'d', {"0", "100", "360", "100"}, "[562]"},
        {'d', {"360", "120", "360", "20"}, "[177]360 at 100"},
        {'-', {"90", "100", "90", "100"}, "[562]"},
        {'-', {"90", "120", "80", "110"}, "[174]21 at 22"},
        {'p', {"ottawa"}, ""},
    };
    for (const auto& [code, fields, shown] : cases) {
        formulas::FormulaState state;  // one press of '=' on a window that has run no formula
        EXPECT_EQ(formulas::RunFormula(code, fields, Lines, state).Display.value_or(""), shown)
            << code << fields[0];
    }
}

// A field is rejected when empty, not a number from its start, not finite, above its
// limit or with a blank before it; it then shows the range message and counts as 0.001.
TEST(ReadField, AcceptanceRules) {
    auto read = [](const std::string& text) {
        const formulas::FieldReading r = formulas::ReadField(text, 40, Lines);
        return std::tuple(r.Rejected, r.Value, r.NewText);
    };
    const std::pair<const char*, double> accepted[] = {
        {"0", 0}, {"40", 40}, {"-5", -5}, {" 12abc", 12}, {"-1e308", -1e308}};
    for (auto [text, value] : accepted) EXPECT_EQ(read(text), std::tuple(false, value, "")) << text;
    const std::string nines(400, '9');
    for (const std::string& text : {std::string("0.0"), std::string(), std::string(" 0"),
                                    std::string("abc"), std::string("40.01"), std::string("1e308"),
                                    std::string("nan"), std::string("-inf"), nines, "-" + nines})
        EXPECT_EQ(read(text), std::tuple(true, 0.001, "[358]40")) << text;
}

}  // namespace
