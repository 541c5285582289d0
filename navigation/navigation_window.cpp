// '=' for the two cross-country formulas of the main window: the search by part of a
// name, which asks about each match in turn, and the distance and track.
#include "navigation/distance.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "window/avc.h"

using namespace AvcalcMod;

void avc::SearchAerodromes() {
    DialogResult = 0;
    search_ =
        std::make_unique<navigation::AerodromeSearch>(DataFileName, Text1[0].Text(), NameFragments);
    DataFileOpen = true;
    std::string match;
    bool accepted = false;
    while (search_ && search_->NextMatch(match)) {
        Label1->SetCaption(match);
        if (AcceptMatch()) {
            accepted = true;
            break;
        }
    }
    if (!accepted) Label1->SetCaption(TextLines[navigation::SearchNotFoundLine]);
    PendingFormula.clear();
    CloseDataFile();
}

void avc::ShowDistanceAndTrack() {
    navigation::DistanceResult result = navigation::ShowDistanceAndTrack(
        DataFileName, Text1[0].Text(), Text1[1].Text(), NameFragments, TextLines);
    if (result.Direction) Direction = *result.Direction;
    if (result.Display) Label1->SetCaption(*result.Display);
}
