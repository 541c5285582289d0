// The arithmetic of the conversion buttons: a button's code letter comes from its
// caption, its factor from the factor line of the data file; Celsius and Fahrenheit
// have built-in formulas that a factor in the line overrides.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The character after the first "&" of the caption, in lower case; the caption's first
// character when it has no "&". Empty when there is no such character.
std::string ConversionCode(std::string_view caption);

// The factor of a code: the number read leniently from the ten characters after the
// code's first occurrence in the factor line. Empty when the code does not occur.
std::optional<double> ConversionFactor(std::string_view code, std::string_view factorLine);

// The value before the "standard" two-decimal round: the factor when the line has the
// code, else the built-in formula for "u" (Celsius to Fahrenheit) or "f" (the reverse),
// else 0. A step that overflows is skipped and the value keeps what it had.
double ConvertValue(double x, std::string_view code, std::string_view factorLine);

// The new display text after a conversion button with this caption is pressed: the
// display's leading number converted, rounded to two decimals and written in general
// form. An empty display stays empty.
std::string ConvertDisplay(std::string_view displayText, std::string_view caption,
                           std::string_view factorLine);

}  // namespace engine
