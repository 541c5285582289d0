// The boxes the main window opens: help on a right click, and the question asked for
// each match of an aerodrome search.
#include "startup/avcalc_mod.h"
#include "toolkit/message_dialog.h"
#include "window/avc.h"

using namespace AvcalcMod;

namespace {
constexpr int HelpBox = 6;      // no buttons: closed by Esc, a click or the frame
constexpr int QuestionBox = 2;  // OK and Skip
constexpr int QuestionTextLine = 308;
constexpr int QuestionTitleLine = 309;
}  // namespace

void avc::ShowHelp(const std::string& text, const std::string& title) {
    ShowMessageDialog(text, title, HelpBox);
    // The box painted over part of this window.
    Refresh();
}

bool avc::AcceptMatch() {
    ShowMessageDialog(TextLines[QuestionTextLine], TextLines[QuestionTitleLine], QuestionBox);
    return DialogResult == 1;
}
