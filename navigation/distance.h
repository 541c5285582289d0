// Great-circle distance and initial track between two aerodromes given by their
// identifiers, with the magnetic track at either end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formulas/computations.h"
#include "navigation/records.h"

namespace navigation {

inline constexpr int DistancePhraseLine = 51;
inline constexpr int MagneticPhraseLine = 227;

struct DistanceResult {
    std::optional<std::string> Display;  // empty: the display stays as it was
    std::optional<double> Direction;     // the true track in degrees, when worked out
};

// The distance and track line, or the look-up's "  Not found" text, or line 562 for the
// same aerodrome twice or a departure at a pole. Two aerodromes at one position leave
// the display alone.
DistanceResult ShowDistanceAndTrack(const std::string& path, std::string_view departure,
                                    std::string_view destination, const NamePieces& pieces,
                                    const formulas::TextLineSource& lines);

}  // namespace navigation
