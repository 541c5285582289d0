#include "navigation/distance.h"

#include <cmath>

#include "common/angles.h"
#include "common/checked.h"
#include "common/number_forms.h"
#include "navigation/search.h"
#include "startup/text_lines.h"

namespace navigation {

using angles::ArcCos;
using angles::ArcSin;
using angles::DegreesToRadians;
using angles::Pi;
using angles::RadiansToDegrees;
using checked::Num;
namespace Line = AvcalcMod::Line;

namespace {
// The value shown with one decimal ("0.0", halves away from zero) and read back.
std::optional<double> OneDecimal(double value) {
    return numbers::StrictValue(numbers::FormatOneDecimal(value));
}

float ToRadians(float degrees) {
    float r = 0;
    checked::SetSingle(r, Num(degrees) * DegreesToRadians);
    return r;
}
}  // namespace

DistanceResult ShowDistanceAndTrack(const std::string& path, std::string_view departure,
                                    std::string_view destination, const NamePieces& pieces,
                                    const AvcalcMod::TextLineArray& lines) {
    DistanceResult out;
    PointLookUp first = LookUpPoint(path, departure, pieces);
    if (first.FoundIdent.empty()) {
        out.Display = first.Display;
        return out;
    }
    PointLookUp second = LookUpPoint(path, destination, pieces);
    if (second.FoundIdent.empty()) {
        out.Display = second.Display;
        return out;
    }
    if (second.FoundIdent == first.FoundIdent) {
        out.Display = lines[Line::NoSolution];
        return out;
    }

    // The positions are held as singles; everything worked from them is double.
    double lat1 = ToRadians(first.FoundLatitude), lat2 = ToRadians(second.FoundLatitude);
    double lon1 = ToRadians(first.FoundLongitude), lon2 = ToRadians(second.FoundLongitude);
    double sinLat1 = std::sin(lat1), cosLat1 = std::cos(lat1);
    double sinLat2 = std::sin(lat2), cosLat2 = std::cos(lat2);

    // Haversine first: it keeps its precision for short legs.
    double h = std::pow(std::sin((lat1 - lat2) / 2), 2) +
               cosLat1 * cosLat2 * std::pow(std::sin((lon1 - lon2) / 2), 2);
    float d = 0;
    if (h >= 0) checked::SetSingle(d, 2 * ArcSin(std::sqrt(h)));
    if (d == 0)
        checked::SetSingle(d,
                           ArcCos(sinLat1 * sinLat2 + cosLat1 * cosLat2 * std::cos(lon1 - lon2)));
    if (d == 0) return out;  // two identifiers at one position: nothing to show

    float nm = 0;
    if (auto v = OneDecimal(static_cast<double>(d) * 10800 / Pi)) checked::SetSingle(nm, *v);

    // A departure at a pole has no initial track. The single-precision latitude of a pole
    // leaves its cosine a few parts in 10^8 away from 0, which would give a meaningless
    // track instead of the no-solution text; the nearest latitude the data can hold
    // (one second short of the pole) has a cosine near 5E-06.
    double s = std::sin(static_cast<double>(d)) * cosLat1;
    if (s == 0 || std::fabs(cosLat1) < 1e-6) {
        out.Display = lines[Line::NoSolution];
        return out;
    }
    double c = ArcCos((sinLat2 - sinLat1 * std::cos(static_cast<double>(d))) / s);
    const double trackRad = std::sin(lon2 - lon1) < 0 ? c : 2 * Pi - c;
    const double trackDeg =
        OneDecimal(trackRad * RadiansToDegrees).value_or(trackRad * RadiansToDegrees);
    out.TrueTrackDeg = trackDeg;

    float sm = 0;
    if (auto v = OneDecimal(static_cast<double>(nm) * 1.152)) checked::SetSingle(sm, *v);

    out.Display = "   " + first.FoundIdent + " to " + second.FoundIdent +
                  "    Dist = " + numbers::GeneralText(nm) + "/" + numbers::GeneralText(sm) +
                  lines[Line::DistancePhrase] + numbers::GeneralText(trackDeg) +
                  lines[Line::MagneticPhrase] +
                  numbers::GeneralText(trackDeg + static_cast<double>(first.Variation)) + " /" +
                  numbers::GeneralText(trackDeg + static_cast<double>(second.Variation));
    return out;
}

}  // namespace navigation
