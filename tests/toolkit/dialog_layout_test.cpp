// The message dialog's layout arithmetic at its edges, without a window; the geometry
// per button code is checked on the box itself (message_dialog_test.cpp).
#include "toolkit/dialog_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace AvcalcMod;

struct TextRule {
    const char* title;
    const char* line;
    bool expected;
};

class FontRule : public ::testing::TestWithParam<TextRule> {};
TEST_P(FontRule, ComparesTheFirstTwelveCharacters) {
    EXPECT_EQ(TahomaRuleApplies(GetParam().title, GetParam().line), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Titles, FontRule,
    ::testing::Values(TextRule{"Quenmar Aviation - Help", "Quenmar Aviation Calculator", true},
                      TextRule{"Quenmar Avia", "Quenmar Aviation Calculator", true},
                      TextRule{"Quenmar Avi", "Quenmar Aviation Calculator", false},
                      TextRule{"quenmar Aviation", "Quenmar Aviation Calculator", false},
                      TextRule{"Short", "Short", true}, TextRule{"", "", true},
                      TextRule{"Anything else", "", false}));

TEST(Plans, CentredOkHalvesTheWholeWidth) {
    // 7001 \ 2 = 3500; 7000.5 is 7000 as a whole number (halves to even).
    EXPECT_EQ(PlanButtons(0, 7002.0F, false, 2).okLeft, 3001.0F);
    EXPECT_EQ(PlanButtons(0, 7000.5F, false, 2).okLeft, 3000.0F);
    EXPECT_EQ(PlanButtons(0, 7001.5F, false, 2).okLeft, 3001.0F);
}

TEST(Plans, FarewellShrinkFollowsTheLayoutMode) {
    EXPECT_EQ(PlanButtons(0, DialogWidth, true, 1).textShrink, 550.0F);
    EXPECT_EQ(PlanButtons(0, DialogWidth, true, 3).textShrink, 450.0F);
    // An absurd mode gives an absurd number, not an overflow.
    EXPECT_EQ(PlanButtons(0, DialogWidth, true, INT32_MAX).textShrink,
              static_cast<float>(600 - 50 * static_cast<std::int64_t>(INT32_MAX)));
}

TEST(Heights, ButtonsBelowTheWholeNumberBottomOfTheText) {
    // The text's bottom is taken as a whole number, halves to even, before the 200.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 194.5F), 494.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, 195.5F), 496.0F);
    // A bottom that does not fit leaves the buttons at the text's top.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 3.0e9F), 100.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, std::numeric_limits<float>::infinity()), 100.0F);
}

}  // namespace
