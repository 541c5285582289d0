// The number readers and forms and the conversion buttons' arithmetic.
// Input: one byte for the number of decimals (signed), one byte of choices, then
// "text \n caption \n factor line". The text goes through both readers, every form, the
// rounding helpers and MidVal; the three texts together through ConvertDisplay as a
// conversion button would pass them.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "common/shared_routines.h"
#include "engine/conversions.h"
#include "fuzz_check.h"

using fuzzcheck::CheckGeneralTextReadsBack;
using fuzzcheck::ShowsNoNanOrInf;

namespace {

// The strict reader against the C library's strtod on the same text written in the C
// grammar (blanks and tabs trimmed, exponent D as E). Only texts without digit groups
// and made only of number characters are compared: there the two grammars agree, so
// strtod taking the whole text means the strict reader must take it too, with the same
// value, and an overflow must fail in both.
void CompareWithStrtod(std::string_view text, std::optional<double> strict) {
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return;
    std::size_t e = text.find_last_not_of(" \t");
    std::string c(text.substr(b, e - b + 1));
    for (char& ch : c) {
        if (ch == 'd' || ch == 'D') ch = 'e';
        if (std::string_view("0123456789+-.eE").find(ch) == std::string_view::npos) return;
    }
    errno = 0;
    char* end = nullptr;
    double expected = std::strtod(c.c_str(), &end);
    if (end != c.c_str() + c.size()) return;  // strtod stops early: not one whole number
    if (errno == ERANGE && std::fabs(expected) > 1) {
        FUZZ_CHECK(!strict.has_value(), "a number too large for a double is a failure");
        return;
    }
    FUZZ_CHECK(strict.has_value(), "a whole number text reads strictly");
    if (std::fabs(expected) < DBL_MIN)  // an underflow: zero or the nearest subnormal
        FUZZ_CHECK(std::fabs(*strict) < DBL_MIN, "a tiny number reads as (nearly) nothing");
    else
        FUZZ_CHECK(*strict == expected, "the strict reader gives the nearest double");
}

void CheckFixed(double value, int decimals, bool groups) {
    std::string text = numbers::FormatFixed(value, decimals, groups);
    FUZZ_CHECK(!text.empty(), "a finite value has a fixed form");
    FUZZ_CHECK(ShowsNoNanOrInf(text), "no nan or inf in a fixed form");
    const int wanted = std::clamp(decimals, 0, numbers::MaxFixedDecimals);
    std::size_t point = text.find('.');
    std::size_t shown = point == std::string::npos ? 0 : text.size() - point - 1;
    FUZZ_CHECK(static_cast<int>(shown) == wanted, "a fixed form has the decimals asked for");
    auto back = numbers::StrictValue(text);
    if (std::fabs(value) > 1e307) return;  // rounding up may pass the largest double
    FUZZ_CHECK(back.has_value(), "a fixed form reads back");
    double step = wanted > 300 ? 0 : std::pow(10.0, -wanted);
    FUZZ_CHECK(std::fabs(*back - value) <= step / 2 + std::fabs(value) * 1e-14 + 1e-300,
               "a fixed form is the value rounded to its decimals");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int decimals = static_cast<std::int8_t>(data[0]);
    const std::uint8_t choices = data[1];
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto [text, caption, factors] = fuzzcheck::Split<3>(rest, '\n');

    auto lenient = numbers::LenientValue(text);
    auto strict = numbers::StrictValue(text);
    if (strict && text.find(',') == std::string::npos) {
        FUZZ_CHECK(lenient.has_value() && *lenient == *strict,
                   "a text both readers take whole gives one value");
    }
    CompareWithStrtod(text, strict);

    for (auto value : {lenient, strict}) {
        if (!value) continue;
        double v = *value;
        CheckGeneralTextReadsBack(v);  // a value read is finite
        if (auto single = numbers::ToSingle(v)) {
            std::string s = numbers::GeneralText(*single);
            FUZZ_CHECK(!s.empty() && ShowsNoNanOrInf(s), "a single has a general form");
            auto back = numbers::StrictValue(s);
            if (std::fabs(*single) >= FLT_MIN && std::fabs(*single) <= 3.402823e38F) {
                FUZZ_CHECK(back.has_value(), "a single's general form reads back");
                FUZZ_CHECK(static_cast<float>(*back) == *single ||
                               std::fabs(*back - *single) <= std::fabs(*single) * 6e-7,
                           "a single's general form reads back to 7 digits");
            }
        }
        CheckFixed(v, decimals, (choices & 1) != 0);
        CheckFixed(v, 2, true);   // "standard"
        CheckFixed(v, 1, false);  // "0.0"
        double r = numbers::RoundHalfEven(v);
        FUZZ_CHECK(std::isfinite(r) && r == std::floor(r) && std::fabs(r - v) <= 0.5,
                   "rounding gives the nearest whole number");
        if (auto l = numbers::ToLong(v)) FUZZ_CHECK(*l == r, "a 32-bit rounding is the rounding");
        std::string trimmed = AvcalcMod::TrimmedStr(v);
        FUZZ_CHECK(ShowsNoNanOrInf(trimmed), "no nan or inf in a trimmed number");
        if (fuzzcheck::InGeneralFormRange(v)) {
            auto back = numbers::StrictValue(trimmed);
            FUZZ_CHECK(back && *back == *numbers::StrictValue(numbers::GeneralText(v)),
                       "the trimmed form is the general form without its zero");
        }
    }

    const std::int32_t start = static_cast<std::int8_t>(choices) / 4;
    const double mid = AvcalcMod::MidVal(text, start, decimals);
    FUZZ_CHECK(std::isfinite(mid), "MidVal gives a finite value");

    // A conversion button: display text, its caption and the data file's factor line.
    std::string code = engine::ConversionCode(caption);
    FUZZ_CHECK(code.size() <= 1, "a conversion code is one character or none");
    if (auto factor = engine::ConversionFactor(code, factors))
        FUZZ_CHECK(std::isfinite(*factor), "a conversion factor is finite");
    std::string shown = engine::ConvertDisplay(text, caption, factors);
    if (text.empty()) {
        FUZZ_CHECK(shown.empty(), "an empty display stays empty");
    } else {
        FUZZ_CHECK(!shown.empty(), "a conversion always shows a number");
        FUZZ_CHECK(ShowsNoNanOrInf(shown), "no nan or inf after a conversion");
        auto back = numbers::StrictValue(shown);
        // Only a result at the very top of the range may round past the largest double.
        FUZZ_CHECK(back.has_value() || shown.find("E+308") != std::string::npos,
                   "a conversion's result reads back");
    }
    return 0;
}
