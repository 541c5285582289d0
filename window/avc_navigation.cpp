// '=' for the two cross-country formulas of the main window: the search by part of a
// name, which asks about each match in turn, and the distance and track.
#include "navigation/distance.h"
#include "navigation/search.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"
#include "window/avc.h"

using namespace AvcalcMod;

void avc::SearchAerodromes() {
    DialogResult = 0;
    const std::string shown = navigation::SearchAerodromes(
        DataFileName, Text1[0].Text(), NameFragments, TextLine(Line::SearchNotFound),
        [this](const std::string& match) {
            Label1->SetCaption(match);
            return AskAboutMatch();
        });
    Label1->SetCaption(shown);
    PendingFormula.clear();
}

void avc::ShowDistanceAndTrack() {
    navigation::DistanceResult result = navigation::ShowDistanceAndTrack(
        DataFileName, Text1[0].Text(), Text1[1].Text(), NameFragments, TextLines);
    if (result.Display) Label1->SetCaption(*result.Display);
}
