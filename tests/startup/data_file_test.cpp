#include "startup/data_file.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "startup/avcalc_mod.h"
#include "startup/fragments.h"
#include "tests/test_files.h"

using namespace AvcalcMod;

namespace {

class DataFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGlobals();
        BuildFragmentTable();
    }
    void TearDown() override { ResetGlobals(); }

    static std::string Expand(std::string line, bool loading) {
        LoadingData = loading;
        ExpandLine(line);
        LoadingData = false;
        return line;
    }
    static std::string Frag(int entry) { return FragmentTable[static_cast<std::size_t>(entry)]; }
    testing_files::TempDir dir;
};

TEST_F(DataFileTest, FragmentTableIsCutFromTheConstantPastItsFirstCharacter) {
    EXPECT_EQ(LineBuffer, std::string(FragmentConstant));
    EXPECT_TRUE(FragmentTable[0].empty());
    for (int i = 1; i <= FragmentCount; ++i)
        EXPECT_EQ(Frag(i), std::string(FragmentConstant + 2 * i - 1, 2)) << "entry " << i;
}

TEST_F(DataFileTest, EveryCharacterCodeExpandsByItsClass) {
    for (int c = 0; c < 256; ++c) {
        std::string expected;
        switch (c) {
            case 125: expected = " aircraft "; break;
            case 123: expected = " engine "; break;
            case 124: expected = " pilot "; break;
            case 133: expected = ".  "; break;
            case 136: expected = ",  "; break;
            case 59: expected = "; "; break;
            default:
                if (c <= 6) expected = Frag(c + 141);
                else if (c == 7) expected = std::string(1, '\7');
                else if (c <= 27) expected = Frag(c + 116);
                else if (c >= 127) expected = Frag(c - 126);
                else expected = std::string(1, static_cast<char>(c));
        }
        EXPECT_EQ(Expand(std::string(1, static_cast<char>(c)), true), expected) << "code " << c;
    }
}

TEST_F(DataFileTest, NamedCodesReachTheEntriesTheTableSays) {
    const struct {
        int code, entry;
    } cases[] = {{127, 1}, {255, 129}, {0, 141}, {6, 147}, {8, 124}, {27, 143}};
    for (auto [code, entry] : cases)
        EXPECT_EQ(Expand(std::string(1, static_cast<char>(code)), true), Frag(entry))
            << "code " << code;
}

TEST_F(DataFileTest, PlainTextPassesAndSemicolonsGainOneBlank) {
    EXPECT_EQ(Expand("Plain text 123, (ok)! - done.", true), "Plain text 123, (ok)! - done.");
    EXPECT_EQ(Expand("a;b", true), "a; b");
    EXPECT_EQ(Expand("", true), "");
    std::string mixed = "x";
    mixed += static_cast<char>(125);
    mixed += "y";
    mixed += static_cast<char>(133);
    EXPECT_EQ(Expand(mixed, true), "x aircraft y.  ");
}

