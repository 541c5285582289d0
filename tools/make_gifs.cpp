// Draws the program's two animations and writes them as GIF89a files:
//   m9.gif  a high-wing light aircraft in side view, its propeller turning (main window)
//   m8.gif  the same aircraft seen from ahead, propeller turning (farewell box)
// Usage: make_gifs <output folder>. The pictures are drawn here, pixel by pixel, so the
// program ships nothing it did not make itself.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/gif_writer.h"

namespace {

enum Colour : std::uint8_t {
    Clear = 0,
    Outline,
    Body,
    BodyShade,
    Stripe,
    Glass,
    Tyre,
    Spinner,
    Blade,
    BladeBlur,
    WingShade,
    Strut
};

const std::vector<std::uint32_t> Palette = {
    0xFFFFFF,  // Clear (transparent)
    0x1C2430,  // Outline
    0xF4F1E8,  // Body
    0xC9C4B6,  // BodyShade
    0xB0202A,  // Stripe
    0x6FA8DC,  // Glass
    0x2A2A2A,  // Tyre
    0xB0202A,  // Spinner
    0x303030,  // Blade
    0x8C8C8C,  // BladeBlur
    0xDAD5C7,  // WingShade
    0x7A7A7A,  // Strut
};

struct Canvas {
    int w, h;
    std::vector<std::uint8_t> px;
    Canvas(int w, int h) : w(w), h(h), px(static_cast<std::size_t>(w * h), Clear) {}
    void Set(int x, int y, std::uint8_t c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<std::size_t>(y * w + x)] = c;
    }
    void Rect(int x0, int y0, int x1, int y1, std::uint8_t c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) Set(x, y, c);
    }
    void Ellipse(double cx, double cy, double rx, double ry, std::uint8_t c) {
        for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y)
            for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
                double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
                if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
            }
    }
    void Polygon(const std::vector<std::pair<double, double>>& pts, std::uint8_t c) {
        double minY = 1e9, maxY = -1e9;
        for (auto& p : pts) {
            minY = std::min(minY, p.second);
            maxY = std::max(maxY, p.second);
        }
        for (int y = static_cast<int>(minY); y <= static_cast<int>(maxY); ++y) {
            double sy = y + 0.5;
            std::vector<double> xs;
            for (std::size_t k = 0; k < pts.size(); ++k) {
                auto a = pts[k], b = pts[(k + 1) % pts.size()];
                if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy)) {
                    xs.push_back(a.first +
                                 (sy - a.second) * (b.first - a.first) / (b.second - a.second));
                }
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t k = 0; k + 1 < xs.size(); k += 2)
                for (int x = static_cast<int>(std::ceil(xs[k] - 0.5));
                     x <= static_cast<int>(std::floor(xs[k + 1] - 0.5)); ++x)
                    Set(x, y, c);
        }
    }
    void Line(double x0, double y0, double x1, double y1, double width, std::uint8_t c) {
        int steps = static_cast<int>(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)) * 2) + 1;
        for (int s = 0; s <= steps; ++s) {
            double t = static_cast<double>(s) / steps;
            Ellipse(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, width / 2, c);
        }
    }
    // A dark edge around every drawn shape, so the picture reads on any background.
    void Outline(std::uint8_t edge) {
        std::vector<std::uint8_t> copy = px;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (copy[static_cast<std::size_t>(y * w + x)] != Clear) continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx) {
                        int xx = x + dx, yy = y + dy;
                        if (xx >= 0 && yy >= 0 && xx < w && yy < h &&
                            copy[static_cast<std::size_t>(yy * w + xx)] != Clear &&
                            (dx == 0 || dy == 0))
                            near = true;
                    }
                if (near) Set(x, y, edge);
            }
    }
};

