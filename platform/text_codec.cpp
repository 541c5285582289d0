#include "platform/text_codec.h"

#include <array>

namespace platform {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned codes keep their C1 control value.
constexpr std::array<char16_t, 32> HighPage = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t UnicodeOf(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x80 && code <= 0x9F ? HighPage[code - 0x80] : char16_t{code};
}

}  // namespace

int CodeOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t k = 0; k < HighPage.size(); ++k) {
        if (HighPage[k] == c) return static_cast<int>(0x80 + k);
    }
    return '?';
}

std::u16string ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char ch : bytes) out.push_back(UnicodeOf(ch));
    return out;
}

std::string FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char16_t c = text[k];
        // A character outside the basic plane arrives as two halves: one "?" for it.
        if (c >= 0xD800 && c <= 0xDBFF && k + 1 < text.size() && text[k + 1] >= 0xDC00 &&
            text[k + 1] <= 0xDFFF)
            ++k;
        out.push_back(static_cast<char>(CodeOf(c)));
    }
    return out;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const char16_t u = UnicodeOf(ch);
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<unsigned char>(text[k]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length > 0 && k + static_cast<std::size_t>(length) <= text.size();
        for (int i = 1; whole && i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[k + static_cast<std::size_t>(i)]);
            whole = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(whole ? static_cast<char>(CodeOf(c)) : '?');
        k += whole ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

}  // namespace platform
