#include "common/number_forms.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <set>

#include "common/angles.h"
#include "common/shared_routines.h"

using namespace numbers;
using angles::Pi;
using AvcalcMod::MidVal, AvcalcMod::Randomize, AvcalcMod::RandomBetween;

namespace {

TEST(GeneralText, DoubleHasFifteenSignificantDigits) {
    const std::tuple<double, const char*> cases[] = {
        {-0.0, "0"},           {-6, "-6"},
        {1234.5, "1234.5"},    {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},    {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},       {1234567890123456.0, "1.23456789012346E+15"},
        {-2.5e20, "-2.5E+20"}, {1e-7, "1E-07"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(GeneralText(value), text) << value;
    EXPECT_EQ(GeneralText(12345678.0F), "1.234568E+07");                   // a single: seven digits
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::quiet_NaN()), "");  // never shown
}

TEST(GeneralText, IgnoresTheProcessLocale) {
    // A German locale would write a decimal comma; the program must not.
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_EQ(GeneralText(1.5), "1.5");
    EXPECT_EQ(LenientValue("1.5").value(), 1.5);
    EXPECT_EQ(FormatStandard(1234.5), "1,234.50");
    std::setlocale(LC_ALL, saved.c_str());
}

// The lenient reader takes the longest leading number (blanks anywhere, "d" for "e");
// the strict one only a whole number text ("," groups digits). Both fail on an overflow,
// an exponent beyond a long included; an underflow is 0.
TEST(Readers, LenientAndStrict) {
    const std::optional<double> none;
    const std::tuple<std::string, std::optional<double>, std::optional<double>> cases[] = {
        {"12.5ab", 12.5, none}, {"  42", 42, 42},      {"4 2", 42, none},
        {"+7", 7, 7},           {".5", 0.5, 0.5},      {"5.", 5, 5},
        {"1E+3x", 1000, none},  {"1e", 1, none},       {"12,5", 12, 125},
        {"1,234.5", 1, 1234.5}, {"1.2.3", 1.2, none},  {"abc", 0, none},
        {"", 0, none},          {"--5", 0, none},      {"nan", 0, none},
        {"inf", 0, none},       {"1E-07", 1e-7, 1e-7}, {"-1e308", -1e308, -1e308},
        {"1e-400", 0, 0},       {"(5)", 0, none},      {",5", 0, none},
    };
    for (const auto& [text, lenient, strict] : cases) {
        EXPECT_EQ(LenientValue(text), lenient) << text;
        EXPECT_EQ(StrictValue(text), strict) << text;
    }
    EXPECT_EQ(LenientValue("\t2\nd2"), 200);  // tabs and line feeds too, "D" for "E"
    for (const std::string& text : {std::string("1e309"), std::string("1e99999999999999999999"),
                                    std::string("25e9223372036854775807"), std::string(400, '9')})
        EXPECT_FALSE(LenientValue(text) || StrictValue(text)) << text;
    EXPECT_EQ(StrictValue("1e-99999999999999999999"), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::tuple<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2},  {-3.5, -4},
                                                {0.5, 0}, {1.5, 2}, {2.4999, 2}, {7.5, 8}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_EQ(ToLong(-2147483648.4), -2147483647 - 1);
    EXPECT_FALSE(ToLong(2147483647.5).has_value());
    EXPECT_FALSE(ToLong(std::nan("")).has_value());
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_EQ(ToSingle(1e-50).value(), 0.0F);
}

// Halves go away from zero, decided on the 15-digit decimal form (2.675 is 2.67499... as
// a binary value).
TEST(FormatFixed, StandardAndOneDecimalFormats) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {99.986, "99.99", "100.0"},
        {-0.004, "0.00", "0.0"},
        {2.675, "2.68", "2.7"},
        {0.05, "0.05", "0.1"},
        {-0.05, "-0.05", "-0.1"},
        {9.995, "10.00", "10.0"},
        {1e20, "100,000,000,000,000,000,000.00", "100000000000000000000.0"},
    };
    for (const auto& [value, standard, oneDecimal] : cases) {
        EXPECT_EQ(FormatStandard(value), standard) << value;
        EXPECT_EQ(FormatOneDecimal(value), oneDecimal) << value;
    }
}

// A count of decimals below 0 counts as none (it once read out of bounds); the largest
// stops at 324 decimals: "0.5" and 323 zeros.
TEST(FormatFixed, CountOutsideItsRangeIsClamped) {
    EXPECT_EQ(FormatFixed(2.5, -1, false), "3");
    EXPECT_EQ(FormatFixed(1234.5, -2147483647 - 1, true), "1,235");
    EXPECT_EQ(FormatFixed(0.0005, 3, false), "0.001");
    EXPECT_EQ(FormatFixed(0.5, 2147483647, false), "0.5" + std::string(323, '0'));
}

TEST(Angles, EdgesOfTheHelpers) {
    EXPECT_FLOAT_EQ(angles::VectorAngle(0, -5), static_cast<float>(Pi));
    EXPECT_FLOAT_EQ(angles::VectorAngle(-5, 0), static_cast<float>(-Pi / 2));
    EXPECT_FLOAT_EQ(angles::VectorAngle(-1, -1), static_cast<float>(-3 * Pi / 4));
    EXPECT_EQ(angles::VectorAngle(0, 0), 0);
    EXPECT_EQ(angles::VectorAngle(1e308, 1e-308), 0);  // Y / X overflows: r stays 0
    // Just outside [-1, 1] from rounding: held at the end, never NaN.
    EXPECT_EQ(angles::ArcCos(1 + 1e-15), 0);
    EXPECT_DOUBLE_EQ(angles::ArcCos(-1 - 1e-15), Pi);
    EXPECT_NEAR(angles::ArcCos(0.5), std::acos(0.5), 1e-15);
    EXPECT_NEAR(angles::ArcSin(0.5), std::asin(0.5), 1e-15);
    EXPECT_EQ(angles::ArcSin(1), 0);
    EXPECT_EQ(angles::ArcSin(-1.5), 0);
}

TEST(MidVal, ReadsTheLeadingNumberOfTheSubstring) {
    EXPECT_EQ(MidVal("12.5ab", 1, 4), 12.5);
    EXPECT_EQ(MidVal("12.5ab", 0, 4), 0);
    EXPECT_EQ(MidVal("12.5ab", 10, 2), 0);
    EXPECT_EQ(MidVal("1e999", 1, 5), 0);  // too large for a double: the reader fails
}

// The gradient's style is drawn with it (0 to 3): every style must come up.
TEST(RandomBetween, StaysInRangeAndReachesEveryValue) {
    Randomize(12345);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(RandomBetween(0, 3).value_or(-1));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(RandomBetween(7, 7), 7);
    EXPECT_FALSE(RandomBetween(-2147483647 - 1, 2147483647).has_value());
}

}  // namespace
