#include "common/shared_routines.h"

#include <gtest/gtest.h>

#include <set>

using namespace AvcalcMod;

namespace {

TEST(MidVal, ReadsTheLeadingNumberOfTheSubstring) {
    EXPECT_EQ(MidVal("12.5ab", 1, 4), 12.5);
    EXPECT_EQ(MidVal("12.5ab", 0, 4), 0);
    EXPECT_EQ(MidVal("12.5ab", 10, 2), 0);
    EXPECT_EQ(MidVal("1e999", 1, 5), 0);  // too large for a double: the reader fails
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
