// The animated pictures m9.gif and m8.gif: the file is cut into frames and each frame's
// first image decoded from the header and the frame's chunk, as the animation loads them,
// and the whole file is decoded as one GIF as well. Input: the bytes of a GIF file.
// The decoder needs no Qt and no application object.
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "platform/gif_decode.h"
#include "toolkit/gif_frames.h"

namespace {

// Both decoders of the same image; giflib's outcome, checked.
std::optional<platform::Bitmap> Decode(std::string_view head, std::string_view rest) {
    auto image = platform::DecodeFirstGifImage(head, rest);
    const auto own = platform::ReadFirstGifImage(head, rest);
    FUZZ_CHECK(image.has_value() == own.has_value(), "both decoders read the image or neither");
    FUZZ_CHECK(!image || (own->width == image->width && own->height == image->height &&
                          own->pixels == image->pixels),
               "both decoders give the same pixels");
    return image;
}

void CheckBitmap(const std::optional<platform::Bitmap>& image) {
    if (!image) return;
    FUZZ_CHECK(image->width > 0 && image->height > 0, "a decoded image has a size");
    FUZZ_CHECK(std::int64_t{image->width} * image->height <= platform::MaxGifPixels,
               "a decoded image is no larger than the limit");
    FUZZ_CHECK(image->pixels.size() ==
                   static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height),
               "a decoded image has one pixel per place");
    for (std::uint32_t px : image->pixels)
        FUZZ_CHECK((px >> 24) == 0 || (px >> 24) == 0xFF, "a pixel is opaque or transparent");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    const AvcalcMod::GifCutPlan plan = AvcalcMod::CutGifFrames(all);
    FUZZ_CHECK(plan.headerLength <= all.size(), "the header lies inside the file");
    const std::string_view header = all.substr(0, plan.headerLength);
    std::int32_t expected = 1;
    for (const AvcalcMod::GifFrameCut& frame : plan.frames) {
        FUZZ_CHECK(frame.number == expected++, "frames are numbered 1, 2, 3 ...");
        FUZZ_CHECK(
            frame.chunkStart <= all.size() && frame.chunkLength <= all.size() - frame.chunkStart,
            "a frame's chunk lies inside the file");
        FUZZ_CHECK(frame.delayMs >= 0 && frame.delayMs <= 655350, "a delay is 0 to 655350 ms");
        FUZZ_CHECK(frame.left >= 0 && frame.left <= 65535 && frame.top >= 0 && frame.top <= 65535,
                   "a frame's place is 0 to 65535 pixels");
        CheckBitmap(Decode(header, all.substr(frame.chunkStart, frame.chunkLength)));
    }
    CheckBitmap(Decode(all, {}));
    return 0;
}
