#include "startup/text_lines.h"

namespace AvcalcMod {

const std::string& TextLine(std::int32_t n) {
    static const std::string none;
    return n >= 0 && n <= TextLineCount ? TextLines[static_cast<std::size_t>(n)] : none;
}

std::string JoinLines(std::int32_t first, std::int32_t last) {
    std::string out;
    for (std::int32_t n = first; n <= last; ++n) {
        if (n > first) out += "\r\n";
        out += TextLine(n);
    }
    return out;
}

}  // namespace AvcalcMod
