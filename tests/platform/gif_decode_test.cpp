// Decoding the first image of a GIF in memory, and what bad data gives.
#include "platform/gif_decode.h"

#include <gtest/gtest.h>

#include "gif_test_data.h"

namespace {

using giftest::Palette;
using giftest::Solid;

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
    auto image = platform::DecodeFirstGifImage(gif);
    ASSERT_TRUE(image.has_value());
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(image->pixels[static_cast<std::size_t>(row)], 0xFF000000U | Palette[row % 4])
            << row;
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
    for (const std::string& bytes : cases)
        EXPECT_FALSE(platform::DecodeFirstGifImage(bytes).has_value()) << bytes.size();
}

}  // namespace
