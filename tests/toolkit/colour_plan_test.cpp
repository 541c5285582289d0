// The look's pure arithmetic: colour parts, the gradient's line plan, centring, and the
// message box's layout (message_dialog_test.cpp checks that the box is laid out by it).
#include "toolkit/colour_plan.h"

#include <gtest/gtest.h>

#include <limits>

#include "startup/avcalc_mod.h"
#include "toolkit/dialog_layout.h"

namespace {

using namespace AvcalcMod;

constexpr std::int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// The splitter clears its argument; a system colour gives black.
TEST(ColourPlan, SplitAndJoinColours) {
    std::int32_t colour = 16318463, system = -2147483633;
    SplitColour(colour);
    EXPECT_EQ((std::array{ColourRed, ColourGreen, ColourBlue, colour}),
              (std::array{255, 255, 248, 0}));
    SplitColour(system);
    EXPECT_EQ((std::array{ColourRed, ColourGreen, ColourBlue, system}), (std::array{0, 0, 0, 0}));
    EXPECT_EQ(ColourValue(300, -4, 20), Rgb(255, 0, 20));
}

// 3000 x 1500 twips: styles 0 and 1 take sqrt(2) x sqrt(3000^2 + 1500^2) = 4743.4 steps,
// style 2 the height, style 3 the width; N + 1 lines, the last at i = N.
TEST(ColourPlan, GradientLinesOfEachStyle) {
    const std::tuple<std::int32_t, std::size_t, std::array<std::int32_t, 4>> cases[] = {
        {0, 4744, {4743, 0, 0, 4743}},
        {1, 4744, {-1743, 0, 3000, 4743}},
        {2, 1501, {0, 1500, 3000, 1500}},
        {3, 3001, {3000, 0, 3000, 1500}},
    };
    for (const auto& [style, count, last] : cases) {
        const auto lines = PlanGradient(style, 3000, 1500, Rgb(9, 9, 9), Rgb(9, 9, 9));
        ASSERT_EQ(lines.size(), count) << style;
        const GradientLine& l = lines.back();
        EXPECT_EQ((std::array{l.x1, l.y1, l.x2, l.y2}), last) << style;
        EXPECT_EQ(l.colour, Rgb(9, 9, 9));  // both ends alike: every line that colour
    }
    EXPECT_TRUE(PlanGradient(4, 3000, 1500, 0, 0).empty());
    EXPECT_FALSE(GradientSteps(0, 2000000000, 2000000000).has_value());
}

// Ten steps from (240, 10, 0) to (255, 0, 0): red +1.5 and green -1 a line, added before
// each line is drawn. 241.5 rounds to the even 242; red 256.5 is drawn as 255 and green
// -1 is held at 0. With no step (a height of 0) the one line has the start colour.
TEST(ColourPlan, GradientColoursStepClampAndRound) {
    const auto lines = PlanGradient(3, 10, 600, Rgb(240, 10, 0), Rgb(255, 0, 0));
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines[0].colour, Rgb(242, 9, 0));
    EXPECT_EQ(lines[1].colour, Rgb(243, 8, 0));
    EXPECT_EQ(lines[9].colour, Rgb(255, 0, 0));
    EXPECT_EQ(lines[10].colour, Rgb(255, 0, 0));
    const auto flat = PlanGradient(2, 600, 0, Rgb(1, 2, 3), Rgb(200, 200, 200));
    ASSERT_EQ(flat.size(), 1U);
    EXPECT_EQ(flat[0].colour, Rgb(1, 2, 3));
}

// (work area - size) rounded halves to even, then halved toward zero.
TEST(ColourPlan, CentredPosition) {
    const std::tuple<std::int32_t, double, std::int32_t> cases[] = {
        {15360, 13312, 1024}, {11070, 5568, 2751}, {8550, 5000, 1775},  {12000, 13312, -656},
        {8550, 9001, -225},   {12000, 11999, 0},   {12000, 12000.5, 0},
    };
    for (const auto& [area, size, position] : cases)
        EXPECT_EQ(CentredPosition(area, size), position) << size;
    EXPECT_FALSE(CentredPosition(0, 3.0e10).has_value());
}

TEST(DialogLayout, TitleAndSecondButton) {
    // "Skip" for a title beginning with "Cop" (case as written) or the question's title.
    const std::pair<const char*, bool> seconds[] = {
        {"Copy the result?", true}, {"copy the result?", false},  {"Cop", true}, {"Co", false},
        {"Aerodrome Search", true}, {"Aerodrome Search?", false},
    };
    for (const auto& [title, skips] : seconds)
        EXPECT_EQ(SecondButtonSkips(title, "Aerodrome Search"), skips) << title;
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
