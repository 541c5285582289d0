#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "tools/packing.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The committed data file is what the builder makes of the committed texts and
// aerodrome list, and it reads back through the program's own reader.
TEST(CommittedDataFile, IsCurrentAndReadsBackEveryLineAndRecord) {
    const std::string data = std::string(AVC_SOURCE_DIR) + "/data/";
    std::string error;
    const auto texts = builder::ParseTexts(ReadAll(data + "texts.txt"), error);
    ASSERT_TRUE(texts.has_value()) << error;
    const auto aerodromes = builder::ParseAerodromes(ReadAll(data + "aerodromes.csv"), error);
    ASSERT_TRUE(aerodromes.has_value()) << error;
    EXPECT_LE(aerodromes->size(), 6700U) << "the program reads at most 6700 records";
    const auto built = builder::BuildDataFile(*texts, *aerodromes, error);
    ASSERT_TRUE(built.has_value()) << error;
    EXPECT_TRUE(*built == ReadAll(data + "vdats.tst"))
        << "data/vdats.tst is out of date: rebuild it with build_vdats";
    EXPECT_EQ(builder::VerifyDataFile(data + "vdats.tst", *texts, *aerodromes), "");
    AvcalcMod::ResetGlobals();
}

}  // namespace
