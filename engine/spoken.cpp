#include "engine/spoken.h"

namespace engine {

std::string SpokenExpression(std::string_view display) {
    for (const char c : display)
        if ((c >= 'a' && c <= 'z' && c != 'x') || (c >= 'A' && c <= 'Z' && c != 'E'))
            return std::string(display);
    std::string heard;
    for (std::size_t k = 0; k < display.size(); ++k) {
        const char c = display[k];
        const bool exponentSign = (c == '+' || c == '-') && k >= 2 && display[k - 1] == 'E' &&
                                  display[k - 2] >= '0' && display[k - 2] <= '9';
        const char* word = c == '^' ? "to the power of" : nullptr;
        for (const SpokenKey& key : SpokenKeys)
            if (key.caption == c && std::string_view("x/+-()").find(c) != std::string_view::npos)
                word = key.name;
        if (word == nullptr || exponentSign) {
            heard.push_back(c);
            continue;
        }
        if (!heard.empty() && heard.back() != ' ') heard.push_back(' ');
        heard += word;
        heard.push_back(' ');
    }
    while (!heard.empty() && heard.back() == ' ') heard.pop_back();
    return heard;
}

}  // namespace engine
