// The eighteen conversion buttons of the main window: the display's leading number is
// converted by the pressed button's code letter and shown rounded to two decimals.
#include "engine/conversions.h"
#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"
#include "window/avc.h"

using namespace AvcalcMod;

void avc::buttonplus2_Click(int Index) {
    if (ReleasedOnly(buttonplus2, Index)) return;
    Mode = 2;
    const std::string caption = buttonplus2[Index].Caption();
    PendingFormula = engine::ConversionCode(caption);
    DisplayText = Label1->Caption();
    Label1->SetWidth(9950 * ScaleFactor);
    if (DisplayText.empty()) return;
    Label1->SetCaption(
        engine::ConvertDisplay(DisplayText, caption, TextLine(Line::ConversionFactors)));
    // Heard with what was converted ("NM > SM: 172.62"); the display shows the number alone.
    Label1->Announce(buttonplus2[Index].HeardName() + ": " + Label1->Caption());
}
