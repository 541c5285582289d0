#include "startup/builtin_texts.h"

#include <gtest/gtest.h>

#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"

using namespace AvcalcMod;

namespace {

TEST(BuiltInTexts, OverwriteTheFilesLinesAndCarryTheRegisteredSign) {
    for (auto& line : TextLines) line = "from the file";
    WriteBuiltInTexts();
    EXPECT_EQ(TextLines[515], "Conversions - Help");
    EXPECT_EQ(TextLines[186], "");               // an empty line of the farewell text
    EXPECT_EQ(TextLines[177], "from the file");  // not one of the built-in lines
    const std::string head = "Thank-you for using the ";
    EXPECT_EQ(TextLines[178], head + "\xAE" /* code 174 */ + "Quenmar Aviation Calculator.");
}

TEST(JoinLines, JoinsWithCarriageReturnLineFeed) {
    TextLines[5] = "five";
    TextLines[6] = "six";
    EXPECT_EQ(JoinLines(5, 5), "five");
    EXPECT_EQ(JoinLines(6, 5), "");
    EXPECT_EQ(JoinLines(5, 7), "five\r\nsix\r\n");
}

TEST(WorkAreaTwips, PixelsTimesTwipsRoundedOrZeroOnFailure) {
    const struct {
        bool ok;
        std::int32_t from, to;
        float twipsPerPixel;
        std::int32_t twips;
    } cases[] = {
        {true, 0, 1024, 15.0F, 15360},   {true, 0, 738, 15.0F, 11070},
        {true, 10, 1034, 15.0F, 15360},  {false, 0, 1024, 15.0F, 0},
        {true, 0, 5, 0.5F, 2},            // 2.5 rounds to the even 2
        {true, 0, 2000000000, 15.0F, 0},  // too large: treated as failed
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorkAreaTwips(c.ok, c.from, c.to, c.twipsPerPixel), c.twips) << c.to;
}

}  // namespace
