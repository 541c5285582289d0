// The keypad of the main window: keys append their caption to the display, "<" takes
// the last character off, "C" returns to the plain calculator and "=" evaluates the
// display (or runs the waiting formula). Keyboard equivalents press the keys.
#include "common/shared_routines.h"
#include "engine/evaluator.h"
#include "engine/spoken.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"
#include "window/avc.h"

using namespace AvcalcMod;

namespace {
constexpr const char* ClearedWord = "cleared";  // heard when the clear key empties the display
}  // namespace

void avc::buttonplus1_Click(int Index) {
    if (ReleasedOnly(buttonplus1, Index)) return;
    Label1->SetWidth(9950 * ScaleFactor);

    if (Index == EqualsKey) {
        if (Mode == 0) {
            double value = Result;
            if (engine::TryEvaluate(Label1->Caption(), value)) {
                Result = value;
                Label1->SetCaption(engine::NumberText(Result));
                Label1->Announce(engine::SpokenExpression(Label1->Caption()));
            } else {
                Label1->SetCaption(TextLine(Line::NoSolution));
            }
        } else if (Mode == 3) {
            RunPendingFormula();
        }
        return;
    }

    Label1->SetCaption(Label1->Caption() + buttonplus1[Index].Caption());
    if (Index == ClearKey) {
        LeaveFields();
        SetKeypadEnabled(true);
        ClearFormulaFields();
        Mode = 0;
        Label1->SetAlignment(platform::AlignLeft);
        // A rejected field turned the display's text light; clearing brings it back.
        Label1->SetForeColor(DisplayTextColour);
        Label1->Announce(ClearedWord);
        Mode = 0;
        return;
    }
    if (Index == DeleteKey) {
        DisplayText = Label1->Caption();
        if (DisplayText.size() > 1) DisplayText = DropRight(DisplayText, 2);
        Label1->SetCaption(DisplayText);
        if (Mode != 3) Label1->Announce(engine::SpokenExpression(DisplayText));
        return;
    }
    Mode = 0;
    Label1->Announce(engine::SpokenExpression(Label1->Caption()));
}

void avc::buttonplus1_KeyPress(int Index, int& KeyAscii) {
    if (ClipboardKey(Index, KeyAscii, true)) return;
    if (KeyAscii == 27) {
        int cancel = 0;
        Form_QueryUnload(cancel, 0);
        return;  // the window is gone
    }
    const std::string& keys = TextLine(Line::KeypadCharacters);
    for (int i = 1; i <= 20; ++i) {
        if (static_cast<std::size_t>(i) > keys.size()) break;
        if (KeyAscii ==
            static_cast<unsigned char>(LowerChar(keys[static_cast<std::size_t>(i - 1)])))
            Press(buttonplus1[i - 1]);
    }
    if (KeyAscii == 8) Press(buttonplus1[DeleteKey]);
    if (KeyAscii == '^') Label1->SetCaption(Label1->Caption() + "^");
}

void avc::buttonplus2_KeyPress(int Index, int& KeyAscii) {
    if (ClipboardKey(Index, KeyAscii, false)) return;
    if (KeyAscii == 'c') Press(buttonplus1[ClearKey]);
    if (KeyAscii == 13) Press(buttonplus2[Index]);
}

void avc::buttonplus3_KeyPress(int Index, int& KeyAscii) {
    if (ClipboardKey(Index, KeyAscii, false)) return;
    if (KeyAscii == 'c') Press(buttonplus1[ClearKey]);
    if (KeyAscii == 13) Press(buttonplus3[Index]);
}

void avc::Label1_KeyPress(int Index, int& KeyAscii) {
    ClipboardKey(Index, KeyAscii, false);
}

bool avc::ClipboardKey(int Index, int KeyAscii, bool onKeypad) {
    constexpr int CopyKey = 3, PasteKey = 22;
    if (KeyAscii == CopyKey) {
        platform::SetClipboardText(Label1->Caption());
        return true;
    }
    if (KeyAscii != PasteKey) return false;
    if (!onKeypad) return true;
    for (const char c : PastedText(platform::ClipboardText())) {
        int code = static_cast<unsigned char>(c);
        buttonplus1_KeyPress(Index, code);
    }
    return true;
}