TEST_F(DataFileTest, AmpersandStaysWhileLoadingAndBecomesAndOtherwise) {
    EXPECT_EQ(Expand("A&B", true), "A&B");
    EXPECT_EQ(Expand("A&B", false), "A and B");
    // A fragment that is a lone "&" would also turn into " and ", but fragments are two
    // characters, so only the literal ampersand does.
    EXPECT_EQ(Expand("&&", false), " and  and ");
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, SplitTheFileIntoItsLines) {
    testing_files::TempDir dir;
    TextFile file;
    ASSERT_TRUE(file.Open(dir.Write("lines.tst", GetParam().bytes)));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line)) lines.push_back(line);
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    ::testing::Values(
        LineEndCase{"CrLf", "one\r\ntwo\r\n", {"one", "two"}},
        LineEndCase{"LfAlone", "one\ntwo\n", {"one", "two"}},
        LineEndCase{"CrAlone", "one\rtwo\r", {"one", "two"}},
        LineEndCase{"Mixed", "one\r\ntwo\rthree\nfour", {"one", "two", "three", "four"}},
        LineEndCase{"EmptyLinesEachWay", "a\r\n\r\nb\n\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
        // LF CR is two line ends; only CR LF is one.
        LineEndCase{"LfCr", "a\n\rb", {"a", "", "b"}},
        LineEndCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
        LineEndCase{"NoEndAtTheLastLine", "a\nb", {"a", "b"}},
        LineEndCase{"EmptyFile", "", {}}),
    [](const ::testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST_F(DataFileTest, ExactlyTheTextSectionIsReadAndExpanded) {
    std::string bytes;
    for (int n = 1; n <= 600; ++n) bytes += "line " + std::to_string(n) + "&x;\r\n";
    EXPECT_TRUE(ReadTextSection(dir.Write("vdats.tst", bytes)));
    EXPECT_TRUE(DataFileRead);
    EXPECT_EQ(TextLines[1], "line 1&x; ");
    EXPECT_EQ(TextLines[565], "line 565&x; ");
    EXPECT_TRUE(TextLines[0].empty());
}

TEST_F(DataFileTest, MissingShortAndDamagedFilesLeaveLinesEmpty) {
    TextLines[7] = "stale";
    EXPECT_FALSE(ReadTextSection(dir.File("absent.tst")));
    for (int n = 1; n <= TextLineCount; ++n)
        if (n != 7) {
            ASSERT_TRUE(TextLines[static_cast<std::size_t>(n)].empty()) << n;
        }

    ResetGlobals();
    BuildFragmentTable();
    std::string ten;
    for (int n = 1; n <= 10; ++n) ten += "L" + std::to_string(n) + "\r\n";
    EXPECT_FALSE(ReadTextSection(dir.Write("ten.tst", ten)));  // cut short
    EXPECT_EQ(TextLines[10], "L10");
    for (int n = 11; n <= TextLineCount; ++n)
        ASSERT_TRUE(TextLines[static_cast<std::size_t>(n)].empty());
    EXPECT_FALSE(ReadTextSection(dir.Write("empty.tst", "")));
    EXPECT_FALSE(DataFileRead);
    // Exactly the text section, the last line without its line end, is enough.
    std::string whole;
    for (int n = 1; n <= TextLineCount; ++n)
        whole += "L" + std::to_string(n) + (n < TextLineCount ? "\n" : "");
    EXPECT_TRUE(ReadTextSection(dir.Write("whole.tst", whole)));
}

TEST_F(DataFileTest, RandomBytesAndAHugeLineAreReadWithoutHarm) {
    std::mt19937 gen(42);
    std::string noise(200000, '\0');
    for (char& c : noise) c = static_cast<char>(gen() & 0xFF);
    ReadTextSection(dir.Write("noise.tst", noise));
    for (int k = 1; k <= ColourCount; ++k) {
        ASSERT_GE(ColourTable[static_cast<std::size_t>(k)], 0);
        ASSERT_LE(ColourTable[static_cast<std::size_t>(k)], 0xFFFFFF);
    }

    std::string huge(1 << 20, 'z');
    ReadTextSection(dir.Write("huge.tst", "first\r\n" + huge + "\r\nthird"));
    EXPECT_EQ(TextLines[1], "first");
    EXPECT_EQ(TextLines[2].size(), huge.size());
    EXPECT_EQ(TextLines[3], "third");
}

TEST_F(DataFileTest, ColourRecordReadsSixHexDigitsPerField) {
    struct {
        std::string record;
        std::int32_t first, second, third;
    } cases[] = {
        {"FFFFFF 0000FF", 16777215, 255, 0},  // white, then red 255
        {"F8FFFF,600000,abcdef", 16318463, 6291456, 0xABCDEF},
        {"zz1234 12G456 ", 0, 0x12, 0},  // no digits gives 0; reading stops at G
        {"0000", 0, 0, 0},               // a short line leaves later fields at 0
        {"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        ColourTable.fill(-1);
        TextLines[ColourRecordLine] = c.record;
        ParseColourRecord();
        EXPECT_EQ(ColourTable[0], 0);
        EXPECT_EQ(ColourTable[1], c.first) << c.record;
        EXPECT_EQ(ColourTable[2], c.second) << c.record;
        EXPECT_EQ(ColourTable[3], c.third) << c.record;
        EXPECT_EQ(ColourTable[72], 0) << c.record;
    }
}

TEST_F(DataFileTest, ColourRecordFieldsSitSevenCharactersApart) {
    std::string record;
    for (int k = 1; k <= ColourCount; ++k) {
        char field[8];
        std::snprintf(field, sizeof field, "%06X;", k * 1000);
        record += field;
    }
    record.pop_back();  // the last separator is not needed: 503 characters suffice
    ASSERT_EQ(record.size(), 503U);
    TextLines[ColourRecordLine] = record;
    ParseColourRecord();
    for (int k = 1; k <= ColourCount; ++k)
        EXPECT_EQ(ColourTable[static_cast<std::size_t>(k)], k * 1000);
}

TEST_F(DataFileTest, AMemoryEntryIsReadInsteadOfTheDisk) {
    const std::string path = dir.File("vdats.tst");
    SetMemoryFile(path, "one\r\ntwo");
    ReadTextSection(path);
    RemoveMemoryFile(path);
    EXPECT_EQ(TextLines[1], "one");
    EXPECT_EQ(TextLines[2], "two");
    EXPECT_FALSE(std::filesystem::exists(path));  // nothing was written
    EXPECT_EQ(OpenFileCount(), 0U);
    TextFile file;  // without its entry the name is looked for on disk again
    EXPECT_FALSE(file.Open(path));
    std::string line = "kept";
    ASSERT_TRUE(file.OpenMemory({}));
    EXPECT_FALSE(file.ReadLine(line));  // empty bytes: at the end at once
    EXPECT_EQ(line, "kept");
}

}  // namespace