// Side view, nose to the left. The propeller turns about a horizontal axis, so from
// the side each blade shows as a vertical bar whose length follows the cosine.
Canvas SideView(int frame, int frames) {
    Canvas c(120, 64);
    // Wheels and struts
    c.Line(52, 44, 46, 56, 2, Strut);
    c.Line(60, 44, 66, 56, 2, Strut);
    c.Ellipse(45, 57, 4, 4, Tyre);
    c.Ellipse(67, 57, 4, 4, Tyre);
    c.Line(22, 44, 22, 56, 2, Strut);
    c.Ellipse(22, 58, 3, 3, Tyre);
    // Fuselage: from the cowling to the tail
    c.Polygon({{14, 30},
               {26, 24},
               {60, 22},
               {104, 30},
               {112, 32},
               {112, 36},
               {96, 40},
               {60, 46},
               {26, 46},
               {14, 40}},
              Body);
    c.Polygon(
        {{14, 38}, {26, 42}, {60, 44}, {96, 39}, {112, 36}, {96, 41}, {60, 46}, {26, 46}, {14, 40}},
        BodyShade);
    // Stripe along the side
    c.Polygon({{16, 35}, {60, 36}, {110, 33}, {110, 35}, {60, 39}, {16, 38}}, Stripe);
    // Fin and tailplane
    c.Polygon({{96, 30}, {106, 10}, {114, 10}, {112, 32}}, Body);
    c.Polygon({{104, 14}, {113, 14}, {113, 18}, {103, 18}}, Stripe);
    c.Polygon({{94, 33}, {116, 31}, {116, 34}, {94, 35}}, WingShade);
    // Cabin glass
    c.Polygon({{34, 24}, {44, 15}, {66, 15}, {70, 24}}, Glass);
    c.Line(52, 15, 52, 24, 1.2, BodyShade);
    // High wing seen edge-on, with its strut
    c.Polygon({{30, 12}, {80, 12}, {82, 15}, {30, 16}}, Body);
    c.Polygon({{30, 15}, {82, 15}, {82, 16}, {30, 17}}, WingShade);
    c.Line(66, 17, 56, 34, 1.5, Strut);
    // Spinner and propeller
    c.Ellipse(12, 35, 4, 5, Spinner);
    const double pi = 3.14159265358979;
    double angle = 2 * pi * frame / frames;
    double reach = 22 * std::cos(angle);
    double other = 22 * std::cos(angle + pi);
    c.Line(9, 35, 9, 35 - reach, 3, Blade);
    c.Line(9, 35, 9, 35 - other, 3, Blade);
    // A faint disc shows the blades' path
    c.Set(9, 13, BladeBlur);
    c.Set(9, 57, BladeBlur);
    c.Outline(Outline);
    return c;
}

// Head-on view: wing across, propeller blades turning in the picture plane.
Canvas FrontView(int frame, int frames) {
    Canvas c(64, 48);
    c.Rect(2, 14, 61, 16, Body);  // high wing
    c.Rect(2, 17, 61, 17, WingShade);
    c.Line(14, 18, 28, 30, 1.2, Strut);
    c.Line(50, 18, 36, 30, 1.2, Strut);
    c.Ellipse(32, 26, 8, 10, Body);  // fuselage
    c.Rect(26, 18, 38, 22, Glass);   // windscreen
    c.Rect(24, 38, 25, 42, Strut);
    c.Rect(39, 38, 40, 42, Strut);
    c.Ellipse(24.5, 44, 2, 2.5, Tyre);
    c.Ellipse(39.5, 44, 2, 2.5, Tyre);
    c.Rect(20, 22, 44, 23, BodyShade);  // tailplane behind
    const double pi = 3.14159265358979;
    double angle = pi * frame / frames;  // two blades: half a turn repeats
    double dx = 15 * std::cos(angle), dy = 15 * std::sin(angle);
    c.Line(32 - dx, 28 - dy, 32 + dx, 28 + dy, 2.2, Blade);
    c.Ellipse(32, 28, 2.5, 2.5, Spinner);
    c.Outline(Outline);
    return c;
}

bool Save(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string Animation(Canvas (*draw)(int, int), int frames, int delay) {
    std::vector<gifwriter::Frame> list;
    int width = 0, height = 0;
    for (int f = 0; f < frames; ++f) {
        Canvas c = draw(f, frames);
        width = c.w;
        height = c.h;
        gifwriter::Frame frame;
        frame.width = c.w;
        frame.height = c.h;
        frame.delay = delay;
        frame.transparent = Clear;
        frame.pixels = c.px;
        list.push_back(std::move(frame));
    }
    return gifwriter::Write(width, height, Palette, list, true);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_gifs <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string m9 = Animation(SideView, 8, 6);
    const std::string m8 = Animation(FrontView, 6, 5);
    if (m9.empty() || m8.empty() || m9.size() >= 65536 || m8.size() >= 65536) {
        std::fprintf(stderr, "make_gifs: encoding failed or a picture is too large\n");
        return 1;
    }
    if (!Save(folder + "/m9.gif", m9) || !Save(folder + "/m8.gif", m8)) {
        std::fprintf(stderr, "make_gifs: cannot write into %s\n", folder.c_str());
        return 1;
    }
    std::printf("m9.gif %zu bytes, m8.gif %zu bytes\n", m9.size(), m8.size());
    return 0;
}
