// Number <-> text conversions of the whole program, with English regional settings
// fixed: "." is the decimal point and "," groups digits. The process locale is never
// consulted, so results do not change with the user's settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// General text form of a double: at most 15 significant digits, no leading blank,
// "-" for negatives, no trailing zeros, "0.5" below one, "1E+15" / "1E-07" exponent forms.
// Gives the empty text for NaN and infinities, which must never reach the screen.
std::string GeneralText(double value);
// The same for a single, with at most 7 significant digits ("1.234568E+07").
std::string GeneralText(float value);

// The lenient leading-number reader: blanks, tabs and line feeds are ignored wherever
// they stand; takes the longest leading number (sign, digits, ".", exponent E or D) and
// stops at the first character that cannot continue it; 0 when there is none.
// Empty result only when the number does not fit a double (an overflow).
std::optional<double> LenientValue(std::string_view text);

// Strict text-to-double conversion: optional blanks, optional sign, digits with ","
// digit groups, optional "." and decimals, optional exponent; anything else fails.
std::optional<double> StrictValue(std::string_view text);

// Round to a whole number with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);
// The same as a 32-bit integer; empty when out of range or not finite.
std::optional<std::int32_t> ToLong(double value);
// Round to single precision; empty when the value does not fit a single.
std::optional<float> ToSingle(double value);

// Fixed-point text with the given number of decimals, halves away from zero, decided
// on the 15-digit decimal form of the value (so 2.675 gives 2.68). Optional "," groups.
// A count below 0 counts as 0, one above MaxFixedDecimals as that many (the smallest
// double needs 324 decimals); the empty text for NaN and infinities.
inline constexpr int MaxFixedDecimals = 324;
std::string FormatFixed(double value, int decimals, bool digitGroups);
// The named format "standard": digit groups and exactly two decimals ("1,234.50").
inline std::string FormatStandard(double value) {
    return FormatFixed(value, 2, true);
}
// The format "0.0": exactly one decimal, no groups.
inline std::string FormatOneDecimal(double value) {
    return FormatFixed(value, 1, false);
}

}  // namespace numbers
