// The message dialog's layout arithmetic, without a window: message_dialog_test.cpp checks
// that the box is laid out by it.
#include "toolkit/dialog_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace AvcalcMod;

TEST(DialogLayout, TitleAndSecondButton) {
    // "Skip" for a title beginning with "Cop" (case as written) or the question's title.
    const struct {
        const char* title;
        bool skips;
    } seconds[] = {
        {"Copy the result?", true}, {"copy the result?", false},  {"Cop", true}, {"Co", false},
        {"Aerodrome Search", true}, {"Aerodrome Search?", false},
    };
    for (const auto& c : seconds)
        EXPECT_EQ(SecondButtonSkips(c.title, "Aerodrome Search"), c.skips) << c.title;
}

// The plan for each code is checked on the box itself (message_dialog_test.cpp); here its
// edges.
TEST(DialogLayout, ButtonPlanEdges) {
    // A centred OK halves the whole width (halves to even) less 500: 7001 \ 2 - 500.
    EXPECT_EQ(PlanButtons(0, 7002.0F, false, 2).okLeft, 3001.0F);
    EXPECT_EQ(PlanButtons(0, 7000.5F, false, 2).okLeft, 3000.0F);
    EXPECT_EQ(PlanButtons(0, 7001.5F, false, 2).okLeft, 3001.0F);
    EXPECT_EQ(PlanButtons(0, DialogWidth, true, 1).textShrink, 550.0F);  // 600 - 50 x mode
    EXPECT_EQ(PlanButtons(5, DialogWidth, false, 2).okLeft, 3900.0F);    // any other code
    // An absurd layout mode gives an absurd number, not an overflow.
    EXPECT_EQ(PlanButtons(0, DialogWidth, true, INT32_MAX).textShrink,
              static_cast<float>(600 - 50 * static_cast<std::int64_t>(INT32_MAX)));
}

TEST(DialogLayout, HeightAndButtonTopFollowTheText) {
    EXPECT_EQ(DialogWindowHeight(455.0F), 1755.0F);
    // 200 below the text's bottom taken as a whole number, halves to even.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 194.5F), 494.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, 195.5F), 496.0F);
    // A bottom that does not fit leaves the buttons at the text's top.
    EXPECT_EQ(ButtonTopBelowText(100.0F, 3.0e9F), 100.0F);
    EXPECT_EQ(ButtonTopBelowText(100.0F, std::numeric_limits<float>::infinity()), 100.0F);
}

}  // namespace
