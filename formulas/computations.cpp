#include "formulas/computations.h"

#include <cmath>

#include "formulas/checked.h"
#include "startup/number_forms.h"

namespace formulas {

using checked::Num;
using checked::RoundedText;
using checked::Set;
using checked::SetSingle;

FieldReading ReadField(std::string_view text, std::int32_t Limit, const TextLineSource& lines) {
    FieldReading reading;
    auto value = runtime::LenientValue(text);
    // A number too large for a double is out of any field's range, whatever its sign.
    bool rejected = !value || (*value == 0 && text != "0") || *value > Limit;
    if (rejected) {
        reading.Rejected = true;
        reading.Value = 0.001;
        reading.NewText = lines[RangeMessageLine] + std::to_string(Limit);
    } else {
        reading.Value = *value;
    }
    return reading;
}

double NormalizeAngle(double& Angle) {
    if (Angle < 0) Set(Angle, Num(Angle) + 2 * Pi);
    if (Angle > 2 * Pi) Set(Angle, Num(Angle) - 2 * Pi);
    return Angle;
}

float VectorAngle(double Y, double X) {
    double r = 0;
    if (X > 0) {
        Set(r, checked::Atan(Num(Y) / X) * RadiansToDegrees);
    } else if (X < 0) {
        if (Y >= 0)
            Set(r, (checked::Atan(Num(Y) / X) + Pi) * RadiansToDegrees);
        else
            Set(r, (checked::Atan(Num(Y) / X) - Pi) * RadiansToDegrees);
    } else if (Y > 0) {
        r = 90;
    } else if (Y < 0) {
        r = -90;
    } else {
        return 0;
    }
    float result = 0;
    SetSingle(result, Num(r) * DegreesToRadians);
    return result;
}

double ArcSin(double X) {
    if (!(X > -1 && X < 1)) return 0;
    return std::atan(X / std::sqrt(1 - X * X));
}

double ArcCos(double X) {
    if (X >= 1) return 0;
    if (X <= -1) return Pi;
    if (std::isnan(X)) return 0;
    return std::atan(-X / std::sqrt(1 - X * X)) + 2 * std::atan(1.0);
}

namespace {

// One press of '=': the field reader that records rejections, and the text lines.
struct Press {
    const std::array<std::string, 4>& fields;
    const TextLineSource& lines;
    FormulaResult& result;

    double Read(int index, std::int32_t limit) {
        FieldReading r = ReadField(fields[static_cast<std::size_t>(index)], limit, lines);
        if (r.Rejected) {
            result.FieldTexts[static_cast<std::size_t>(index)] = r.NewText;
            result.LightDisplay = true;
        }
        result.State.FieldValue = r.Value;
        return r.Value;
    }
    const std::string& Line(int n) const { return lines[static_cast<std::size_t>(n)]; }
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
    press.ShowIf({press.Line(27), RoundedText((Num(29.92) - a) * 1000), " feet."});
}

void TrueAirspeed(Press& press) {
    double h = 0, tas = 0;
    Set(h, runtime::RoundHalfEven(press.Read(0, 99000)));
    double b = press.Read(1, 999);
    Set(tas, Num(b) * 0.02 * (Num(h) / 1000) + b);  // 2 per cent per 1000 feet
    press.Show(press.Line(176) + runtime::GeneralText(tas));
}

void DensityAltitude(Press& press) {
    FormulaState& st = press.result.State;
    SetSingle(st.SavedField, press.Read(0, 99));
    double p = press.Read(1, 50);
    double rankine = 0, altitude = 0;
    float density = 0;
    Set(rankine, Num(st.SavedField) * (9.0 / 5.0) + 32 + 459.67);
    SetSingle(density, Num(p) * 1.32625 / rankine);
    Set(altitude, (Num(11346) - Num(density) * 148300) / (Num(0.37921) - density));
    press.ShowIf({press.Line(284), RoundedText(altitude)});
}

void DewPoint(Press& press) {
    FormulaState& st = press.result.State;
    SetSingle(st.SavedField, press.Read(0, 99));
    double h = press.Read(1, 100);
    Num t = st.SavedField;
    float g = 0;
    double dewPoint = 0;
    // A humidity of 0 or below has no logarithm: G stays 0 and the dew point reads 0.0.
    SetSingle(g, (checked::Ln(Num(h) / 100) + t * 17.27 / (t + 237.3)) / 17.27);
    Set(dewPoint, Num(g) * 237.3 / (Num(1) - g));
    press.Show(press.Line(236) + runtime::FormatOneDecimal(dewPoint));
}

void Crosswind(Press& press) {
    FormulaState& st = press.result.State;
    st.Speed = press.Read(0, 999);
    double a = 0;
    Set(a, Num(press.Read(1, 90)) * DegreesToRadians);
    press.ShowIf({press.Line(230), RoundedText(checked::Sin(a) * st.Speed), press.Line(231),
                  RoundedText(checked::Cos(a) * st.Speed)});
}

void HeadingAndGroundspeed(Press& press) {
    FormulaState& st = press.result.State;
    ReadCourseAndAirspeed(press.fields, press.lines, press.result);
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
    if (std::fabs(x) >= 1 || runtime::RoundHalfEven(g) <= 0) {
        press.Show(press.Line(NoSolutionLine));
        return;
    }
    press.ShowIf({press.Line(177), RoundedText(Num(heading) * RadiansToDegrees), " at ",
                  RoundedText(g)});
}

void WindFromTrack(Press& press) {
    FormulaState& st = press.result.State;
    ReadCourseAndAirspeed(press.fields, press.lines, press.result);
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
    if (runtime::RoundHalfEven(st.Speed) > 0)
        press.ShowIf({press.Line(174), RoundedText(Num(w) * RadiansToDegrees), " at ",
                      RoundedText(st.Speed)});
    else
        press.Show(press.Line(NoSolutionLine));
}

}  // namespace

void ReadCourseAndAirspeed(const std::array<std::string, 4>& fields, const TextLineSource& lines,
                           FormulaResult& result) {
    Press press{fields, lines, result};
    Set(result.State.Direction, Num(press.Read(0, 360)) * DegreesToRadians);
    result.State.Airspeed = press.Read(1, 999);
}

FormulaResult RunFormula(char code, const std::array<std::string, 4>& fields,
                         const TextLineSource& lines) {
    FormulaResult result;
    Press press{fields, lines, result};
    switch (code) {
        case 'e': AltimeterCorrection(press); break;
        case 'a': TrueAirspeed(press); break;
        case 's': DensityAltitude(press); break;
        case 'o': DewPoint(press); break;
        case 'w': Crosswind(press); break;
        case 'd': HeadingAndGroundspeed(press); break;
        case '-': WindFromTrack(press); break;
        default: break;
    }
    return result;
}

}  // namespace formulas
