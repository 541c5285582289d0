// The flight-computer formulas: reading the input fields with their range checks, the
// shared angle routines, and the seven computing formulas (e, a, s, o, w, d, -). Each
// formula takes the field texts and gives the display text, the fields it rejected
// with their new text, and whether the display's text colour turns light.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "startup/avcalc_mod.h"

namespace formulas {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double DegreesToRadians = 0.017453292519943278;
inline constexpr double RadiansToDegrees = 57.29577951308238;

// Text lines 1..565 of the data file, element 0 empty (AvcalcMod::TextLines).
using TextLineSource = std::array<std::string, AvcalcMod::TextLineCount + 1>;

inline constexpr int RangeMessageLine = 358;
inline constexpr int NoSolutionLine = 562;

// The outcome of reading one field.
struct FieldReading {
    double Value = 0;        // 0.001 in place of a rejected field
    bool Rejected = false;
    std::string NewText;     // the field's new text when rejected
};

// The leading number of the field text. Rejected when it is 0 and the text is not
// exactly "0", when it is above Limit, or when it does not fit a double at all.
// A rejected field reads as 0.001 and its text becomes line 358 and the limit.
FieldReading ReadField(std::string_view text, std::int32_t Limit, const TextLineSource& lines);

// Brings an angle (radians) into one turn: one correction each way, so 2 pi stays 2 pi.
double NormalizeAngle(double& Angle);
// Direction angle of the vector (X, Y) in radians, -pi to pi, held as a single.
float VectorAngle(double Y, double X);
// Inverse sine; 0 at and beyond -1 and 1 (where the formula has no value).
double ArcSin(double X);
// Inverse cosine; 0 for X of 1 or more, pi for -1 or less.
double ArcCos(double X);

// The window state a formula writes, for the window to keep.
struct FormulaState {
    double FieldValue = 0;
    float SavedField = 0;
    double Direction = 0;
    double Airspeed = 0;
    double Heading = 0;
    double Speed = 0;
};

struct FormulaResult {
    std::optional<std::string> Display;                      // empty: leave the display as it is
    std::array<std::optional<std::string>, 4> FieldTexts;    // new text of each rejected field
    bool LightDisplay = false;                               // a field was rejected
    FormulaState State;
};

// ReadField(0, 360) for the course (to radians) and ReadField(1, 999) for the airspeed.
void ReadCourseAndAirspeed(const std::array<std::string, 4>& fields, const TextLineSource& lines,
                           FormulaResult& result);

// Runs formula e, a, s, o, w, d or - on the four field texts. Any other code leaves
// everything as it is.
FormulaResult RunFormula(char code, const std::array<std::string, 4>& fields,
                         const TextLineSource& lines);

}  // namespace formulas
