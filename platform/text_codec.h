// Windows-1252 byte strings <-> Unicode, only where texts meet the screen. A character
// outside the code page becomes "?" on the way back.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string ToUtf16(std::string_view bytes);
std::string FromUtf16(std::u16string_view text);
std::string ToUtf8(std::string_view bytes);
// Text that is not well-formed UTF-8 gives "?" for each byte that does not fit.
std::string FromUtf8(std::string_view text);
// Single character code (0..255) of a Unicode character; '?' when outside the page.
int CodeOf(char32_t c);

}  // namespace platform
