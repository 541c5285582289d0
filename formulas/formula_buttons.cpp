// The nine formula buttons of the main window: choosing a formula shows its fields and
// prompt; '=' then runs it on the field texts.
#include "formulas/computations.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/shared_routines.h"
#include "toolkit/skin.h"
#include "window/avc.h"

using namespace AvcalcMod;

namespace {

struct PromptLayout {
    char code;
    std::int32_t firstLine;
    std::int32_t lastField;
};

constexpr PromptLayout kPrompts[] = {
    {'e', 345, 0}, {'a', 341, 1}, {'s', 343, 1}, {'o', 346, 1}, {'p', 553, 0},
    {'y', 228, 1}, {'-', 232, 3}, {'d', 215, 3}, {'w', 216, 1},
};

const std::string& T(std::int32_t n) {
    static const std::string none;
    return n >= 0 && n <= TextLineCount ? TextLines[static_cast<std::size_t>(n)] : none;
}

}  // namespace

void avc::buttonplus3_Click(int Index) {
    if (ReleasedOnly(buttonplus3, Index)) return;
    Mode = 3;
    ClearFormulaFields();
    SetKeypadEnabled(false);
    Label1->SetWidth(9950 * ScaleFactor);

    const std::string caption = buttonplus3[Index].Caption();
    const std::size_t amp = caption.find('&');
    const std::size_t at = amp == std::string::npos ? 0 : amp + 1;
    PendingFormula = at < caption.size() ? std::string(1, LowerChar(caption[at])) : std::string();

    for (const PromptLayout& p : kPrompts) {
        if (PendingFormula.size() == 1 && PendingFormula[0] == p.code) {
            ShowFormulaPrompt(p.firstLine, p.lastField);
            break;
        }
    }
}

void avc::ShowFormulaPrompt(std::int32_t FirstLine, std::int32_t LastField) {
    for (int i = 0; i <= LastField; ++i) {
        Text1[i].SetVisible(true);
        Label2[i].SetVisible(true);
        Label2[i + 4].SetVisible(true);
        // The animated picture shares this corner of the window: the fields and their
        // titles go in front of it so that they can be read.
        Text1[i].ZOrder(0);
        Label2[i + 4].ZOrder(0);
        Label2[i].ZOrder(0);
    }
    SafeSetFocus(Text1[0]);
    Label1->SetBackColor(ColourTable[28]);
    CurrentForm = this;

    const std::int32_t F = FirstLine;
    std::string prompt;
    std::vector<std::string> titles;
    if (LastField == 0) {
        prompt = T(23) + T(F) + T(210) + "    ";
        titles = {T(F)};
    } else if (LastField == 1) {
        prompt = T(23) + T(F) + " and the " + T(F + 1) + T(210);
        titles = {T(F), T(F + 1)};
    } else {
        prompt = T(23) + T(234) + ", " + T(235) + ", " + T(F) + " and " + T(F + 1) + T(210);
        titles = {T(234), T(235), T(F), T(F + 1)};
    }
    Label1->SetCaption(prompt);
    for (std::size_t i = 0; i < titles.size(); ++i)
        SetTitleCaption(2, static_cast<std::int32_t>(i), static_cast<std::int32_t>(i) + 4,
                        titles[i]);
}

void avc::RunPendingFormula() {
    // A rejected field in an earlier press turned the display's text light.
    Label1->SetForeColor(DisplayTextColour);
    if (PendingFormula.size() != 1) return;
    const char code = PendingFormula[0];
    if (code == 'p') {
        if (!Text1[0].Text().empty()) SearchAerodromes();
        return;
    }
    if (code == 'y') {
        if (!Text1[0].Text().empty() && !Text1[1].Text().empty()) {
            CloseDataFile();
            ShowDistanceAndTrack();
        }
        return;
    }
    if (std::string_view("easow-d").find(code) == std::string_view::npos) return;

    const std::array<std::string, 4> fields = {Text1[0].Text(), Text1[1].Text(), Text1[2].Text(),
                                               Text1[3].Text()};
    formulas::FormulaResult result = formulas::RunFormula(code, fields, TextLines);
    for (int i = 0; i < 4; ++i)
        if (result.FieldTexts[static_cast<std::size_t>(i)])
            Text1[i].SetText(*result.FieldTexts[static_cast<std::size_t>(i)]);
    if (result.LightDisplay) Label1->SetForeColor(LightTextColour);
    FieldValue = result.State.FieldValue;
    SavedField = result.State.SavedField;
    Direction = result.State.Direction;
    Airspeed = result.State.Airspeed;
    Heading = result.State.Heading;
    Speed = result.State.Speed;
    if (result.Display) Label1->SetCaption(*result.Display);
}
