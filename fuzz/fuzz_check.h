// What every fuzz target uses to state what must hold: a broken property prints what
// was expected and aborts, which libFuzzer reports as a finding with the input saved.
#pragma once

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_forms.h"

#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "broken: %s (%s) at %s:%d\n", what, #condition, __FILE__, \
                         __LINE__);                                                        \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

namespace fuzzcheck {

// No "nan" or "inf", in any letter case, in a text the screen would show. Callers make
// sure the fixed words around the numbers hold neither.
inline bool ShowsNoNanOrInf(std::string_view text) {
    std::string low(text);
    for (char& c : low) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return low.find("nan") == std::string::npos && low.find("inf") == std::string::npos;
}

// The text cut at its first N - 1 separators: N parts, the last keeping the rest, those
// missing empty.
template <std::size_t N>
std::array<std::string, N> Split(std::string_view text, char separator) {
    std::array<std::string, N> parts;
    std::size_t k = 0;
    for (char c : text) c == separator&& k + 1 < N ? void(++k) : void(parts[k] += c);
    return parts;
}

// The magnitudes whose 15-digit general form must read back: normal doubles up to the
// largest whose 15-digit rounding still fits a double.
inline bool InGeneralFormRange(double value) {
    double a = std::fabs(value);
    return a == 0 || (a >= DBL_MIN && a <= 1.79769313486231e308);
}

// A number shown in general form is finite text that reads back strictly as the same
// value to 15 significant digits.
inline void CheckGeneralTextReadsBack(double value) {
    FUZZ_CHECK(std::isfinite(value), "only finite values are written");
    std::string text = numbers::GeneralText(value);
    FUZZ_CHECK(!text.empty(), "a finite value has a general form");
    FUZZ_CHECK(ShowsNoNanOrInf(text), "no nan or inf in a number's text");
    if (!InGeneralFormRange(value)) return;
    auto back = numbers::StrictValue(text);
    FUZZ_CHECK(back.has_value(), "a general form reads back");
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 6e-15,
               "a general form reads back as the same value to 15 digits");
    FUZZ_CHECK(numbers::GeneralText(*back) == text, "reading back and writing again is stable");
}

}  // namespace fuzzcheck
