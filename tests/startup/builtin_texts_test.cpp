#include "startup/builtin_texts.h"

#include <gtest/gtest.h>

#include "common/shared_routines.h"
#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"

using namespace AvcalcMod;

namespace {

TEST(BuiltInTexts, OverwriteWhateverTheFileHeld) {
    for (auto& line : TextLines) line = "from the file";
    WriteBuiltInTexts();
    EXPECT_EQ(TextLines[515], "Conversions - Help");
    EXPECT_EQ(TextLines[517], "Flight Plan - Help");
    EXPECT_EQ(TextLines[519], "Formulae - Help");
    EXPECT_EQ(TextLines[521], "Number Keypad - Help");
    EXPECT_EQ(TextLines[523], "Aviation Calculator Help");
    for (int n : {186, 189, 191, 193}) EXPECT_EQ(TextLines[static_cast<std::size_t>(n)], "") << n;
    for (int n = 179; n <= 194; ++n) {
        if (n == 186 || n == 189 || n == 191 || n == 193) continue;
        EXPECT_FALSE(TextLines[static_cast<std::size_t>(n)].empty()) << n;
    }
    EXPECT_EQ(TextLines[177], "from the file");
    EXPECT_EQ(TextLines[524], "from the file");
}

TEST(BuiltInTexts, FarewellLineCarriesTheRegisteredSign) {
    WriteBuiltInTexts();
    const std::string& line = TextLines[178];
    const std::string head = "Thank-you for using the ";
    ASSERT_GT(line.size(), head.size());
    EXPECT_EQ(line.substr(0, head.size()), head);
    EXPECT_EQ(CharCode(line, static_cast<std::int32_t>(head.size()) + 1), 174);
    EXPECT_EQ(line.substr(head.size() + 1), "Quenmar Aviation Calculator.");
}

TEST(BuiltInTexts, HelpPartsAreJoinedWithLineBreaksKeepingTheirBlanks) {
    WriteBuiltInTexts();
    const std::string& keypad = TextLines[520];
    EXPECT_EQ(keypad.substr(0, 62),
              "Click on these numbers or use the number pad on the keyboard. ");
    EXPECT_NE(keypad.find("keyboard. \r\nPress '<'"), std::string::npos);
    EXPECT_EQ(keypad.substr(keypad.size() - 7), "answer.");
    // Eight parts, seven breaks, none at the end.
    const std::string& plan = TextLines[516];
    std::size_t breaks = 0;
    for (std::size_t p = plan.find("\r\n"); p != std::string::npos; p = plan.find("\r\n", p + 1))
        ++breaks;
    EXPECT_EQ(breaks, 7U);
    EXPECT_NE(plan.find("click on \r\n the '=' sign."), std::string::npos);
}

TEST(JoinLines, JoinsWithCarriageReturnLineFeed) {
    TextLines[5] = "five";
    TextLines[6] = "six";
    EXPECT_EQ(JoinLines(5, 5), "five");
    EXPECT_EQ(JoinLines(6, 5), "");
    EXPECT_EQ(JoinLines(5, 7), "five\r\nsix\r\n");
    EXPECT_EQ(JoinLines(565, 566), TextLines[565] + "\r\n");  // no line 566: empty
}

TEST(WorkArea, PixelsTimesTwipsRoundedOrZeroOnFailure) {
    EXPECT_EQ(WorkAreaTwips(true, 0, 1024, 15.0F), 15360);
    EXPECT_EQ(WorkAreaTwips(true, 0, 738, 15.0F), 11070);
    EXPECT_EQ(WorkAreaTwips(true, 10, 1034, 15.0F), 15360);
    EXPECT_EQ(WorkAreaTwips(false, 0, 1024, 15.0F), 0);
    EXPECT_EQ(WorkAreaTwips(true, 0, 5, 0.5F), 2);            // 2.5 rounds to the even 2
    EXPECT_EQ(WorkAreaTwips(true, 0, 2000000000, 15.0F), 0);  // too large: treated as failed
}

}  // namespace
