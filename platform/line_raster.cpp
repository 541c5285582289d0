#include "platform/line_raster.h"

#include <cstdlib>
#include <utility>

namespace platform {
namespace {

constexpr std::int64_t OnePixel = 1 << 16;  // 16.16 fixed point

// Moves an end that lies outside [low, high] on the first axis onto the boundary; the
// other axis follows the line. False when both ends lie beyond the same boundary.
bool ClipAxis(double& a1, double& b1, double& a2, double& b2, double low, double high) {
    if (a1 < low) {
        if (a2 <= low) return false;
        b1 += (b2 - b1) / (a2 - a1) * (low - a1);
        a1 = low;
    } else if (a1 > high) {
        if (a2 >= high) return false;
        b1 += (b2 - b1) / (a2 - a1) * (high - a1);
        a1 = high;
    }
    if (a2 < low) {
        b2 += (b2 - b1) / (a2 - a1) * (low - a2);
        a2 = low;
    } else if (a2 > high) {
        b2 += (b2 - b1) / (a2 - a1) * (high - a2);
        a2 = high;
    }
    return true;
}

int To26Dot6(double v) {
    return static_cast<int>(v * 64.0);
}

// The walk along the main axis a (the other axis b), both in 26.6 fixed point: a pixel
// a step from the pixel centre nearest the first end, half a pixel added at both ends
// (square caps), b sampled at each step's pixel centre.
LineWalk Walk(int a1, int b1, int a2, int b2, bool steep) {
    LineWalk walk;
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const std::int64_t inc = (static_cast<std::int64_t>(b2 - b1) << 16) / (a2 - a1);
    std::int64_t b = static_cast<std::int64_t>(b1) << 10;
    a1 -= 32;
    b -= inc >> 1;
    a2 += 32;
    const int first = (a1 + 32) >> 6;
    const int last = (a2 + 32) >> 6;
    if (first == last) return walk;
    const int centre = inc > 0 ? 32 : 0;
    b += ((static_cast<std::int64_t>(first) * 64 + centre - a1) * inc) >> 6;
    walk.valid = true;
    walk.steep = steep;
    walk.start = first;
    walk.end = last;
    walk.pos = b;
    walk.inc = inc;
    return walk;
}

}  // namespace

bool LineWalk::SamePixels(const LineWalk& other) const {
    if (valid != other.valid) return false;
    if (!valid) return true;
    if (steep != other.steep || start != other.start || end != other.end || inc != other.inc)
        return false;
    // With a whole-pixel step the fraction of pos never reaches the pixel index.
    if (inc % OnePixel == 0) return (pos >> 16) == (other.pos >> 16);
    return pos == other.pos;
}

LineWalk PlanLine(double x1, double y1, double x2, double y2, int width, int height) {
    if (x1 == x2 && y1 == y2) return {};
    if (!ClipAxis(x1, y1, x2, y2, -1.0, width + 1.0)) return {};
    if (!ClipAxis(y1, x1, y2, x2, -1.0, height + 1.0)) return {};
    const int fx1 = To26Dot6(x1), fy1 = To26Dot6(y1);
    const int fx2 = To26Dot6(x2), fy2 = To26Dot6(y2);
    const int dx = std::abs(fx2 - fx1), dy = std::abs(fy2 - fy1);
    if (dx < dy) return Walk(fy1, fx1, fy2, fx2, true);
    if (dx == 0) return {};
    return Walk(fx1, fy1, fx2, fy2, false);
}

}  // namespace platform
