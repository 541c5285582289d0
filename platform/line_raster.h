// The pixels of a one-pixel, aliased line: the rule the window system's painter follows
// for a cosmetic pen with square caps, written out so that thousands of lines (a
// gradient background) can go straight into an image's rows. Drawing a line through it
// gives exactly the pixels the painter gives; tests hold the two together.
#pragma once

#include <cstdint>

namespace platform {

// One line as a walk: along x (one pixel a column) or, when steep, along y (one pixel a
// row), from start up to end (exclusive); the other coordinate is a 16.16 fixed-point
// value `pos`, advanced by `inc` each step. Not `valid` when nothing is drawn.
struct LineWalk {
    bool valid = false;
    bool steep = false;
    int start = 0;
    int end = 0;
    std::int64_t pos = 0;
    std::int64_t inc = 0;

    // True when two walks cover the same pixels (a later one then hides an earlier one).
    bool SamePixels(const LineWalk& other) const;
};

// The walk of the line from (x1, y1) to (x2, y2), in pixels, on an image of width x
// height pixels. The line is first clipped to the image less than two pixels around it,
// so coordinates far outside cost nothing. Two equal points are not a line (invalid).
LineWalk PlanLine(double x1, double y1, double x2, double y2, int width, int height);

// Calls plot(x, y) for every pixel of the walk inside the image. (The steps outside the
// image along the main axis are passed over at once: a gradient plots millions of pixels.)
template <typename Plot>
void WalkLine(const LineWalk& walk, int width, int height, Plot plot) {
    if (!walk.valid) return;
    const int along = walk.steep ? height : width;
    const int across = walk.steep ? width : height;
    const int first = walk.start < 0 ? 0 : walk.start;
    const int end = walk.end > along ? along : walk.end;
    std::int64_t p = walk.pos + static_cast<std::int64_t>(first - walk.start) * walk.inc;
    for (int k = first; k < end; ++k, p += walk.inc) {
        const int other = static_cast<int>(p >> 16);
        if (other < 0 || other >= across) continue;
        if (walk.steep)
            plot(other, k);
        else
            plot(k, other);
    }
}

}  // namespace platform
