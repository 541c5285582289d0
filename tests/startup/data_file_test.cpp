#include "startup/data_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "startup/text_lines.h"
#include "tests/test_files.h"

using namespace AvcalcMod;

namespace {

// Fragment texts read by hand off the 295-character constant: entry i is the two
// characters after the first 2i - 1 ("*e tid  te...": entry 1 "e ", entry 2 "ti").
TEST(ExpandLine, EachCodeGivesItsText) {
    const std::tuple<const char*, std::string, bool, std::string> cases[] = {
        {"plain text; a semicolon gains a blank", "Plain (ok)! 1-2, a;b", true,
         "Plain (ok)! 1-2, a; b"},
        {"words and stops", "x\x7Dy\x7B\x7C\x85\x88", true, "x aircraft y engine  pilot .  ,  "},
        {"127, 128 and 255: entries 1, 2 and 129", "\x7F\x80\xFF", true, "e tiip"},
        {"8, 24, 0: entries 124, 140, 141; 7 stays", {"\x08\x18\0\x07", 4}, true, "geyp##\x07"},
        {"an ampersand stays while loading", "A&B", true, "A&B"},
        {"an ampersand becomes and later", "A&B", false, "A and B"},
    };
    BuildFragmentTable();
    for (auto [name, line, loading, expanded] : cases) {  // line: packed, then expanded
        LoadingData = loading;
        ExpandLine(line);
        LoadingData = false;
        EXPECT_EQ(line, expanded) << name;
    }
}

TEST(TextFile, ALineEndsAtCrLfCrOrLf) {
    const std::tuple<const char*, std::string, std::vector<std::string>> cases[] = {
        {"mixed", "one\r\ntwo\rthree\nfour", {"one", "two", "three", "four"}},
        {"empty lines each way", "a\r\n\r\nb\n\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"CR CR LF is two ends", "a\r\r\nb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"a line at the limit",
         "a\n" + std::string(4096, 'x') + "\nb",
         {"a", std::string(4096, 'x'), "b"}},
        {"a line over it ends the reading", "a\n" + std::string(4097, 'x') + "\nb", {"a"}},
    };
    for (const auto& [name, bytes, expected] : cases) {
        TextFile file;
        ASSERT_TRUE(file.OpenMemory(bytes));
        std::vector<std::string> lines;
        for (std::string line; file.ReadLine(line);) lines.push_back(line);
        EXPECT_EQ(lines, expected) << name;
    }
}

// Lines "L1&;" to "Ln&;", the last one without its line end.
std::string NumberedLines(int count, const char* end) {
    std::string bytes = "L1&;";
    for (int n = 2; n <= count; ++n) bytes += end + ("L" + std::to_string(n) + "&;");
    return bytes;
}

// A memory entry is read instead of the disk (and nothing is written there). Only a
// regular file of at most 16 MB is opened (zeros after the lines make the size). (A FIFO,
// which would wait for a writer for ever, and a device: the end-to-end bad-input rows.)
TEST(ReadTextSection, ReadsExactlyTheSectionOrSaysItCouldNot) {
    testing_files::TempDir dir;
    SetMemoryFile(dir.File("m.tst"), NumberedLines(565, "\r"));
    const auto sized = [&](const char* name, std::uintmax_t bytes) {
        const std::string path = dir.Write(name, NumberedLines(565, "\r\n") + "\r\n");
        std::filesystem::resize_file(path, bytes);
        return path;
    };
    std::string tooLong = NumberedLines(565, "\n");
    tooLong.replace(tooLong.find("L10&;"), 5, std::string(4097, 'x'));
    // What each gives: read or not, and text lines 10 and 565.
    const std::tuple<const char*, std::string, bool, const char*, const char*> cases[] = {
        {"600 lines", dir.Write("a.tst", NumberedLines(600, "\r\n")), true, "L10&; ", "L565&; "},
        {"565 lines", dir.Write("b.tst", NumberedLines(565, "\n")), true, "L10&; ", "L565&; "},
        {"a memory entry", dir.File("m.tst"), true, "L10&; ", "L565&; "},
        {"cut after 10 lines", dir.Write("c.tst", NumberedLines(10, "\r\n")), false, "L10&; ", ""},
        {"empty", dir.Write("d.tst", ""), false, "", ""},
        {"missing", dir.File("absent.tst"), false, "", ""},
        {"16 MB", sized("e.tst", std::uintmax_t{16} << 20), true, "L10&; ", "L565&; "},
        {"a byte more", sized("f.tst", (std::uintmax_t{16} << 20) + 1), false, "", ""},
        {"line 10 over the limit", dir.Write("g.tst", tooLong), false, "", ""},
        {"a folder", dir.Path().string(), false, "", ""},
    };
    for (const auto& [name, path, read, line10, line565] : cases) {
        ResetGlobals();
        BuildFragmentTable();
        const bool said = ReadTextSection(path);
        EXPECT_EQ(std::tuple(said, DataFileRead, TextLines[10], TextLines[565], OpenFileCount()),
                  std::tuple(read, read, line10, line565, 0U))
            << name;
    }
    RemoveMemoryFile(dir.File("m.tst"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("m.tst")));
}

// White, then red 255, the rest 0; no digits give 0 and reading stops at G; the last of
// the 72 fields of 7 characters has no separator after it.
TEST(ParseColourRecord, SixHexDigitsEverySevenCharacters) {
    const std::pair<std::string, std::array<std::int32_t, 5>> cases[] = {
        {"FFFFFF 0000FF", {0, 16777215, 255, 0, 0}},
        {"zz1234 12G456 ", {0, 0, 0x12, 0, 0}},
        {std::string(7 * ColourCount - 7, '0') + "00ABCD", {0, 0, 0, 0, 0xABCD}},
    };
    for (const auto& [record, colours] : cases) {
        ColourTable.fill(-1);
        TextLines[ColourRecordLine] = record;
        ParseColourRecord();
        EXPECT_EQ((std::array{ColourTable[0], ColourTable[1], ColourTable[2], ColourTable[3],
                              ColourTable[ColourCount]}),
                  colours)
            << record;
    }
}

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
    EXPECT_EQ(std::tuple(JoinLines(5, 5), JoinLines(6, 5), JoinLines(5, 7)),
              std::tuple("five", "", "five\r\nsix\r\n"));
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
