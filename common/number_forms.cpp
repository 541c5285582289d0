#include "common/number_forms.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace numbers {
namespace {

// Floating-point to_chars/from_chars where the library has them; otherwise (libc++
// before 14, as in the WebAssembly toolchain) the C library's printf and strtod, which
// the standard defines them by and which read no locale there.
#if defined(__cpp_lib_to_chars)
char* FormatDouble(char* first, char* last, double value, std::chars_format form, int digits) {
    return std::to_chars(first, last, value, form, digits).ptr;
}
std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value, std::chars_format::general);
}
#else
char* FormatDouble(char* first, char* last, double value, std::chars_format form, int digits) {
    const int n =
        std::snprintf(first, static_cast<std::size_t>(last - first),
                      form == std::chars_format::scientific ? "%.*e" : "%.*g", digits, value);
    return n < 0 || n >= last - first ? first : first + n;
}
std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    // The callers pass a normalised number ("-123.45e7"): no blanks, no hex, no sign "+".
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return {first, std::errc::invalid_argument};
    const char* ptr = first + (end - text.c_str());
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return {ptr, std::errc::result_out_of_range};
    value = read;
    return {ptr, std::errc()};
}
#endif

template <typename T>
std::string General(T value, int digits) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";  // also turns -0 into "0"
    char buf[64];
    std::string text(buf, FormatDouble(buf, buf + sizeof buf, static_cast<double>(value),
                                       std::chars_format::general, digits));
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts a normalised number text ("-123.45e7") to a double. An overflow fails; an
// underflow gives 0 (a value too small to hold is as good as nothing, while a value too
// large to hold is a failure the caller must see). The decimal exponent of the first
// significant digit tells the two apart.
std::optional<double> Convert(const std::string& text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    auto res = ReadDouble(first, last, value);
    if (res.ec == std::errc()) return value;
    if (res.ec != std::errc::result_out_of_range) return std::nullopt;
    // Out of range: work out whether the magnitude is huge or tiny.
    // An exponent too long for a long saturates: its sign is all that matters then. The
    // clamp keeps the sum with the mantissa's magnitude below from overflowing.
    constexpr long long ExponentLimit = 1LL << 40;
    long long exponent = 0;
    std::size_t e = text.find_first_of("eE");
    if (e != std::string::npos) {
        long long parsed = 0;
        const bool negative = text[e + 1] == '-';
        auto exp = std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'),
                                   text.data() + text.size(), parsed);
        if (exp.ec == std::errc::result_out_of_range)
            parsed = negative ? -ExponentLimit : ExponentLimit;
        exponent = std::clamp(parsed, -ExponentLimit, ExponentLimit);
    }
    std::string mantissa = text.substr(0, e);
    std::size_t point = mantissa.find('.');
    std::size_t firstSig = mantissa.find_first_of("123456789");
    if (firstSig == std::string::npos) return 0.0;
    std::size_t intEnd = point == std::string::npos ? mantissa.size() : point;
    long long magnitude = firstSig < intEnd ? static_cast<long long>(intEnd - firstSig) - 1
                                            : -static_cast<long long>(firstSig - intEnd);
    if (magnitude + exponent > 0) return std::nullopt;
    return text[0] == '-' ? -0.0 : 0.0;
}

// Reads the exponent part of a number starting at text[i] (the E/D letter); appends it
// to out and returns the index after it, or leaves out alone and returns i when the
// letter is not followed by digits.
std::size_t ReadExponent(std::string_view text, std::size_t i, std::string& out) {
    std::size_t j = i + 1;
    std::string part = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) part += text[j++];
    std::size_t digitsStart = j;
    while (j < text.size() && IsDigit(text[j])) part += text[j++];
    if (j == digitsStart) return i;
    out += part;
    return j;
}

}  // namespace

std::string GeneralText(double value) {
    return General(value, 15);
}
std::string GeneralText(float value) {
    return General(value, 7);
}

std::optional<double> LenientValue(std::string_view input) {
    std::string text;
    text.reserve(input.size());
    for (char c : input)
        if (c != ' ' && c != '\t' && c != '\n') text += c;

    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) number += text[i++], digits = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++], digits = true;
    }
    if (!digits) return 0.0;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos)
        ReadExponent(text, i, number);
    if (number.back() == '.') number.pop_back();
    return Convert(number);
}

std::optional<double> StrictValue(std::string_view input) {
    std::size_t b = input.find_first_not_of(" \t");
    if (b == std::string_view::npos) return std::nullopt;
    std::size_t e = input.find_last_not_of(" \t");
    std::string_view text = input.substr(b, e - b + 1);

    std::string number;
    std::size_t i = 0;
    if (text[i] == '-' || text[i] == '+') number += text[i++];
    bool digits = false;
    // Integer part: digits with "," groups; a group mark needs a digit before it.
    while (i < text.size() && (IsDigit(text[i]) || (text[i] == ',' && digits))) {
        if (text[i] != ',') number += text[i], digits = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++], digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        std::size_t after = ReadExponent(text, i, number);
        if (after == i) return std::nullopt;
        i = after;
    }
    if (i != text.size()) return std::nullopt;
    if (number.back() == '.') number.pop_back();
    return Convert(number);
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<std::int32_t> ToLong(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<float> ToSingle(double value) {
    if (std::isnan(value)) return std::nullopt;
    float f = static_cast<float>(value);
    if (std::isinf(f)) return std::nullopt;
    return f;
}

std::string FormatFixed(double value, int decimals, bool digitGroups) {
    if (!std::isfinite(value)) return {};
    // The count indexes and sizes the fraction digits below: keep it in range.
    decimals = std::clamp(decimals, 0, MaxFixedDecimals);
    // Rounding is decided on the value's 15 significant digits, the digits the user sees
    // of it, so 2.675 (stored as 2.67499999...) rounds to 2.68 as written.
    char buf[64];
    std::string sci(buf, FormatDouble(buf, buf + sizeof buf, std::fabs(value),
                                      std::chars_format::scientific, 14));  // d.dddddddddddddde±XX
    std::size_t ePos = sci.find('e');
    int exponent = std::stoi(sci.substr(ePos + 1));
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);  // 15 digits

    // Integer and fraction digits.
    std::string intPart, fracPart;
    if (exponent >= 0) {
        if (exponent + 1 >= static_cast<int>(digits.size())) {
            intPart = digits + std::string(exponent + 1 - digits.size(), '0');
        } else {
            intPart = digits.substr(0, exponent + 1);
            fracPart = digits.substr(exponent + 1);
        }
    } else {
        intPart = "0";
        fracPart = std::string(-exponent - 1, '0') + digits;
    }
    // Round half away from zero at the wanted decimal.
    bool roundUp = static_cast<int>(fracPart.size()) > decimals && fracPart[decimals] >= '5';
    fracPart.resize(decimals, '0');
    if (roundUp) {
        std::string all = intPart + fracPart;
        int k = static_cast<int>(all.size()) - 1;
        while (k >= 0 && all[k] == '9') all[k--] = '0';
        if (k >= 0)
            ++all[k];
        else
            all.insert(all.begin(), '1');
        intPart = all.substr(0, all.size() - decimals);
        fracPart = all.substr(all.size() - decimals);
    }
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);

    if (digitGroups) {
        for (int pos = static_cast<int>(intPart.size()) - 3; pos > 0; pos -= 3)
            intPart.insert(static_cast<std::size_t>(pos), ",");
    }
    bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !isZero) ? "-" : "";
    out += intPart;
    if (decimals > 0) out += "." + fracPart;
    return out;
}

}  // namespace numbers
