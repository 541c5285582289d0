// The data file vdats.tst, read from memory: the text section with its expansion and
// the colour record, then the aerodrome section through the search, the look-up and
// the distance and track, as the main window runs them.
// Input: a query line "search text|which match to accept|departure|destination", a line
// feed, then the bytes of the data file (without a line feed, no file: only the query).
#include <cstdint>
#include <string>
#include <vector>

#include "common/shared_routines.h"
#include "fuzz_check.h"
#include "navigation/distance.h"
#include "navigation/search.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"

using namespace AvcalcMod;
namespace Line = AvcalcMod::Line;

namespace {

// The distance line: ids, "    Dist = ", NM "/" SM, line 51, true track, line 227, the
// magnetic track at each end separated by " /". The text lines are markers here, so
// each number can be cut out and read back.
void CheckDistanceLine(const std::string& shown, double trueTrackDeg) {
    const std::size_t dist = shown.rfind("    Dist = ");
    FUZZ_CHECK(dist != std::string::npos, "a distance line names the distance");
    std::string_view tail = std::string_view(shown).substr(dist + 11);
    double values[5] = {};  // NM, SM, the true track, the magnetic track at each end
    int k = 0;
    for (const std::string_view separator : {"/", "#51#", "#227#", " /", ""}) {
        const std::size_t at = separator.empty() ? tail.size() : tail.find(separator);
        FUZZ_CHECK(at != std::string_view::npos, "a distance line has its pieces in order");
        const std::string piece(tail.substr(0, at));
        FUZZ_CHECK(fuzzcheck::ShowsNoNanOrInf(piece), "no nan or inf in the distance line");
        const auto v = numbers::StrictValue(piece);
        FUZZ_CHECK(v.has_value() && std::isfinite(*v), "each number of the distance line reads");
        values[k++] = *v;
        tail.remove_prefix(at + separator.size());
    }
    FUZZ_CHECK(values[0] >= 0 && values[0] <= 10800.05,
               "a great-circle distance is at most half way round");
    FUZZ_CHECK(std::fabs(values[1] - values[0] * 1.152) <= 0.2, "statute miles are 1.152 NM");
    FUZZ_CHECK(values[2] == static_cast<double>(static_cast<float>(trueTrackDeg)) ||
                   std::fabs(values[2] - trueTrackDeg) <= std::fabs(trueTrackDeg) * 1e-14,
               "the true track shown is the one worked out");
    FUZZ_CHECK(trueTrackDeg >= 0 && trueTrackDeg <= 360, "a true track lies in 0 to 360 degrees");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [query, file] =
        fuzzcheck::Split<2>(std::string_view(reinterpret_cast<const char*>(data), size), '\n');
    const auto q = fuzzcheck::Split<4>(query, '|');

    ResetGlobals();
    SetMemoryFile(DataFileName, file);
    BuildFragmentTable();
    ReadTextSection();
    FUZZ_CHECK(OpenFileCount() == 0, "the data file is closed after reading the text section");
    for (std::int32_t colour : ColourTable)
        FUZZ_CHECK(colour >= 0 && colour <= 0xFFFFFF, "a colour is six hexadecimal digits");

    // The expansion of the file's first line, for display (an ampersand becomes " and ").
    std::string raw(file.substr(0, file.find('\r')));
    std::string expanded = raw;
    ExpandLine(expanded);
    FUZZ_CHECK(expanded.size() <= 10 * raw.size(), "a character expands to ten at most");
    FUZZ_CHECK(expanded.find('\r') == std::string::npos, "an expansion holds no line end");

    const navigation::NamePieces pieces =
        navigation::NamePiecesFromLine(TextLines[Line::NamePieces]);

    // The search: each match is offered; the one numbered in the query is kept, or with a
    // negative number the search is stopped at match -n - 1 (Esc on the question).
    const std::string& searchText = q[0];
    if (!searchText.empty()) {
        const int acceptAt = std::atoi(q[1].c_str());
        int offered = 0;
        const navigation::SearchOutcome outcome = navigation::SearchAerodromes(
            DataFileName, searchText, pieces, "#notfound#", [&](const std::string& match) {
                FUZZ_CHECK(InStrNoCase(match, searchText) >= 1, "a match holds the search text");
                FUZZ_CHECK(offered < navigation::MaxRecords, "a search offers each record once");
                const int n = offered++;
                if (n == acceptAt) return navigation::MatchAnswer::Keep;
                if (acceptAt < 0 && n == -acceptAt - 1) return navigation::MatchAnswer::Stop;
                return navigation::MatchAnswer::Skip;
            });
        FUZZ_CHECK(OpenFileCount() == 0, "the data file is closed after a search");
        const std::string& shown = outcome.display;
        FUZZ_CHECK(shown == "#notfound#" || (offered == acceptAt + 1 && shown.rfind("  ", 0) == 0),
                   "a search shows the accepted match or its not-found text");
        FUZZ_CHECK(shown == "#notfound#" || shown.find("  " + outcome.name) == 0,
                   "the name kept is the match shown");
        // A search left half way, as a closed question box leaves it.
        navigation::AerodromeSearch partial(DataFileName, searchText, pieces);
        std::string first;
        partial.NextMatch(first);
        partial.Close();
        FUZZ_CHECK(OpenFileCount() == 0, "the data file is closed after a search left half way");
    }

    // The look-up and the distance and track, with marker text lines so that the numbers
    // of the result can be read.
    for (const std::string& ident : {q[2], q[3]}) {
        navigation::PointLookUp p = navigation::LookUpPoint(DataFileName, ident, pieces);
        FUZZ_CHECK(OpenFileCount() == 0, "the data file is closed after a look-up");
        FUZZ_CHECK(std::isfinite(p.FoundLatitude) && std::isfinite(p.FoundLongitude) &&
                       std::isfinite(p.Variation),
                   "a look-up gives finite positions");
        FUZZ_CHECK(p.FoundIdent.empty() == p.Display.has_value(),
                   "a look-up finds the identifier or says it did not");
    }
    if (!q[2].empty() && !q[3].empty()) {
        TextLineArray lines = TextLines;
        lines[Line::DistancePhrase] = "#51#";
        lines[Line::MagneticPhrase] = "#227#";
        lines[Line::NoSolution] = "#562#";
        navigation::DistanceResult d =
            navigation::ShowDistanceAndTrack(DataFileName, q[2], q[3], pieces, lines);
        FUZZ_CHECK(OpenFileCount() == 0, "the data file is closed after the distance and track");
        if (d.TrueTrackDeg) {
            FUZZ_CHECK(d.Display.has_value(), "a worked-out track is shown");
            CheckDistanceLine(*d.Display, *d.TrueTrackDeg);
        }
    }
    RemoveMemoryFile(DataFileName);
    return 0;
}
