#include "engine/conversions.h"

#include <cmath>

#include "common/number_forms.h"
#include "common/shared_routines.h"
#include "engine/evaluator.h"

namespace engine {

std::string ConversionCode(std::string_view caption) {
    std::size_t amp = caption.find('&');
    std::size_t at = amp == std::string_view::npos ? 0 : amp + 1;
    if (at >= caption.size()) return {};
    return std::string(1, AvcalcMod::LowerChar(caption[at]));
}

std::optional<double> ConversionFactor(std::string_view code, std::string_view factorLine) {
    if (code.empty()) return std::nullopt;
    std::size_t k = factorLine.find(code);  // letter case counts here
    if (k == std::string_view::npos) return std::nullopt;
    // 1-based position k + 1 of the code, so the factor starts at k + 2.
    return AvcalcMod::MidVal(factorLine, static_cast<std::int32_t>(k + 2), 10);
}

double ConvertValue(double x, std::string_view code, std::string_view factorLine) {
    double r = 0;
    auto keep = [&r](double v) {
        if (std::isfinite(v)) r = v;
    };
    if (code == "u") keep(9.0 / 5.0 * x + 32);
    if (code == "f") keep((x - 32) * 5.0 / 9.0);
    if (auto factor = ConversionFactor(code, factorLine)) keep(x * *factor);
    return r;
}

std::string ConvertDisplay(std::string_view displayText, std::string_view caption,
                           std::string_view factorLine) {
    if (displayText.empty()) return {};
    // A number too large for a double fails to read, and x keeps its starting 0.
    double x = numbers::LenientValue(displayText).value_or(0);
    double r = ConvertValue(x, ConversionCode(caption), factorLine);
    if (auto rounded = numbers::StrictValue(numbers::FormatStandard(r))) r = *rounded;
    return NumberText(r);
}

}  // namespace engine
