#include "common/shared_routines.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "common/number_forms.h"

namespace AvcalcMod {

double MidVal(std::string_view text, std::int32_t start, std::int32_t length) {
    if (start < 1 || length < 1) return 0;
    auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size()) return 0;
    return numbers::LenientValue(text.substr(from, static_cast<std::size_t>(length))).value_or(0);
}

std::string DropRight(std::string_view text, std::int32_t n) {
    if (n <= 0) return std::string(text);
    if (static_cast<std::size_t>(n) > text.size()) return {};
    return std::string(text.substr(0, text.size() - static_cast<std::size_t>(n)));
}

namespace {
// A 24-bit linear congruential generator: small, fast and the same on every machine,
// which is all a choice of gradient style needs.
std::uint32_t randomState = InitialRandomState;
std::optional<std::uint32_t> fixedClockSeed;
}  // namespace

void FixClockSeed(std::optional<std::uint32_t> seed) {
    fixedClockSeed = seed;
}

float NextRandom() {
    randomState = (randomState * 1140671485U + 12820163U) & 0xFFFFFFU;
    return static_cast<float>(randomState) / 16777216.0F;
}

void Randomize(std::uint32_t seed) {
    randomState = seed & 0xFFFFFFU;
}

void Randomize() {
    if (fixedClockSeed) {
        Randomize(*fixedClockSeed);
        return;
    }
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    Randomize(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

std::optional<std::int32_t> RandomBetween(std::int32_t low, std::int32_t high) {
    std::int64_t span = static_cast<std::int64_t>(high) - low + 1;
    if (span > INT32_MAX || span < INT32_MIN) return std::nullopt;
    float r = NextRandom();
    auto value = static_cast<std::int64_t>(std::floor(static_cast<double>(r) * span)) + low;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

char LowerChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 192 && u <= 222 && u != 215))
        return static_cast<char>(u + 32);
    if (u == 138 || u == 140 || u == 142) return static_cast<char>(u + 16);
    if (u == 159) return static_cast<char>(255);
    return c;
}

char UpperChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 224 && u <= 254 && u != 247))
        return static_cast<char>(u - 32);
    if (u == 154 || u == 156 || u == 158) return static_cast<char>(u - 16);
    if (u == 255) return static_cast<char>(159);
    return c;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerChar(c);
    return out;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperChar(c);
    return out;
}

std::int32_t InStrNoCase(std::string_view text, std::string_view pattern) {
    if (text.empty()) return 0;
    std::size_t pos = Lower(text).find(Lower(pattern));
    return pos == std::string::npos ? 0 : static_cast<std::int32_t>(pos + 1);
}

namespace {
std::string WithoutLeadingZero(std::string text) {
    if (text.rfind("0.", 0) == 0) return text.substr(1);
    if (text.rfind("-0.", 0) == 0) return "-" + text.substr(2);
    return text;
}
}  // namespace

std::string TrimmedStr(double number) {
    return WithoutLeadingZero(numbers::GeneralText(number));
}
std::string TrimmedStr(float number) {
    return WithoutLeadingZero(numbers::GeneralText(number));
}
std::string TrimmedStr(std::int32_t number) {
    return std::to_string(number);
}

std::int32_t CharCode(std::string_view text, std::int32_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) return 0;
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

bool IsBetween(std::int32_t value, std::int32_t low, std::int32_t high) {
    return low < value && value < high;
}

std::optional<std::int32_t> GridPosition(std::int32_t index, std::int32_t step,
                                         std::int32_t offset) {
    std::int32_t a = 0, b = 0, c = 0;
    if (__builtin_add_overflow(index, 1, &a)) return std::nullopt;
    if (__builtin_mul_overflow(a, step, &b)) return std::nullopt;
    if (__builtin_add_overflow(b, offset, &c)) return std::nullopt;
    return c;
}

std::string PastedText(std::string_view clipboard) {
    clipboard = clipboard.substr(0, std::min(clipboard.find_first_of("\r\n"), MaxPastedLength));
    std::string typed;
    for (const char c : clipboard)
        if (static_cast<unsigned char>(c) >= 32 && c != 127) typed.push_back(c);
    return typed;
}

}  // namespace AvcalcMod
