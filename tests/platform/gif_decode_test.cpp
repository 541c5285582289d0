// Decoding the first image of a GIF in memory, and what bad data gives: giflib (the
// desktop) and the program's own decoder (the browser build) alike.
#include "platform/gif_decode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gif_test_data.h"
#include "toolkit/gif_frames.h"

namespace {

using giftest::Palette;
using giftest::Solid;

const struct {
    const char* name;
    std::optional<platform::Bitmap> (*decode)(std::string_view, std::string_view);
} Decoders[] = {{"giflib", platform::DecodeFirstGifImage}, {"own", platform::ReadFirstGifImage}};

TEST(DecodeFirstGifImage, InterlacedRowsGoToTheirPlaces) {
    // The four passes of an interlaced image send rows 0, 4, 2, 6, 1, 3, 5, 7 of an
    // eight-row image in that order; each row here is coloured by its number.
    const int arrival[] = {0, 4, 2, 6, 1, 3, 5, 7};
    gifwriter::Frame f = Solid(1, 8, 0);
    for (std::size_t k = 0; k < 8; ++k) f.pixels[k] = static_cast<std::uint8_t>(arrival[k] % 4);
    std::string gif = gifwriter::Write(1, 8, Palette, {f}, false);
    const std::size_t descriptor = gif.find('\x2c');
    ASSERT_NE(descriptor, std::string::npos);
    gif[descriptor + 9] = static_cast<char>(gif[descriptor + 9] | 0x40);  // the interlace flag
    for (const auto& decoder : Decoders) {
        auto image = decoder.decode(gif, {});
        ASSERT_TRUE(image.has_value()) << decoder.name;
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(image->pixels[static_cast<std::size_t>(row)], 0xFF000000U | Palette[row % 4])
                << decoder.name << " " << row;
    }
}

// A declared image far larger than any frame is refused before memory is taken.
TEST(DecodeFirstGifImage, BadDataGivesNoPicture) {
    const std::string good = gifwriter::Write(16, 16, Palette, {Solid(16, 16, 1)}, false);
    std::string huge = good, noMap = good;
    huge.replace(huge.find('\x2C') + 5, 4, "\xFF\xFF\xFF\xFF");  // 65535 x 65535
    noMap[10] = 0;  // no global colour table, and the image has none either
    const std::string cases[] = {"",
                                 "GIF89a",
                                 "PNG\r\n\x1a\n and more bytes here",
                                 good.substr(0, good.size() - 8),
                                 good.substr(0, 13 + 12 + 8 + 4),
                                 huge,
                                 noMap};
    for (const auto& decoder : Decoders)
        for (const std::string& bytes : cases)
            EXPECT_FALSE(decoder.decode(bytes, {}).has_value()) << decoder.name << bytes.size();
}

// The two decoders on every GIF the fuzzer starts from or once found, the shipped pictures
// among them: each whole file and each frame as the animation cuts it, the same outcome
// and the same pixels.
TEST(DecodeFirstGifImage, TheOwnDecoderAgreesWithGiflib) {
    int images = 0;
    for (const char* folder : {"fuzz/corpus/gif", "fuzz/regressions/gif"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(AVC_SOURCE_DIR) / folder)) {
            std::ostringstream bytes;
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            const std::string all = bytes.str();
            const AvcalcMod::GifCutPlan plan = AvcalcMod::CutGifFrames(all);
            std::vector<std::pair<std::string_view, std::string_view>> parts = {{all, {}}};
            for (const auto& frame : plan.frames)
                parts.emplace_back(
                    std::string_view(all).substr(0, plan.headerLength),
                    std::string_view(all).substr(frame.chunkStart, frame.chunkLength));
            for (const auto& [head, rest] : parts) {
                const auto expected = platform::DecodeFirstGifImage(head, rest);
                const auto own = platform::ReadFirstGifImage(head, rest);
                ASSERT_EQ(own.has_value(), expected.has_value()) << entry.path();
                images += expected.has_value() ? 1 : 0;
                if (expected) {
                    EXPECT_TRUE(own->width == expected->width && own->pixels == expected->pixels)
                        << entry.path();
                }
            }
        }
    }
    EXPECT_GE(images, 16);  // at least every frame of m9.gif and m8.gif
}

}  // namespace
