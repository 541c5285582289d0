// Decoding the first image of a GIF in memory, and what bad data gives.
#include <gtest/gtest.h>

#include "platform/gif_decode.h"
#include "gif_test_data.h"

namespace {

using giftest::Palette;
using giftest::Solid;

TEST(DecodeFirstGifImage, DecodesTheFirstImageInItsOwnSize) {
    gifwriter::Frame first = Solid(3, 2, 1);
    first.pixels[4] = 3;  // row 1, column 1 blue
    std::string gif = gifwriter::Write(8, 8, Palette, {first, Solid(8, 8, 2)}, true);
    auto image = platform::DecodeFirstGifImage(gif);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels[0], 0xFFFF0000U);
    EXPECT_EQ(image->pixels[4], 0xFF0000FFU);
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

TEST(DecodeFirstGifImage, TransparentIndexHasNoAlpha) {
    gifwriter::Frame f = Solid(2, 2, 0);
    f.transparent = 0;
    f.pixels[3] = 2;
    auto image = platform::DecodeFirstGifImage(gifwriter::Write(2, 2, Palette, {f}, false));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixels[0] >> 24, 0U);
    EXPECT_EQ(image->pixels[3], 0xFF00FF00U);
}

TEST(DecodeFirstGifImage, MissingTrailerAndBlockTerminatorAreAccepted) {
    std::string gif = gifwriter::Write(4, 4, Palette, {Solid(4, 4, 3)}, false);
    ASSERT_EQ(static_cast<unsigned char>(gif.back()), 0x3BU);
    gif.resize(gif.size() - 2);  // no terminator, no trailer
    auto image = platform::DecodeFirstGifImage(gif);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixels[15], 0xFF0000FFU);
}

TEST(DecodeFirstGifImage, HeadAndRestAreReadAsOne) {
    std::string gif = gifwriter::Write(4, 4, Palette, {Solid(4, 4, 1)}, false);
    auto image = platform::DecodeFirstGifImage(std::string_view(gif).substr(0, 20), std::string_view(gif).substr(20));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->pixels[0], 0xFFFF0000U);
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
