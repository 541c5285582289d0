// Pure arithmetic behind the window look: colour splitting, the gradient's line plan
// and the centring of a window. No window system here, so all of it is testable alone.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace AvcalcMod {

struct ColourParts {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

// Components of a colour value red + 256 green + 65536 blue. Division truncates toward
// zero and the remainder keeps the sign of the dividend; a negative component is then
// taken as 0, so a system colour (a negative value) gives black rather than garbage.
ColourParts SplitColourValue(std::int32_t colour);

// The module routine: leaves the parts in ColourRed, ColourGreen, ColourBlue and 0 in
// the argument.
void SplitColour(std::int32_t& colour);

// Colour value of three components, each held to 0..255.
std::int32_t ColourValue(std::int32_t red, std::int32_t green, std::int32_t blue);

struct GradientLine {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips, window coordinates
    std::int32_t colour = 0;
};

// Number of steps N for a style over a drawing area of w x h twips: styles 0 and 1
// sqrt(2) * sqrt(w*w + h*h), style 2 h, style 3 w, rounded halves to even. Empty for
// a style outside 0..3 or a value that does not fit.
std::optional<std::int32_t> GradientSteps(std::int32_t style, std::int32_t w, std::int32_t h);

// The N + 1 lines of a gradient from one colour value to another. The step is added
// before each line is drawn, so the first line is one step past the start colour.
// Running components are singles, held at 0 from below only; a component above 255 is
// drawn as 255. With N = 0 the division is skipped and the one line has the start
// colour. Empty for an unknown style.
std::vector<GradientLine> PlanGradient(std::int32_t style, std::int32_t w, std::int32_t h,
                                       std::int32_t fromColour, std::int32_t toColour);
// The same lines handed over one by one, in order, none kept: a window's twenty thousand
// would take a megabyte that a start-up pays for in fresh pages.
void ForEachGradientLine(std::int32_t style, std::int32_t w, std::int32_t h,
                         std::int32_t fromColour, std::int32_t toColour,
                         const std::function<void(const GradientLine&)>& draw);

// Left (or top) that centres a window of `size` twips in `workArea` twips:
// (workArea - size) rounded halves to even, then halved dropping the fraction toward
// zero. Empty when the difference does not fit a 32-bit whole number.
std::optional<std::int32_t> CentredPosition(std::int32_t workArea, double size);

}  // namespace AvcalcMod
