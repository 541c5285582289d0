// Small GIF pictures made in memory for the picture and animation tests.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/gif_writer.h"

namespace giftest {

inline const std::vector<std::uint32_t> Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

// A frame of one palette colour.
inline gifwriter::Frame Solid(int w, int h, std::uint8_t index, int delay = 10, int left = 0,
                              int top = 0) {
    return {left, top, w, h, delay, -1, true, std::vector<std::uint8_t>(std::size_t(w * h), index)};
}

}  // namespace giftest
