// The boxes the main window opens: help on a right click, the question asked for each
// match of an aerodrome search, and the word that the data file could not be read.
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "startup/text_lines.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/message_dialog.h"

using namespace AvcalcMod;

namespace {
constexpr int HelpBox = 6;      // no buttons: closed by Esc, a click or the frame
constexpr int QuestionBox = 2;  // OK and Skip
}  // namespace

void avc::ShowHelp(std::int32_t textLine) {
    ShowMessageDialog(TextLine(textLine), TextLine(textLine + 1), HelpBox);
    // The box painted over part of this window.
    Refresh();
}

void avc::ShowDataFileNotRead() {
    // Without the data file every colour is black, so a button's caption could not be
    // read: the box has none and closes as a help box does.
    ShowMessageDialog(DataFileNotReadText(platform::WorkingFolder()), DataFileNotReadTitle,
                      HelpBox);
    DialogResult = 0;
    Refresh();
}

navigation::MatchAnswer avc::AskAboutMatch() {
    ShowMessageDialog(TextLine(Line::QuestionText), TextLine(Line::QuestionTitle), QuestionBox);
    if (DialogResult == 1) return navigation::MatchAnswer::Keep;
    // DialogResult is 2 for Skip and for every way out without a button; only the
    // button goes on, so Esc or the close control leaves a search of thousands of
    // matches at once.
    return TheBox().ClosedByButton() ? navigation::MatchAnswer::Skip
                                     : navigation::MatchAnswer::Stop;
}
