// Checked arithmetic. A statement whose arithmetic faults (a division by zero, an
// overflow, the square root of a negative number, the logarithm of zero or less) is
// skipped as a whole, so the value it would have set keeps what it had. A Num carries
// whether any step of its computation faulted; no NaN or infinity is ever stored, so
// none can reach the screen.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "common/number_forms.h"

namespace checked {

struct Num {
    double v = 0;
    bool ok = true;
    Num(double value) : v(value), ok(std::isfinite(value)) {}  // NOLINT: plain numbers mix in
    Num(double value, bool fine) : v(value), ok(fine && std::isfinite(value)) {}
};

inline Num operator+(Num a, Num b) {
    return {a.v + b.v, a.ok && b.ok};
}
inline Num operator-(Num a, Num b) {
    return {a.v - b.v, a.ok && b.ok};
}
inline Num operator-(Num a) {
    return {-a.v, a.ok};
}
inline Num operator*(Num a, Num b) {
    return {a.v * b.v, a.ok && b.ok};
}
inline Num operator/(Num a, Num b) {
    return {b.v == 0 ? 0 : a.v / b.v, a.ok && b.ok && b.v != 0};
}

inline Num Sin(Num a) {
    return {std::sin(a.v), a.ok};
}
inline Num Cos(Num a) {
    return {std::cos(a.v), a.ok};
}
inline Num Atan(Num a) {
    return {std::atan(a.v), a.ok};
}
inline Num Sqrt(Num a) {
    return {a.v < 0 ? 0 : std::sqrt(a.v), a.ok && a.v >= 0};
}
inline Num Ln(Num a) {
    return {a.v <= 0 ? 0 : std::log(a.v), a.ok && a.v > 0};
}
inline Num Square(Num a) {
    return a * a;
}

// Stores the value unless its computation faulted; tells whether it did store.
inline bool Set(double& target, Num n) {
    if (n.ok) target = n.v;
    return n.ok;
}
// The same into a single: a value too large for a single is an overflow too.
inline bool SetSingle(float& target, Num n) {
    if (!n.ok) return false;
    auto f = numbers::ToSingle(n.v);
    if (f) target = *f;
    return f.has_value();
}

// Rounded to a whole number (halves to even) in general text form; empty on a fault.
inline std::optional<std::string> RoundedText(Num n) {
    if (!n.ok) return std::nullopt;
    return numbers::GeneralText(numbers::RoundHalfEven(n.v));
}

}  // namespace checked
