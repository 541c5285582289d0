// Great-circle distance and initial track between two aerodromes given by their
// identifiers, with the magnetic track at either end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "navigation/records.h"
#include "startup/avcalc_mod.h"

namespace navigation {

struct DistanceResult {
    std::optional<std::string> Display;  // empty: the display stays as it was
    std::optional<double> TrueTrackDeg;  // the initial true track, when worked out
};

// The distance and track line, or the look-up's "  Not found" text, or the no-solution
// line for the same aerodrome twice or a departure at a pole. Two aerodromes at one position leave
// the display alone.
DistanceResult ShowDistanceAndTrack(const std::string& path, std::string_view departure,
                                    std::string_view destination, const NamePieces& pieces,
                                    const AvcalcMod::TextLineArray& lines);

}  // namespace navigation
