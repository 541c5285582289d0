// Pure arithmetic of the look: colour splitting, gradient plans, centring, frame cutting.
#include <gtest/gtest.h>

#include <cmath>

#include "startup/avcalc_mod.h"
#include "tools/gif_writer.h"
#include "toolkit/colour_plan.h"
#include "toolkit/gif_frames.h"

namespace {

using namespace AvcalcMod;

constexpr std::int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

struct SplitCase {
    std::int32_t colour;
    std::int32_t red, green, blue;
};

class SplitColourTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitColourTest, SetsComponentsAndClearsArgument) {
    ResetGlobals();
    ColourRed = ColourGreen = ColourBlue = 77;
    std::int32_t colour = GetParam().colour;
    SplitColour(colour);
    EXPECT_EQ(ColourRed, GetParam().red);
    EXPECT_EQ(ColourGreen, GetParam().green);
    EXPECT_EQ(ColourBlue, GetParam().blue);
    EXPECT_EQ(colour, 0);
}

INSTANTIATE_TEST_SUITE_P(Colours, SplitColourTest,
                         ::testing::Values(SplitCase{16318463, 255, 255, 248},  // the light text colour
                                           SplitCase{96 * 65536, 0, 0, 96},
                                           SplitCase{Rgb(153, 0, 0), 153, 0, 0},
                                           SplitCase{Rgb(1, 2, 3), 1, 2, 3},
                                           SplitCase{-2147483633, 0, 0, 0},  // a system colour
                                           SplitCase{-1, 0, 0, 0},
                                           // sign of the dividend: -65535 / 65536 = 0, rest -65535 -> green -255, red -255
                                           SplitCase{-65535, 0, 0, 0}));

TEST(ColourValue, HoldsComponentsToByteRange) {
    EXPECT_EQ(ColourValue(300, -4, 20), Rgb(255, 0, 20));
}

struct StepCase {
    std::int32_t style, w, h, steps;
};
class GradientStepsTest : public ::testing::TestWithParam<StepCase> {};
TEST_P(GradientStepsTest, CountsSteps) {
    auto n = GradientSteps(GetParam().style, GetParam().w, GetParam().h);
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(*n, GetParam().steps);
}
// sqrt(2) * sqrt(13312^2 + 5568^2) = 20406.4; sqrt(2) * sqrt(300^2 + 400^2) = 707.1
INSTANTIATE_TEST_SUITE_P(Styles, GradientStepsTest,
                         ::testing::Values(StepCase{0, 13312, 5568, 20406}, StepCase{1, 300, 400, 707},
                                           StepCase{2, 13312, 5568, 5568}, StepCase{3, 13312, 5568, 13312},
                                           StepCase{2, 10, 0, 0}));

TEST(GradientSteps, UnknownStyleHasNone) { EXPECT_FALSE(GradientSteps(4, 100, 100).has_value()); }

TEST(PlanGradient, DrawsNPlusOneLinesWithTheStepAddedFirst) {
    // Red from 0 to 100 over 10 steps: the first line is 10, the last 110.
    auto lines = PlanGradient(3, 10, 50, Rgb(0, 200, 50), Rgb(100, 100, 50));
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines.front().colour, Rgb(10, 190, 50));
    EXPECT_EQ(lines.back().colour, Rgb(110, 90, 50));
    EXPECT_EQ(lines[4].colour, Rgb(50, 150, 50));
}

