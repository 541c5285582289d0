// The keypad calculator's expression evaluator. It rewrites the expression text: each
// bracket is replaced by the text of its value, then each operator pass ("^", "/", "\",
// "x", "-", "+") is applied at its leftmost occurrence and the operation replaced by the
// text of its result. Intermediate values therefore pass through the 15-digit text form,
// which is why '1/3x3' gives 0.999999999999999. A value written back in exponent form
// ("1E-06", "1.15292150460685E+18") is one operand: its "E" and exponent sign are never
// split off by the "-" and "+" passes. A number or ")" directly before "(", and ")"
// directly before a number, multiply: '2(3)' is 6. Positions are 1-based.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace engine {

// Evaluates a copy of the text. True with Result set on success. When the text is
// rejected by CheckExpression, Result is left alone; when evaluation fails it is 0.
bool TryEvaluate(std::string Text, double& Result);

// Removes blanks and control characters (8, 9, 10, 13, 32) and checks the characters
// and the bracket balance. On failure Text becomes empty.
bool CheckExpression(std::string& Text);

// Evaluates a checked text, brackets included (a bracket next to a number or another
// bracket multiplies). On failure Value is 0.
bool EvaluateExpression(std::string& Text, double& Value);

// Carries out every occurrence of the operator Op (one of ^ / \ x - +).
// On failure Text becomes empty.
bool ApplyOperator(std::string& Text, char Op);

// Reads the number directly left (Leftward) or right of position Pos; a "-" that belongs
// to the number as its sign is taken with it, and a value in exponent form is read whole
// (mantissa, "E", exponent sign and digits). On failure Value is 0.
bool ReadOperand(const std::string& Text, std::int32_t Pos, double& Value, bool Leftward);

// Replaces the operation whose operator stands at Pos (both operands and a sign of the
// left operand) by the text of Value. On failure Text becomes empty.
bool ReplaceOperation(std::string& Text, std::int32_t Pos, double Value);

// Text form of a number with English settings (15 significant digits, "1E+15").
std::string NumberText(double value);
// Strict text-to-number conversion with English settings ("," groups digits).
std::optional<double> NumberValue(const std::string& text);

}  // namespace engine
