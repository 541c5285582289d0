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
    EXPECT_EQ(TextLines[177], "from the file");  // not one of the built-in lines
    EXPECT_EQ(TextLines[178],
              "Thank-you for using the \xAE" /* code 174 */
              "Quenmar Aviation Calculator.");
}

TEST(JoinLines, JoinsWithCarriageReturnLineFeed) {
    TextLines[5] = "five";
    TextLines[6] = "six";
    EXPECT_EQ(JoinLines(5, 5), "five");
    EXPECT_EQ(JoinLines(6, 5), "");
    EXPECT_EQ(JoinLines(5, 7), "five\r\nsix\r\n");
}

// 1024 x 738 pixels at 15 twips a pixel; 2.5 rounds to the even 2; too large a value
// counts as a failed query.
TEST(WorkAreaTwips, PixelsTimesTwipsRoundedOrZeroOnFailure) {
    EXPECT_EQ(WorkAreaTwips(true, 0, 1024, 15.0F), 15360);
    EXPECT_EQ(WorkAreaTwips(true, 10, 748, 15.0F), 11070);
    EXPECT_EQ(WorkAreaTwips(false, 0, 1024, 15.0F), 0);
    EXPECT_EQ(WorkAreaTwips(true, 0, 5, 0.5F), 2);
    EXPECT_EQ(WorkAreaTwips(true, 0, 2000000000, 15.0F), 0);
}

}  // namespace
