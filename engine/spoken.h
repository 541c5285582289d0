// The calculator as it is heard: what a screen reader calls each keypad key, and an
// expression with its operators as words ("2x3" is "2 times 3", not "2 x 3").
#pragma once

#include <string>
#include <string_view>

namespace engine {

// A keypad key by its caption: the name it is heard by, and what types it on the keyboard.
struct SpokenKey {
    char caption;
    const char* name;
    const char* keyboard;
};
inline constexpr SpokenKey SpokenKeys[] = {
    {'0', "zero", "0"},          {'1', "one", "1"},
    {'2', "two", "2"},           {'3', "three", "3"},
    {'4', "four", "4"},          {'5', "five", "5"},
    {'6', "six", "6"},           {'7', "seven", "7"},
    {'8', "eight", "8"},         {'9', "nine", "9"},
    {'.', "decimal point", "."}, {'(', "open bracket", "("},
    {')', "close bracket", ")"}, {'/', "divided by", "/"},
    {'x', "times", "x"},         {'-', "minus", "-"},
    {'+', "plus", "+"},          {'=', "equals", "="},
    {'C', "clear", "c"},         {'<', "delete last character", "< or Backspace"},
};

// The display's text as it should be heard. An expression or a result (digits, the
// point, operators, brackets, "^" and exponent forms such as 1E+18) gets its operators and
// brackets as words: "2x(3+4)^2" is "2 times open bracket 3 plus 4 close bracket to the
// power of 2"; the sign of an exponent stays ("1E+18"). Any other text (a message, a
// prompt, an aerodrome) is heard as it stands.
std::string SpokenExpression(std::string_view display);

}  // namespace engine
