// The flight-computer formulas: the prompt and fields each formula asks for, reading the
// input fields with their range checks, and the seven computing formulas (e, a, s, o,
// w, d, -). Each formula takes the field texts and gives the display text, the fields it
// rejected with their new text, and whether the display's text colour turns light.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "startup/avcalc_mod.h"

namespace formulas {

// Text lines 1..565 of the data file, element 0 empty (AvcalcMod::TextLines).
using TextLineSource = AvcalcMod::TextLineArray;

// The outcome of reading one field.
struct FieldReading {
    double Value = 0;  // 0.001 in place of a rejected field
    bool Rejected = false;
    std::string NewText;  // the field's new text when rejected
};

// The leading number of the field text. Rejected when it is 0 and the text is not
// exactly "0", when it is above Limit, or when it does not fit a double at all.
// A rejected field reads as 0.001 and its text becomes the range message and the limit.
FieldReading ReadField(std::string_view text, std::int32_t Limit, const TextLineSource& lines);

// The values the formulas keep in the main window between presses of '='. A statement
// that faults leaves its value as it was, so the window passes the same state each time.
struct FormulaState {
    double FieldValue = 0;  // the field read last, in its own unit
    float SavedField = 0;   // a temperature (degrees Celsius) kept while a second field is read
    double Direction = 0;   // true course, radians
    double Airspeed = 0;    // true airspeed, knots
    double Heading = 0;     // radians
    double Speed = 0;       // wind speed, knots
};

struct FormulaResult {
    std::optional<std::string> Display;                    // empty: leave the display as it is
    std::array<std::optional<std::string>, 4> FieldTexts;  // new text of each rejected field
    bool LightDisplay = false;                             // a field was rejected
};

// Runs formula e, a, s, o, w, d or - on the four field texts, updating the window's
// state. Any other code leaves everything as it is.
FormulaResult RunFormula(char code, const std::array<std::string, 4>& fields,
                         const TextLineSource& lines, FormulaState& state);

// Where a formula's fields and prompt come from: the first title line and the highest
// field slot used (0, 1 or 3). Empty for a code that is none of the nine.
struct PromptLayout {
    char code;
    std::int32_t firstLine;
    std::int32_t lastField;
};
std::optional<PromptLayout> PromptLayoutFor(char code);

// The prompt shown on the display and the titles of field slots 0..lastField: one field
// "start, title, end, four blanks"; two "start, title and the title, end"; four "start,
// course, airspeed, title and title, end".
struct Prompt {
    std::string text;
    std::vector<std::string> titles;
};
Prompt PromptFor(std::int32_t firstLine, std::int32_t lastField, const TextLineSource& lines);

}  // namespace formulas
