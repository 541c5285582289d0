// A small GIF89a writer on giflib: the program's own animations and the GIFs the
// tests feed to the frame cutter are made with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gifwriter {

struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    int delay = 0;                     // hundredths of a second
    int transparent = -1;              // palette index shown as transparent, -1 for none
    bool controlExtension = true;      // a graphic control extension before the image
    std::vector<std::uint8_t> pixels;  // width x height palette indexes
};

// palette: 0xRRGGBB entries (2 to 256; padded to a power of two). `loop` adds the
// looping application extension after the colour table. Empty on failure.
std::string Write(int screenWidth, int screenHeight, const std::vector<std::uint32_t>& palette,
                  const std::vector<Frame>& frames, bool loop);

}  // namespace gifwriter