TEST(PlanGradient, LinePositionsPerStyle) {
    const std::int32_t w = 40, h = 30;
    auto s0 = PlanGradient(0, w, h, 0, 0);
    auto s1 = PlanGradient(1, w, h, 0, 0);
    auto s2 = PlanGradient(2, w, h, 0, 0);
    auto s3 = PlanGradient(3, w, h, 0, 0);
    ASSERT_EQ(s0.size(), 72U);  // sqrt(2) * 50 = 70.7 -> 71 steps
    ASSERT_EQ(s2.size(), 31U);
    ASSERT_EQ(s3.size(), 41U);
    const GradientLine& a = s0[5];
    EXPECT_EQ((std::array{a.x1, a.y1, a.x2, a.y2}), (std::array{5, 0, 0, 5}));
    const GradientLine& b = s1[5];
    EXPECT_EQ((std::array{b.x1, b.y1, b.x2, b.y2}), (std::array{35, 0, 40, 5}));
    const GradientLine& c = s2[7];
    EXPECT_EQ((std::array{c.x1, c.y1, c.x2, c.y2}), (std::array{0, 7, 40, 7}));
    const GradientLine& d = s3[9];
    EXPECT_EQ((std::array{d.x1, d.y1, d.x2, d.y2}), (std::array{9, 0, 9, 30}));
}

TEST(PlanGradient, SameColourAtBothEndsDrawsEveryLineInIt) {
    for (const auto& line : PlanGradient(2, 100, 64, Rgb(12, 34, 56), Rgb(12, 34, 56))) {
        EXPECT_EQ(line.colour, Rgb(12, 34, 56));
    }
}

TEST(PlanGradient, ComponentAbove255IsDrawnAs255) {
    // Blue 200 -> 255: the last line is one step past the end, 260.5, drawn as 255;
    // the line before is 255 exactly.
    auto lines = PlanGradient(3, 10, 10, Rgb(0, 0, 200), Rgb(0, 0, 255));
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines[9].colour, Rgb(0, 0, 255));
    EXPECT_EQ(lines[10].colour, Rgb(0, 0, 255));
    EXPECT_EQ(lines[0].colour, Rgb(0, 0, 206));  // 205.5 rounds to the even 206
}

TEST(PlanGradient, ComponentIsHeldAtZeroFromBelow) {
    // Green 10 -> 0 in 4 steps: 7.5, 5, 2.5, 0, then -2.5 held at 0.
    auto lines = PlanGradient(3, 4, 10, Rgb(0, 10, 0), Rgb(0, 0, 0));
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0].colour, Rgb(0, 8, 0));  // 7.5 -> 8 (even)
    EXPECT_EQ(lines[2].colour, Rgb(0, 2, 0));  // 2.5 -> 2 (even)
    EXPECT_EQ(lines[4].colour, Rgb(0, 0, 0));
}

TEST(PlanGradient, ZeroStepsGiveOneLineInTheStartColour) {
    auto lines = PlanGradient(2, 50, 0, Rgb(10, 20, 30), Rgb(200, 200, 200));
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].colour, Rgb(10, 20, 30));
    EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}), (std::array{0, 0, 50, 0}));
}

struct CentreCase {
    std::int32_t area;
    double size;
    std::int32_t position;
};
class CentredPositionTest : public ::testing::TestWithParam<CentreCase> {};
TEST_P(CentredPositionTest, RoundsThenHalvesTowardZero) {
    auto at = CentredPosition(GetParam().area, GetParam().size);
    ASSERT_TRUE(at.has_value());
    EXPECT_EQ(*at, GetParam().position);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, CentredPositionTest,
    ::testing::Values(CentreCase{15360, 13312, 1024}, CentreCase{12000, 13312, -656},  // larger than the area
                      CentreCase{12000, 13313, -656},    // -1313 \ 2 toward zero
                      CentreCase{12000, 13312.5, -656},  // -1312.5 rounds to the even -1312
                      CentreCase{12000, 11996.5, 2},     // 3.5 rounds to 4
                      CentreCase{12000, 11997.5, 1}));   // 2.5 rounds to 2, halved 1

TEST(CentredPosition, DifferenceTooLargeFails) {
    EXPECT_FALSE(CentredPosition(12000, 1.0e12).has_value());
}

// --- frame cutting -----------------------------------------------------------

