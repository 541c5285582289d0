// The nine formula buttons of the main window: choosing a formula shows its fields and
// prompt; '=' then runs it on the field texts.
#include "common/shared_routines.h"
#include "engine/conversions.h"
#include "formulas/computations.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "toolkit/skin.h"
#include "window/avc.h"

using namespace AvcalcMod;

void avc::buttonplus3_Click(int Index) {
    if (ReleasedOnly(buttonplus3, Index)) return;
    Mode = 3;
    Label1->SetWidth(9950 * ScaleFactor);

    // A formula button takes its code letter from its caption as a conversion button does.
    PendingFormula = engine::ConversionCode(buttonplus3[Index].Caption());
    const auto layout =
        PendingFormula.size() == 1 ? formulas::PromptLayoutFor(PendingFormula[0]) : std::nullopt;
    // The fields and the focus first, the greyed keys after: greying the key that has the
    // focus would send it on from key to key, each move heard.
    if (layout) {
        ShowFormulaPrompt(layout->firstLine, layout->lastField);
    } else {
        LeaveFields();
        ClearFormulaFields();
    }
    SetKeypadEnabled(false);
}

void avc::ShowFormulaPrompt(std::int32_t FirstLine, std::int32_t LastField) {
    CurrentForm = this;
    const formulas::Prompt prompt = formulas::PromptFor(FirstLine, LastField, TextLines);
    // Each field is named by its title before it is shown or takes the focus: it is heard
    // by its new name (a field that keeps the focus is heard renamed).
    for (std::size_t i = 0; i < prompt.titles.size(); ++i)
        SetTitleCaption(2, static_cast<std::int32_t>(i), static_cast<std::int32_t>(i) + 4,
                        prompt.titles[i]);
    for (int i = 0; i <= 3; ++i) Text1[i].SetText("");
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
    // The focus moves once, straight to the first field; only then do the fields this
    // formula does not use go.
    SafeSetFocus(Text1[0]);
    for (int i = LastField + 1; i <= 3; ++i) {
        Text1[i].SetVisible(false);
        Label2[i].SetVisible(false);
        Label2[i + 4].SetVisible(false);
    }
    Label1->SetBackColor(ColourTable[28]);
    Label1->SetCaption(prompt.text);
    // Heard every time, after the field's name, even when the display already showed it.
    Label1->Announce(prompt.text);
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
            CloseAllFiles();  // a reader left open would otherwise be read on
            ShowDistanceAndTrack();
        }
        return;
    }
    if (std::string_view("easow-d").find(code) == std::string_view::npos) return;

    const std::array<std::string, 4> fields = {Text1[0].Text(), Text1[1].Text(), Text1[2].Text(),
                                               Text1[3].Text()};
    formulas::FormulaResult result = formulas::RunFormula(code, fields, TextLines, Formula);
    for (int i = 0; i < 4; ++i)
        if (result.FieldTexts[static_cast<std::size_t>(i)])
            Text1[i].SetText(*result.FieldTexts[static_cast<std::size_t>(i)]);
    if (result.LightDisplay) Label1->SetForeColor(LightTextColour);
    if (result.Display) Label1->SetCaption(*result.Display);
}
