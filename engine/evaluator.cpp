#include "engine/evaluator.h"

#include <climits>
#include <cmath>
#include <exception>

#include "common/number_forms.h"
#include "common/shared_routines.h"

namespace engine {
namespace {

using AvcalcMod::CharCode;

std::int32_t Length(const std::string& text) {
    return static_cast<std::int32_t>(text.size());
}

bool IsNumberChar(std::int32_t c) {
    return AvcalcMod::IsBetween(c, 47, 58) || c == ',' || c == '.';
}

// True when a number can be read directly left of position pos. This is the test that
// decides whether a "-" is a sign. The number found there may itself carry a sign, but a
// leading "-" never changes whether a run of number characters converts, so the check
// does not need to follow the chain of signs further left. That keeps it to one pass
// over one run, with no recursion, however many "-" stand in a row.
bool CanReadLeft(const std::string& text, std::int32_t pos) {
    std::int32_t end = pos - 1;
    if (end < 1 || CharCode(text, end) == '-') return false;
    std::int32_t start = end;
    while (IsNumberChar(CharCode(text, start))) --start;
    // The run is the characters start + 1 .. end.
    return NumberValue(
               text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))
        .has_value();
}

// Value of one operation; empty when it has no finite result (division by zero, an
// integer-division operand or quotient outside 32 bits, an overflow, a power without a
// real value), so the whole evaluation fails instead of showing NaN or infinity.
std::optional<double> Operate(double left, char op, double right) {
    double r = 0;
    switch (op) {
        case '^':
            r = std::pow(left, right);
            break;
        case '/':
            if (right == 0) return std::nullopt;
            r = left / right;
            break;
        case '\\': {
            auto a = numbers::ToLong(left);
            auto b = numbers::ToLong(right);
            if (!a || !b || *b == 0) return std::nullopt;
            if (*a == INT32_MIN && *b == -1) return std::nullopt;  // quotient overflows
            r = static_cast<double>(*a / *b);
            break;
        }
        case 'x':
            r = left * right;
            break;
        case '-':
            r = left - right;
            break;
        case '+':
            r = left + right;
            break;
        default:
            return std::nullopt;
    }
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

// Applies the six operator passes to a text without brackets and reads the result.
bool EvaluateFlat(std::string& text, double& value) {
    for (char op : {'^', '/', '\\', 'x', '-', '+'})
        if (!ApplyOperator(text, op)) return false;
    auto v = NumberValue(text);
    if (!v) return false;
    value = *v;
    return true;
}

}  // namespace

std::string NumberText(double value) {
    return numbers::GeneralText(value);
}

std::optional<double> NumberValue(const std::string& text) {
    return numbers::StrictValue(text);
}

bool TryEvaluate(std::string Text, double& Result) {
    try {
        if (!CheckExpression(Text)) return false;
        return EvaluateExpression(Text, Result);
    } catch (const std::exception&) {
        return false;
    }
}

bool CheckExpression(std::string& Text) {
    std::size_t b = Text.find_first_not_of(' ');
    Text =
        b == std::string::npos ? std::string() : Text.substr(b, Text.find_last_not_of(' ') - b + 1);

    std::size_t i = 0;
    int depth = 0;
    while (i < Text.size()) {
        char c = Text[i];
        if (c == 8 || c == 9 || c == 10 || c == 13 || c == 32) {
            Text.erase(i, 1);
            continue;
        }
        if (std::string_view("^/\\x-+,.").find(c) != std::string_view::npos ||
            (c >= '0' && c <= '9')) {
            ++i;
        } else if (c == '(') {
            ++depth, ++i;
        } else if (c == ')') {
            --depth, ++i;
        } else {
            Text.clear();
            return false;
        }
        if (depth < 0) break;
    }
    if (depth != 0) {
        Text.clear();
        return false;
    }
    return true;
}

bool EvaluateExpression(std::string& Text, double& Value) {
    try {
        // Brackets are done innermost first, leftmost first, in a loop rather than by
        // recursion, so no depth of nesting can exhaust the stack. A bracket's value
        // depends only on its own content, so the order gives the same texts as
        // evaluating each outer bracket's content recursively.
        for (;;) {
            std::size_t open = Text.find('(');
            if (open == std::string::npos) break;
            std::size_t close = Text.find(')');
            if (close == std::string::npos || close < open) {
                Value = 0;
                return false;
            }
            std::size_t innerOpen = Text.rfind('(', close);
            std::string inner = Text.substr(innerOpen + 1, close - innerOpen - 1);
            double innerValue = 0;
            if (!EvaluateFlat(inner, innerValue)) {
                Value = 0;
                return false;
            }
            Text.replace(innerOpen, close - innerOpen + 1, NumberText(innerValue));
        }
        if (!EvaluateFlat(Text, Value)) {
            Value = 0;
            return false;
        }
        return true;
    } catch (const std::exception&) {
        Value = 0;
        return false;
    }
}

bool ApplyOperator(std::string& Text, char Op) {
    std::size_t found = Text.find(Op);
    while (found != std::string::npos) {
        auto p = static_cast<std::int32_t>(found + 1);
        double left = 0, right = 0;
        bool hasLeft = ReadOperand(Text, p, left, true);
        bool hasRight = ReadOperand(Text, p, right, false);
        if (!hasLeft) {
            if (hasRight && Op == '-') {  // a sign, not a subtraction
                found = Text.find('-', found + 1);
                continue;
            }
            Text.clear();
            return false;
        }
        auto value = hasRight ? Operate(left, Op, right) : std::nullopt;
        if (!value || !ReplaceOperation(Text, p, *value)) {
            Text.clear();
            return false;
        }
        found = Text.find(Op);
    }
    return true;
}

bool ReadOperand(const std::string& Text, std::int32_t Pos, double& Value, bool Leftward) {
    Value = 0;
    std::int32_t step = Leftward ? -1 : 1;
    std::int32_t i = Pos + step;
    if (i < 1) return false;
    std::int32_t c = CharCode(Text, i);
    if (c == '-') {
        if (Leftward) return false;
        ++i;
        c = CharCode(Text, i);
    }
    while (IsNumberChar(c)) {
        i += step;
        c = CharCode(Text, i);
    }
    if (Leftward && c == '-' && !CanReadLeft(Text, i)) --i;

    std::int32_t first = Leftward ? i + 1 : Pos + 1;
    std::int32_t last = Leftward ? Pos - 1 : i - 1;
    if (last < first || first < 1 || last > Length(Text)) return false;
    auto v = NumberValue(Text.substr(static_cast<std::size_t>(first - 1),
                                     static_cast<std::size_t>(last - first + 1)));
    if (!v) return false;
    Value = *v;
    return true;
}

bool ReplaceOperation(std::string& Text, std::int32_t Pos, double Value) {
    std::string number = NumberText(Value);
    if (number.empty() || Pos < 1 || Pos > Length(Text)) {
        Text.clear();
        return false;
    }
    std::int32_t i = Pos - 1;
    while (IsNumberChar(CharCode(Text, i))) --i;
    if (CharCode(Text, i) == '-' && !CanReadLeft(Text, i)) --i;

    std::int32_t j = Pos + 1;
    if (CharCode(Text, j) == '-') j = Pos + 2;
    while (IsNumberChar(CharCode(Text, j))) ++j;

    std::string rest =
        j <= Length(Text) ? Text.substr(static_cast<std::size_t>(j - 1)) : std::string();
    Text = Text.substr(0, static_cast<std::size_t>(i)) + number + rest;
    return true;
}

}  // namespace engine