std::string ThreeFrames() {
    std::vector<gifwriter::Frame> frames;
    const int delays[] = {10, 20, 30};
    for (int k = 0; k < 3; ++k) {
        gifwriter::Frame f;
        f.width = 4;
        f.height = 3;
        f.left = k == 1 ? 10 : 0;
        f.top = k == 1 ? 5 : (k == 2 ? 300 : 0);
        f.delay = delays[k];
        f.pixels.assign(12, static_cast<std::uint8_t>(k + 1));
        frames.push_back(f);
    }
    return gifwriter::Write(20, 400, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, frames, true);
}

TEST(CutGifFrames, ThreeFramesWithDelaysAndOffsets) {
    const std::string gif = ThreeFrames();
    ASSERT_FALSE(gif.empty());
    GifCutPlan plan = CutGifFrames(gif);
    ASSERT_EQ(plan.frames.size(), 3U);
    const std::size_t firstMarker = gif.find(std::string("\x00\x21\xF9", 3));
    EXPECT_EQ(plan.headerLength, firstMarker + 2);  // through the marker's 0x21
    EXPECT_EQ(plan.frames[0].chunkStart, firstMarker + 2);
    EXPECT_EQ(static_cast<unsigned char>(gif[plan.frames[1].chunkStart]), 0xF9U);
    EXPECT_EQ(static_cast<unsigned char>(gif[plan.frames[2].chunkStart]), 0xF9U);
    EXPECT_EQ(plan.frames[0].delayMs, 100);
    EXPECT_EQ(plan.frames[1].delayMs, 200);
    EXPECT_EQ(plan.frames[2].delayMs, 300);
    EXPECT_EQ(plan.frames[1].left, 10);
    EXPECT_EQ(plan.frames[1].top, 5);
    EXPECT_EQ(plan.frames[2].top, 300);  // both bytes of the field
    EXPECT_EQ(plan.frames[0].left, 0);
    for (const auto& frame : plan.frames) {
        // Length of the file minus the 1-based position after the 0xF9.
        EXPECT_EQ(frame.chunkLength, gif.size() - (frame.chunkStart + 2));
    }
    EXPECT_EQ(plan.frames[2].number, 3);
}

TEST(CutGifFrames, NoMarkerGivesOneByteHeaderAndOneFrameFromByteTwo) {
    const std::string bytes("GIF89a\x02\x00\x02\x00", 10);
    GifCutPlan plan = CutGifFrames(bytes);
    EXPECT_EQ(plan.headerLength, 1U);
    ASSERT_EQ(plan.frames.size(), 1U);
    EXPECT_EQ(plan.frames[0].chunkStart, 1U);
    // Chunk bytes 4 and 5 are "9a" of the signature: (57 + 256 x 97) x 10.
    EXPECT_EQ(plan.frames[0].delayMs, (57 + 256 * 97) * 10);
}

TEST(CutGifFrames, EmptyAndTinyInputsCutNothing) {
    EXPECT_TRUE(CutGifFrames("").frames.empty());
    EXPECT_EQ(CutGifFrames("").headerLength, 0U);
    EXPECT_TRUE(CutGifFrames("GI").frames.empty());
    EXPECT_TRUE(CutGifFrames("GIF").frames.empty());  // i = 3 is not below the length
}

TEST(CutGifFrames, FieldsBeyondTheDataCountAsZero) {
    std::string bytes = std::string("GIF89a", 6) + std::string("\x00\x21\xF9\x04\x00\x07", 6) + "xy";
    GifCutPlan plan = CutGifFrames(bytes);
    ASSERT_EQ(plan.frames.size(), 1U);
    // Chunk: F9 04 00 07 (it ends two bytes before the end of the data): byte 4 is 07
    // and byte 5 lies beyond the chunk, so it counts as 0.
    EXPECT_EQ(plan.frames[0].chunkLength, 4U);
    EXPECT_EQ(plan.frames[0].delayMs, 70);
    std::string shorter = std::string("GIF89a", 6) + std::string("\x00\x21\xF9\x04\x00", 5) + "z";
    GifCutPlan small = CutGifFrames(shorter);
    ASSERT_EQ(small.frames.size(), 1U);
    EXPECT_EQ(small.frames[0].delayMs, 0);
}

}  // namespace
