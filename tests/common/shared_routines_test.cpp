#include "common/shared_routines.h"

#include <gtest/gtest.h>

#include <set>

using namespace AvcalcMod;

namespace {

TEST(MidVal, ReadsTheLeadingNumberOfTheSubstring) {
    const struct {
        const char* text;
        int start, length;
        double expected;
    } cases[] =
        {
            {"12.5ab", 1, 4, 12.5}, {"12.5ab", 0, 4, 0},    {"12.5ab", 1, 0, 0},
            {"12.5ab", 10, 2, 0},   {"12.5ab", 2, 3, 2.5},  {"ab12", 1, 4, 0},
            {"1 2\t3", 1, 5, 123},  {"-4.5e1x", 1, 7, -45}, {"9", -3, 100, 0},
            {"1e999", 1, 5, 0},  // too large for a double: the reader fails, MidVal gives 0
        };
    for (const auto& c : cases)
        EXPECT_EQ(MidVal(c.text, c.start, c.length), c.expected)
            << c.text << " from " << c.start << " for " << c.length;
}

TEST(InStrNoCase, FindsIgnoringLetterCase) {
    EXPECT_EQ(InStrNoCase("ottawa macdonald-cartier", "CARTIER"), 18);
    EXPECT_EQ(InStrNoCase("OTTAWA", "toronto"), 0);
    EXPECT_EQ(InStrNoCase("", ""), 0);
    EXPECT_EQ(InStrNoCase("abc", ""), 1);
    EXPECT_EQ(InStrNoCase("MONTR\xC9"
                          "AL",
                          "montr\xE9"),
              1);  // accented capitals too
}

TEST(TrimmedStr, PlainDecimalFormWithoutLeadingBlankOrZero) {
    EXPECT_EQ(TrimmedStr(-3), "-3");
    EXPECT_EQ(TrimmedStr(-0.25), "-.25");
    EXPECT_EQ(TrimmedStr(1e20), "1E+20");
    EXPECT_EQ(TrimmedStr(2.5F), "2.5");
}

TEST(RandomBetween, StaysInRangeAndReachesEveryValue) {
    Randomize(12345);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(RandomBetween(0, 3).value_or(-1));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(RandomBetween(7, 7), 7);
    EXPECT_FALSE(RandomBetween(-2147483647 - 1, 2147483647).has_value());
}

}  // namespace
