// Decoding the first image of a GIF in memory, and what bad data gives.
#include "platform/gif_decode.h"

#include <gtest/gtest.h>

#include "gif_test_data.h"

namespace {

using giftest::Palette;
using giftest::Solid;

// Palette: 0 black, 1 red, 2 green, 3 blue.
TEST(DecodeFirstGifImage, DecodesTheFirstImageInItsOwnSize) {
    gifwriter::Frame first = Solid(3, 2, 1);
    first.pixels[4] = 3;  // row 1, column 1 blue
    first.transparent = 0;
    first.pixels[5] = 0;
    const std::string gif = gifwriter::Write(8, 8, Palette, {first, Solid(8, 8, 2)}, true);
    auto image = platform::DecodeFirstGifImage(gif);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ((std::array{image->width, image->height}), (std::array{3, 2}));
    EXPECT_EQ((std::array{image->pixels[0], image->pixels[4], image->pixels[5] >> 24}),
              (std::array{0xFFFF0000U, 0xFF0000FFU, 0U}));  // the transparent index: no alpha
    // Read as a head and the rest, and without its block terminator and trailer.
    image = platform::DecodeFirstGifImage(std::string_view(gif).substr(0, 20),
                                          std::string_view(gif).substr(20));
    EXPECT_EQ(image.value_or(platform::Bitmap{}).pixels.at(4), 0xFF0000FFU);
    const std::string single = gifwriter::Write(4, 4, Palette, {Solid(4, 4, 3)}, false);
    image = platform::DecodeFirstGifImage(single.substr(0, single.size() - 2));
    EXPECT_EQ(image.value_or(platform::Bitmap{}).pixels.at(15), 0xFF0000FFU);
}

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

struct BadCase {
    const char* name;
    std::string bytes;
};

std::vector<BadCase> BadInputs() {
    std::string good = gifwriter::Write(16, 16, Palette, {Solid(16, 16, 1)}, false);
    std::vector<BadCase> cases;
    cases.push_back({"empty", ""});
    cases.push_back({"signature only", "GIF89a"});
    cases.push_back({"not a gif", "PNG\r\n\x1a\n and more bytes here"});
    cases.push_back({"cut in the image data", good.substr(0, good.size() - 8)});
    cases.push_back({"cut in the image descriptor", good.substr(0, 13 + 12 + 8 + 4)});
    // A declared image far larger than any frame: refused before memory is taken.
    std::string huge = good;
    const std::size_t desc = huge.find('\x2C');
    huge[desc + 5] = '\xFF';
    huge[desc + 6] = '\xFF';
    huge[desc + 7] = '\xFF';
    huge[desc + 8] = '\xFF';
    cases.push_back({"huge declared size", huge});
    std::string noMap = good;
    noMap[10] = 0;  // no global colour table, and the image has none either
    cases.push_back({"no colour table", noMap});
    return cases;
}

TEST(DecodeFirstGifImage, BadDataGivesNoPicture) {
    for (const BadCase& c : BadInputs()) {
        EXPECT_FALSE(platform::DecodeFirstGifImage(c.bytes).has_value()) << c.name;
    }
}

}  // namespace
