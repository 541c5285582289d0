#include "common/number_forms.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace numbers;

namespace {

TEST(GeneralText, DoubleHasFifteenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {-0.0, "0"},           {-6, "-6"},
        {1234.5, "1234.5"},    {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},    {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},       {1234567890123456.0, "1.23456789012346E+15"},
        {-2.5e20, "-2.5E+20"}, {1e-7, "1E-07"},
    };
    for (const auto& c : cases) EXPECT_EQ(GeneralText(c.value), c.text) << c.value;
}

TEST(GeneralText, SingleHasSevenSignificantDigits) {
    EXPECT_EQ(GeneralText(1.0F / 3.0F), "0.3333333");
    EXPECT_EQ(GeneralText(12345678.0F), "1.234568E+07");
    EXPECT_EQ(GeneralText(1e-7F), "1E-07");
    EXPECT_EQ(GeneralText(-196.0F), "-196");
    // Not a number and infinity never become text.
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(GeneralText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(GeneralText(-std::numeric_limits<float>::infinity()), "");
}

TEST(GeneralText, IgnoresTheProcessLocale) {
    // A German locale would write a decimal comma; the program must not.
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old != nullptr ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
    EXPECT_EQ(GeneralText(1.5), "1.5");
    EXPECT_EQ(LenientValue("1.5").value(), 1.5);
    EXPECT_EQ(FormatStandard(1234.5), "1,234.50");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(LenientValue, TakesTheLongestLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5ab", 12.5}, {"  42", 42},  {"4 2", 42},   {"-3", -3},       {"+7", 7},
        {".5", 0.5},      {"5.", 5},     {"1e3", 1000}, {"1E+3x", 1000},  {"2d2", 200},
        {"1e", 1},        {"1e+", 1},    {"12,5", 12},  {"1.2.3", 1.2},   {"abc", 0},
        {"", 0},          {"-", 0},      {"--5", 0},    {".", 0},         {"nan", 0},
        {"inf", 0},       {"1e-400", 0}, {"\t\n9", 9},  {"37.77", 37.77},
    };
    for (const auto& c : cases) {
        auto v = LenientValue(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
}

TEST(LenientValue, OverflowIsAFailure) {
    EXPECT_FALSE(LenientValue("1e309").has_value());
    EXPECT_FALSE(LenientValue("1e99999999999999999999").has_value());  // exponent past a long
    EXPECT_EQ(*LenientValue("1e-99999999999999999999"), 0);
    EXPECT_FALSE(LenientValue(std::string(10000, '9')).has_value());
    ASSERT_TRUE(LenientValue("1e308").has_value());
    EXPECT_EQ(*LenientValue("-1e308"), -1e308);
    EXPECT_EQ(*LenientValue("0." + std::string(10000, '0') + "1"), 0);
}

TEST(StrictValue, AcceptsOnlyWholeNumberTexts) {
    const struct {
        const char* text;
        double value;
    } good[] = {{"+5", 5},       {" 5 ", 5},
                {"2,5", 25},     {"1,234.5", 1234.5},
                {"1E+15", 1e15}, {"1E-07", 1e-7},
                {"1.5e3", 1500}, {".5", 0.5},
                {"5.", 5},       {"0.999999999999999", 0.999999999999999}};
    for (const auto& c : good) {
        auto v = StrictValue(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    const char* bad[] = {"",   " ",   "-",  "--5", "1.2.3", "5-",  "x5",    "2x3",
                         "1e", "1e+", ",5", "E5",  "nan",   "inf", "1e999", "(5)"};
    for (const char* text : bad) EXPECT_FALSE(StrictValue(text).has_value()) << text;
    EXPECT_FALSE(StrictValue("25e9223372036854775807").has_value());  // exponent at a long's limit
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value, rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2},  {-3.5, -4},
                 {0.5, 0}, {1.5, 2}, {2.4999, 2}, {7.5, 8}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(ToLong(7.5), 8);
    EXPECT_EQ(ToLong(-2147483648.4), -2147483647 - 1);
    EXPECT_FALSE(ToLong(2147483647.5).has_value());
    EXPECT_FALSE(ToLong(std::nan("")).has_value());
    EXPECT_FALSE(ToSingle(1e39).has_value());
    EXPECT_EQ(ToSingle(1e-50).value(), 0.0F);
}

TEST(FormatFixed, StandardAndOneDecimalFormats) {
    const struct {
        double value;
        const char* standard;
        const char* oneDecimal;
    } cases[] = {
        {99.986, "99.99", "100.0"},
        {1234567.891, "1,234,567.89", "1234567.9"},
        {0, "0.00", "0.0"},
        {-0.004, "0.00", "0.0"},
        {-40, "-40.00", "-40.0"},
        {2.675, "2.68", "2.7"},  // decided on the 15-digit decimal form, not the binary value
        {0.05, "0.05", "0.1"},   // halves away from zero
        {-0.05, "-0.05", "-0.1"},
        {9.995, "10.00", "10.0"},
        {1e20, "100,000,000,000,000,000,000.00", "100000000000000000000.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatStandard(c.value), c.standard) << c.value;
        EXPECT_EQ(FormatOneDecimal(c.value), c.oneDecimal) << c.value;
    }
}

TEST(FormatFixed, CountOutsideItsRangeIsClamped) {
    const struct {
        const char* name;
        double value;
        int decimals;
        bool groups;
        const char* text;
    } cases[] = {
        {"negative count as none, half away from zero", 2.5, -1, false, "3"},
        {"most negative count, groups kept", 1234.5, -2147483647 - 1, true, "1,235"},
        {"three decimals as asked", 0.0005, 3, false, "0.001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals, c.groups), c.text) << c.name;
    // The largest count stops at 324 decimals: "0.5" and 323 zeros.
    EXPECT_EQ(FormatFixed(0.5, 2147483647, false), "0.5" + std::string(323, '0'));
}

}  // namespace
