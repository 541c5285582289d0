#include "toolkit/colour_plan.h"

#include <cmath>
#include <limits>

#include "common/number_forms.h"
#include "startup/avcalc_mod.h"

namespace AvcalcMod {

ColourParts SplitColourValue(std::int32_t colour) {
    ColourParts parts;
    std::int32_t c = colour;
    parts.blue = c / 65536;
    c = c % 65536;
    parts.green = c / 256;
    c = c % 256;
    parts.red = c;
    if (parts.red < 0) parts.red = 0;
    if (parts.green < 0) parts.green = 0;
    if (parts.blue < 0) parts.blue = 0;
    return parts;
}

void SplitColour(std::int32_t& colour) {
    ColourParts parts = SplitColourValue(colour);
    ColourRed = parts.red;
    ColourGreen = parts.green;
    ColourBlue = parts.blue;
    colour = 0;
}

std::int32_t ColourValue(std::int32_t red, std::int32_t green, std::int32_t blue) {
    auto clamp = [](std::int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

std::optional<std::int32_t> GradientSteps(std::int32_t style, std::int32_t w, std::int32_t h) {
    double steps = 0.0;
    switch (style) {
        case 0:
        case 1: {
            double wd = w, hd = h;
            steps = std::sqrt(2.0) * std::sqrt(wd * wd + hd * hd);
            break;
        }
        case 2:
            steps = h;
            break;
        case 3:
            steps = w;
            break;
        default:
            return std::nullopt;
    }
    return numbers::ToLong(steps);
}

namespace {

// One running component: r = r + d / N in single precision, held at 0 from below.
void StepComponent(float& running, std::int32_t difference, std::int32_t steps) {
    if (steps == 0) return;  // the division fails; the component keeps its value
    double next = static_cast<double>(running) + static_cast<double>(difference) / steps;
    float value = static_cast<float>(next);
    running = value < 0.0F ? 0.0F : value;
}

std::int32_t DrawnComponent(float running) {
    double rounded = numbers::RoundHalfEven(running);
    return rounded > 255.0 ? 255 : static_cast<std::int32_t>(rounded);
}

}  // namespace

std::vector<GradientLine> PlanGradient(std::int32_t style, std::int32_t w, std::int32_t h,
                                       std::int32_t fromColour, std::int32_t toColour) {
    std::vector<GradientLine> lines;
    ForEachGradientLine(style, w, h, fromColour, toColour,
                        [&lines](const GradientLine& line) { lines.push_back(line); });
    return lines;
}

void ForEachGradientLine(std::int32_t style, std::int32_t w, std::int32_t h,
                         std::int32_t fromColour, std::int32_t toColour,
                         const std::function<void(const GradientLine&)>& draw) {
    auto steps = GradientSteps(style, w, h);
    if (!steps || *steps < 0) return;
    const std::int32_t n = *steps;

    ColourParts start = SplitColourValue(fromColour);
    ColourParts end = SplitColourValue(toColour);
    float r = static_cast<float>(start.red);
    float g = static_cast<float>(start.green);
    float b = static_cast<float>(start.blue);
    const std::int32_t dr = end.red - start.red;
    const std::int32_t dg = end.green - start.green;
    const std::int32_t db = end.blue - start.blue;

    for (std::int32_t i = 0; i <= n; ++i) {
        StepComponent(r, dr, n);
        StepComponent(g, dg, n);
        StepComponent(b, db, n);
        GradientLine line;
        line.colour = DrawnComponent(r) + 256 * DrawnComponent(g) + 65536 * DrawnComponent(b);
        switch (style) {
            case 0:
                line.x1 = i;
                line.y1 = 0;
                line.x2 = 0;
                line.y2 = i;
                break;
            case 1:
                line.x1 = w - i;
                line.y1 = 0;
                line.x2 = w;
                line.y2 = i;
                break;
            case 2:
                line.x1 = 0;
                line.y1 = i;
                line.x2 = w;
                line.y2 = i;
                break;
            default:
                line.x1 = i;
                line.y1 = 0;
                line.x2 = i;
                line.y2 = h;
                break;
        }
        draw(line);
        if (i == std::numeric_limits<std::int32_t>::max()) break;
    }
}

std::optional<std::int32_t> CentredPosition(std::int32_t workArea, double size) {
    auto difference = numbers::ToLong(static_cast<double>(workArea) - size);
    if (!difference) return std::nullopt;
    return *difference / 2;  // integer division drops the fraction toward zero
}

}  // namespace AvcalcMod
