#include "formulas/computations.h"

#include <cmath>

#include "common/angles.h"
#include "common/checked.h"
#include "common/number_forms.h"
#include "startup/text_lines.h"

namespace formulas {

using checked::Num;
using checked::RoundedText;
using checked::Set;
using checked::SetSingle;
using namespace angles;
namespace Line = AvcalcMod::Line;

FieldReading ReadField(std::string_view text, std::int32_t Limit, const TextLineSource& lines) {
    FieldReading reading;
    auto value = numbers::LenientValue(text);
    // A number too large for a double is out of any field's range, whatever its sign.
    bool rejected = !value || (*value == 0 && text != "0") || *value > Limit;
    if (rejected) {
        reading.Rejected = true;
        reading.Value = 0.001;
        reading.NewText = lines[Line::RangeMessage] + std::to_string(Limit);
    } else {
        reading.Value = *value;
    }
    return reading;
}

namespace {

// One press of '=': the field reader that records rejections, and the text lines.
struct Press {
    const std::array<std::string, 4>& fields;
    const TextLineSource& lines;
    FormulaResult& result;
    FormulaState& state;

    double Read(int index, std::int32_t limit) {
        FieldReading r = ReadField(fields[static_cast<std::size_t>(index)], limit, lines);
        if (r.Rejected) {
            result.FieldTexts[static_cast<std::size_t>(index)] = r.NewText;
            result.LightDisplay = true;
        }
        state.FieldValue = r.Value;
        return r.Value;
    }
    // The course (to radians) and the true airspeed, the first two fields of both
    // four-field formulas.
    void ReadCourseAndAirspeed() {
        Set(state.Direction, Num(Read(0, 360)) * DegreesToRadians);
        state.Airspeed = Read(1, 999);
    }
    const std::string& Text(int n) const { return lines[static_cast<std::size_t>(n)]; }
    void Show(std::string text) { result.Display = std::move(text); }
    // Shows the pieces when every number among them could be worked out; a faulting
    // display statement leaves the display as it was.
    void ShowIf(std::initializer_list<std::optional<std::string>> pieces) {
        std::string text;
        for (const auto& p : pieces) {
            if (!p) return;
            text += *p;
        }
        Show(std::move(text));
    }
};

void AltimeterCorrection(Press& press) {
    double a = press.Read(0, 40);
    press.ShowIf(
        {press.Text(Line::AltimeterResult), RoundedText((Num(29.92) - a) * 1000), " feet."});
}

void TrueAirspeed(Press& press) {
    double h = 0, tas = 0;
    Set(h, numbers::RoundHalfEven(press.Read(0, 99000)));
    double b = press.Read(1, 999);
    Set(tas, Num(b) * 0.02 * (Num(h) / 1000) + b);  // 2 per cent per 1000 feet
    press.Show(press.Text(Line::TrueAirspeedResult) + numbers::GeneralText(tas));
}

void DensityAltitude(Press& press) {
    FormulaState& st = press.state;
    SetSingle(st.SavedField, press.Read(0, 99));
    double p = press.Read(1, 50);
    double rankine = 0, altitude = 0;
    float density = 0;
    Set(rankine, Num(st.SavedField) * (9.0 / 5.0) + 32 + 459.67);
    SetSingle(density, Num(p) * 1.32625 / rankine);
    Set(altitude, (Num(11346) - Num(density) * 148300) / (Num(0.37921) - density));
    press.ShowIf({press.Text(Line::DensityAltitudeResult), RoundedText(altitude)});
}

void DewPoint(Press& press) {
    FormulaState& st = press.state;
    SetSingle(st.SavedField, press.Read(0, 99));
    double h = press.Read(1, 100);
    Num t = st.SavedField;
    float g = 0;
    double dewPoint = 0;
    // A humidity of 0 or below has no logarithm: G stays 0 and the dew point reads 0.0.
    SetSingle(g, (checked::Ln(Num(h) / 100) + t * 17.27 / (t + 237.3)) / 17.27);
    Set(dewPoint, Num(g) * 237.3 / (Num(1) - g));
    press.Show(press.Text(Line::DewPointResult) + numbers::FormatOneDecimal(dewPoint));
}

void Crosswind(Press& press) {
    FormulaState& st = press.state;
    st.Speed = press.Read(0, 999);
    double a = 0;
    Set(a, Num(press.Read(1, 90)) * DegreesToRadians);
    press.ShowIf({press.Text(Line::CrosswindResult), RoundedText(checked::Sin(a) * st.Speed),
                  press.Text(Line::HeadwindResult), RoundedText(checked::Cos(a) * st.Speed)});
}

void HeadingAndGroundspeed(Press& press) {
    FormulaState& st = press.state;
    press.ReadCourseAndAirspeed();
    double tc = st.Direction, v = st.Airspeed;
    double wd = 0;
    Set(wd, Num(press.Read(2, 360)) * DegreesToRadians);
    double ws = press.Read(3, 999);
    double x = 0, e = 0, g = 0;
    // An airspeed of 0 faults here: X stays 0 and the heading holds the course.
    Set(x, Num(ws) / v * checked::Sin(Num(wd) - tc));
    e = ArcSin(x);
    double heading = 0;
    if (Set(heading, Num(e) + tc)) NormalizeAngle(heading);
    st.Heading = heading;
    Set(g, Num(v) * checked::Sqrt(Num(1) - Num(x) * x) - Num(ws) * checked::Cos(Num(wd) - tc));
    // With the wind's cross component as large as the airspeed no heading holds the
    // course: there is no wind correction angle to show.
    if (std::fabs(x) >= 1 || numbers::RoundHalfEven(g) <= 0) {
        press.Show(press.Text(Line::NoSolution));
        return;
    }
    press.ShowIf({press.Text(Line::HeadingResult), RoundedText(Num(heading) * RadiansToDegrees),
                  " at ", RoundedText(g)});
}

void WindFromTrack(Press& press) {
    FormulaState& st = press.state;
    press.ReadCourseAndAirspeed();
    double t = st.Direction, v = st.Airspeed;
    Set(st.Heading, Num(press.Read(2, 360)) * DegreesToRadians);
    double g = press.Read(3, 999);
    double d = 0, w = 0;
    Set(d, Num(st.Heading) - t);
    Set(st.Speed, checked::Sqrt(checked::Square(Num(v) - g) +
                                Num(4) * v * g * checked::Square(checked::Sin(Num(d) / 2))));
    Num y = Num(v) * checked::Sin(d);
    Num xs = Num(v) * checked::Cos(d) - g;
    if (y.ok && xs.ok && Set(w, Num(VectorAngle(y.v, xs.v)) + t)) NormalizeAngle(w);
    if (numbers::RoundHalfEven(st.Speed) > 0)
        press.ShowIf({press.Text(Line::WindResult), RoundedText(Num(w) * RadiansToDegrees), " at ",
                      RoundedText(st.Speed)});
    else
        press.Show(press.Text(Line::NoSolution));
}

}  // namespace

FormulaResult RunFormula(char code, const std::array<std::string, 4>& fields,
                         const TextLineSource& lines, FormulaState& state) {
    FormulaResult result;
    Press press{fields, lines, result, state};
    switch (code) {
        case 'e':
            AltimeterCorrection(press);
            break;
        case 'a':
            TrueAirspeed(press);
            break;
        case 's':
            DensityAltitude(press);
            break;
        case 'o':
            DewPoint(press);
            break;
        case 'w':
            Crosswind(press);
            break;
        case 'd':
            HeadingAndGroundspeed(press);
            break;
        case '-':
            WindFromTrack(press);
            break;
        default:
            break;
    }
    return result;
}

namespace {
constexpr PromptLayout kPrompts[] = {
    {'e', Line::AltimeterSettingTitle, 0},   {'a', Line::AltitudeTitle, 1},
    {'s', Line::DensityTemperatureTitle, 1}, {'o', Line::DewTemperatureTitle, 1},
    {'p', Line::SearchTextTitle, 0},         {'y', Line::DepartureTitle, 1},
    {'-', Line::WindHeadingTitle, 3},        {'d', Line::WindDirectionTitle, 3},
    {'w', Line::WindSpeedTitle, 1},
};
}  // namespace

std::optional<PromptLayout> PromptLayoutFor(char code) {
    for (const PromptLayout& p : kPrompts)
        if (p.code == code) return p;
    return std::nullopt;
}

Prompt PromptFor(std::int32_t firstLine, std::int32_t lastField, const TextLineSource& lines) {
    auto T = [&lines](std::int32_t n) -> const std::string& {
        static const std::string none;
        return n >= 0 && n <= AvcalcMod::TextLineCount ? lines[static_cast<std::size_t>(n)] : none;
    };
    const std::int32_t F = firstLine;
    const std::string& start = T(Line::PromptStart);
    const std::string& end = T(Line::PromptEnd);
    if (lastField == 0) return {start + T(F) + end + "    ", {T(F)}};
    if (lastField == 1) return {start + T(F) + " and the " + T(F + 1) + end, {T(F), T(F + 1)}};
    const std::string& course = T(Line::TrueCourseTitle);
    const std::string& airspeed = T(Line::TrueAirspeedTitle);
    return {start + course + ", " + airspeed + ", " + T(F) + " and " + T(F + 1) + end,
            {course, airspeed, T(F), T(F + 1)}};
}

}  // namespace formulas
