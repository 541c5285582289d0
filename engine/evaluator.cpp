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

// A "+" or "-" directly after an "E" is the sign of an exponent, not an operator. Only
// a value written back by the evaluator can hold an "E" (CheckExpression refuses one
// typed by the user), and such a value always has its exponent sign.
bool IsExponentSign(const std::string& text, std::int32_t pos) {
    std::int32_t c = CharCode(text, pos);
    return (c == '+' || c == '-') && CharCode(text, pos - 1) == 'E';
}

// The position just left of the unsigned number that ends at position end: the number
// is the characters from the result + 1 to end. A value in exponent form ("1.5E-07") is
// one number: its "E" and exponent sign are crossed to the mantissa.
std::int32_t NumberStartLeftOf(const std::string& text, std::int32_t end) {
    std::int32_t i = end;
    while (IsNumberChar(CharCode(text, i))) --i;
    if (i < end && IsExponentSign(text, i)) {
        i -= 2;
        while (IsNumberChar(CharCode(text, i))) --i;
    }
    return i;
}

// The position just right of the unsigned number that starts at position start; an
// exponent part ("E", its sign and digits) belongs to the number.
std::int32_t NumberEndRightOf(const std::string& text, std::int32_t start) {
    std::int32_t i = start;
    while (IsNumberChar(CharCode(text, i))) ++i;
    if (i > start && IsExponentSign(text, i + 1)) {
        std::int32_t j = i + 2;
        while (AvcalcMod::IsBetween(CharCode(text, j), 47, 58)) ++j;
        if (j > i + 2) i = j;
    }
    return i;
}

// The first occurrence of the operator at or after the 0-based index from; an exponent
// sign is not an operator.
std::size_t FindOperator(const std::string& text, char op, std::size_t from) {
    std::size_t found = text.find(op, from);
    while (found != std::string::npos && IsExponentSign(text, static_cast<std::int32_t>(found + 1)))
        found = text.find(op, found + 1);
    return found;
}

// True when a number can be read directly left of position pos. This is the test that
// decides whether a "-" is a sign. The number found there may itself carry a sign, but a
// leading "-" never changes whether a run of number characters converts, so the check
// does not need to follow the chain of signs further left. That keeps it to one pass
// over one run, with no recursion, however many "-" stand in a row.
bool CanReadLeft(const std::string& text, std::int32_t pos) {
    std::int32_t end = pos - 1;
    if (end < 1 || CharCode(text, end) == '-') return false;
    std::int32_t start = NumberStartLeftOf(text, end);
    // The run is the characters start + 1 .. end.
    return NumberValue(
               text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))
        .has_value();
}

// A bracket next to a number multiplies: "x" goes between a number or ")" and the "("
// after it, and between ")" and the number after it, so '2(3)' is 2x3 and '(1+1)3' is
// (1+1)x3. Without it the bracket's value would run together with the digits.
std::string WithImpliedProducts(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k > 0) {
            const char before = text[k - 1];
            const char now = text[k];
            if ((now == '(' &&
                 (before == ')' || IsNumberChar(static_cast<unsigned char>(before)))) ||
                (before == ')' && IsNumberChar(static_cast<unsigned char>(now))))
                out += 'x';
        }
        out += text[k];
    }
    return out;
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
        Text = WithImpliedProducts(Text);
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
    std::size_t found = FindOperator(Text, Op, 0);
    while (found != std::string::npos) {
        auto p = static_cast<std::int32_t>(found + 1);
        double left = 0, right = 0;
        bool hasLeft = ReadOperand(Text, p, left, true);
        bool hasRight = ReadOperand(Text, p, right, false);
        if (!hasLeft) {
            if (hasRight && Op == '-') {  // a sign, not a subtraction
                found = FindOperator(Text, '-', found + 1);
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
        found = FindOperator(Text, Op, 0);
    }
    return true;
}

bool ReadOperand(const std::string& Text, std::int32_t Pos, double& Value, bool Leftward) {
    Value = 0;
    std::int32_t first = 0, last = 0;
    if (Leftward) {
        last = Pos - 1;
        // A "-" directly left of an operator leaves it without a left operand.
        if (last < 1 || CharCode(Text, last) == '-') return false;
        std::int32_t i = NumberStartLeftOf(Text, last);
        if (CharCode(Text, i) == '-' && !CanReadLeft(Text, i)) --i;  // the number's sign
        first = i + 1;
    } else {
        first = Pos + 1;
        std::int32_t i = first;
        if (CharCode(Text, i) == '-') ++i;  // the number's sign
        last = NumberEndRightOf(Text, i) - 1;
    }
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
    std::int32_t i = NumberStartLeftOf(Text, Pos - 1);
    if (CharCode(Text, i) == '-' && !CanReadLeft(Text, i)) --i;

    std::int32_t j = Pos + 1;
    if (CharCode(Text, j) == '-') j = Pos + 2;
    j = NumberEndRightOf(Text, j);

    std::string rest =
        j <= Length(Text) ? Text.substr(static_cast<std::size_t>(j - 1)) : std::string();
    Text = Text.substr(0, static_cast<std::size_t>(i)) + number + rest;
    return true;
}

}  // namespace engine
