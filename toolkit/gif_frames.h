// Cutting an animated GIF into its frames at the frame marker 00 21 F9 (end of the
// previous block, then a graphic control extension). Pure byte arithmetic: the frames
// are described by positions into the file, so nothing is copied and nothing written.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace AvcalcMod {

struct GifFrameCut {
    std::int32_t number = 0;      // 1 for the first frame
    std::size_t chunkStart = 0;   // 0-based offset of the frame's 0xF9 byte
    std::size_t chunkLength = 0;  // bytes of the chunk
    std::int32_t delayMs = 0;     // delay field x 10
    std::int32_t left = 0;        // image left, pixels (frames 2 on; 0 for frame 1)
    std::int32_t top = 0;         // image top, pixels (frames 2 on; 0 for frame 1)
};

struct GifCutPlan {
    std::size_t headerLength = 0;  // the header is the first headerLength bytes
    std::vector<GifFrameCut> frames;
};

// Frame plan of a whole file. The header runs to the 0x21 of the first marker (one
// byte when there is no marker). Each chunk starts at its marker's 0xF9 and has the
// length of the file minus the 1-based position after that byte, which ends it two
// bytes before the end of the file; the decoder reads only the chunk's first image.
GifCutPlan CutGifFrames(std::string_view bytes);

}  // namespace AvcalcMod
