#include "toolkit/gif_frames.h"

#include <string>

#include "common/shared_routines.h"

namespace AvcalcMod {

namespace {

constexpr std::string_view FrameMarker("\x00\x21\xF9", 3);

// 1-based position of the marker at or after 1-based `from`; 0 when there is none.
std::size_t FindMarker(std::string_view bytes, std::size_t from) {
    if (from < 1 || from > bytes.size()) return 0;
    std::size_t at = bytes.find(FrameMarker, from - 1);
    return at == std::string_view::npos ? 0 : at + 1;
}

// Describes frame n cut at 1-based position i (the byte after the marker's 0xF9).
GifFrameCut Cut(std::string_view bytes, std::int32_t n, std::size_t i) {
    GifFrameCut frame;
    frame.number = n;
    frame.chunkStart = i - 2;  // 1-based i - 1 is the 0xF9
    // The chunk is the bytes from i - 1 taken for a length of Len(B) - i: it stops two
    // bytes before the end of the file (so, for the last frame, before the image's
    // block terminator and the trailer; the decoder copes with both missing).
    frame.chunkLength = bytes.size() > i ? bytes.size() - i : 0;
    std::string_view chunk = bytes.substr(frame.chunkStart, frame.chunkLength);
    auto byte = [&](std::int32_t position) { return CharCode(chunk, position); };
    frame.delayMs = (byte(4) + 256 * byte(5)) * 10;
    if (n > 1) {
        frame.left = byte(9) + 256 * byte(10);
        frame.top = byte(11) + 256 * byte(12);
    }
    return frame;
}

}  // namespace

GifCutPlan CutGifFrames(std::string_view bytes) {
    GifCutPlan plan;
    // Header: up to and including the 0x21 of the first marker (position + 1).
    std::size_t j = FindMarker(bytes, 1) + 1;
    plan.headerLength = std::min(j, bytes.size());
    std::size_t i = j + 2;
    std::int32_t n = 0;
    do {
        ++n;
        j = FindMarker(bytes, i) + 3;
        if (j > 3) {
            plan.frames.push_back(Cut(bytes, n, i));
            i = j;
        }
    } while (j != 3);
    if (i < bytes.size()) plan.frames.push_back(Cut(bytes, n, i));
    return plan;
}

}  // namespace AvcalcMod
