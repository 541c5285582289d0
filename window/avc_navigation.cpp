// '=' for the two cross-country formulas of the main window: the search by part of a
// name, which asks about each match in turn, and the distance and track.
#include "navigation/distance.h"
#include "navigation/search.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"
#include "window/avc.h"

using namespace AvcalcMod;

namespace {
constexpr const char* SearchStoppedWords = "Search stopped, no aerodrome kept. Press C to clear.";
}  // namespace

void avc::SearchAerodromes() {
    DialogResult = 0;
    const navigation::SearchOutcome outcome = navigation::SearchAerodromes(
        DataFileName, Text1[0].Text(), NameFragments, TextLine(Line::SearchNotFound),
        [this](const std::string& match) {
            Label1->SetCaption(match);
            return AskAboutMatch();
        });
    Label1->SetCaption(outcome.display);
    // Heard: the aerodrome kept, by its identifier and name; a search stopped at its
    // question as stopped (the display says no aerodrome was found, as it is designed).
    if (outcome.ending == navigation::MatchAnswer::Keep)
        Label1->Announce("Kept " + outcome.identifier + ": " + outcome.name);
    else if (outcome.ending == navigation::MatchAnswer::Stop)
        Label1->Announce(SearchStoppedWords);
    PendingFormula.clear();
}

void avc::ShowDistanceAndTrack() {
    navigation::DistanceResult result = navigation::ShowDistanceAndTrack(
        DataFileName, Text1[0].Text(), Text1[1].Text(), NameFragments, TextLines);
    if (result.Display) Label1->SetCaption(*result.Display);
}
