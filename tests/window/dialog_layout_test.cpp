// The message dialog's layout arithmetic, without a window.
#include <gtest/gtest.h>

#include <limits>

#include "toolkit/dialog_layout.h"

namespace {

using namespace AvcalcMod;

TEST(DialogTitle, EmptyTitleGivesTheDefaultAndTheCaptionAddsThreeBlanks) {
    EXPECT_EQ(DialogTitle("", "Default"), "Default");
    EXPECT_EQ(DialogTitle("Given", "Default"), "Given");
    EXPECT_EQ(DialogCaption(DialogTitle("", "Default")), "   Default");
    // The farewell caption: six blanks, and the only caption ending in "!".
    EXPECT_EQ(DialogCaption(FarewellTitle), "      Learn to Fly!");
}

struct TextRule {
    const char* title;
    const char* line;
    bool expected;
};

class FontRule : public ::testing::TestWithParam<TextRule> {};
TEST_P(FontRule, ComparesTheFirstTwelveCharacters) {
    EXPECT_EQ(TahomaRuleApplies(GetParam().title, GetParam().line), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Titles, FontRule,
                         ::testing::Values(TextRule{"Quenmar Aviation - Help", "Quenmar Aviation Calculator", true},
                                           TextRule{"Quenmar Avia", "Quenmar Aviation Calculator", true},
                                           TextRule{"Quenmar Avi", "Quenmar Aviation Calculator", false},
                                           TextRule{"quenmar Aviation", "Quenmar Aviation Calculator", false},
                                           TextRule{"Short", "Short", true}, TextRule{"", "", true},
                                           TextRule{"Anything else", "", false}));

class SkipRule : public ::testing::TestWithParam<TextRule> {};
TEST_P(SkipRule, CopAsWrittenOrTheQuestionTitle) {
    EXPECT_EQ(SecondButtonSkips(GetParam().title, GetParam().line), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Titles, SkipRule,
                         ::testing::Values(TextRule{"Copy this?", "Aerodrome Search", true},
                                           TextRule{"Cop", "Aerodrome Search", true},
                                           TextRule{"copy this?", "Aerodrome Search", false},
                                           TextRule{"COP", "Aerodrome Search", false},
                                           TextRule{"Co", "Aerodrome Search", false},
                                           TextRule{"Aerodrome Search", "Aerodrome Search", true},
                                           TextRule{"Aerodrome Search ", "Aerodrome Search", false},
                                           TextRule{"", "Aerodrome Search", false}));

struct PlanCase {
    std::int32_t code;
    bool farewell;
    float okLeft, secondLeft;
    bool okShown, secondShown, farewellLayout;
    float shrink;
};
class Plans : public ::testing::TestWithParam<PlanCase> {};
TEST_P(Plans, ButtonsAndTextForEachCode) {
    const PlanCase& c = GetParam();
    const ButtonPlan plan = PlanButtons(c.code, DialogWidth, c.farewell, 2);
    if (c.okShown) {
        EXPECT_EQ(plan.okLeft, c.okLeft);
    }
    if (c.secondShown) {
        EXPECT_EQ(plan.secondLeft, c.secondLeft);
    }
    EXPECT_EQ(plan.okShown, c.okShown);
    EXPECT_EQ(plan.secondShown, c.secondShown);
    EXPECT_EQ(plan.farewell, c.farewellLayout);
    EXPECT_EQ(plan.textShrink, c.shrink);
}
INSTANTIATE_TEST_SUITE_P(
    Codes, Plans,
    ::testing::Values(PlanCase{0, false, 3000, 0, true, false, false, 0},  // 7000 \ 2 - 500
                      PlanCase{0, true, 0, 0, false, false, true, 500},    // 600 - 50 x 2
                      PlanCase{2, false, 2400, 3800, true, true, false, 0},
                      PlanCase{2, true, 2400, 3800, true, true, false, 0},  // only code 0 says farewell
                      PlanCase{6, false, 0, 0, false, false, false, 600},
                      PlanCase{5, false, 3900, 5500, true, true, false, 0},
                      PlanCase{-1, false, 3900, 5500, true, true, false, 0}));

TEST(Plans, CentredOkFollowsTheWholeWidth) {
    // 7001 \ 2 = 3500; 7000.5 is 7000 as a whole number (halves to even).
    EXPECT_EQ(PlanButtons(0, 7001.0F, false, 2).okLeft, 3000.0F);
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

TEST(Heights, WindowAndButtonsFollowTheText) {
    EXPECT_EQ(DialogWindowHeight(195.0F), 1495.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, 195.0F), 495.0F);
    // The text's bottom is taken as a whole number, halves to even, before the 200.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 194.5F), 494.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, 195.5F), 496.0F);
    // A bottom that does not fit leaves the buttons at the text's top.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 3.0e9F), 100.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, std::numeric_limits<float>::infinity()), 100.0F);
}

}  // namespace
