// Construction of the main window, its two modes and the routing of the events that
// are not calculator keys (hover, right-click help, the formula fields, the animation
// tick and the close request).
#include "window/avc.h"

#include "common/shared_routines.h"
#include "engine/spoken.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"
#include "toolkit/animation.h"
#include "toolkit/skin.h"

using namespace AvcalcMod;

namespace {

// The window caption: the product's full title and the maker's web address.
constexpr const char* ProductTitle = "Quenmar Student Pilot Series Aviation Calculator";

// Names the key by its meaning; its description is the keypad's tool tip (without the
// help hint, which the window's description gives once) and the key that types it.
void NameKey(platform::Control& key, const std::string& tip) {
    for (const engine::SpokenKey& spoken : engine::SpokenKeys) {
        if (key.Caption() != std::string(1, spoken.caption)) continue;
        key.SetAccessibleName(spoken.name);
        key.SetAccessibleDescription(tip.empty() ? tip : tip + ": " + spoken.keyboard);
        return;
    }
    key.SetAccessibleDescription(tip);  // an unknown caption keeps its caption as its name
}

constexpr const char* WindowDescription =
    "Press F1 on any control for its help. The display shows what you type and the result.";
constexpr const char* DisplayDescription = "Shows what you type, the prompts and the results";

}  // namespace

avc& TheMainWindow() {
    static avc window;
    return window;
}

avc::avc()
    : SkinnedForm("avc", {.buttons = {&buttonplus1, &buttonplus2, &buttonplus3},
                          .labels = {&Label1, &Label2},
                          .fields = &Text1,
                          .frames = &Image3,
                          .timer = &Timer1}) {
    buttonplus1.Click = [this](int Index) { buttonplus1_Click(Index); };
    buttonplus2.Click = [this](int Index) { buttonplus2_Click(Index); };
    buttonplus3.Click = [this](int Index) { buttonplus3_Click(Index); };
    buttonplus1.KeyPress = [this](int Index, int& KeyAscii) {
        buttonplus1_KeyPress(Index, KeyAscii);
    };
    buttonplus2.KeyPress = [this](int Index, int& KeyAscii) {
        buttonplus2_KeyPress(Index, KeyAscii);
    };
    buttonplus3.KeyPress = [this](int Index, int& KeyAscii) {
        buttonplus3_KeyPress(Index, KeyAscii);
    };
    for (platform::ControlArray* buttons : {&buttonplus1, &buttonplus2, &buttonplus3}) {
        buttons->MouseUp = [this, buttons](int Index, int Button, int, float, float) {
            buttonplus_MouseUp(*buttons, Index, Button);
        };
        buttons->Help = [this, buttons](int Index) {
            buttonplus_MouseUp(*buttons, Index, platform::RightButton);
        };
        buttons->MouseMove = [this, buttons](int Index, int, int, float, float) {
            ClearUnderlines(*this);
            UnderlineCaption((*buttons)[Index]);
        };
    }
    Label1.MouseMove = [this](int, int, int, float, float) { ClearUnderlines(*this); };
    Label2.MouseMove = [this](int, int, int, float, float) { ClearUnderlines(*this); };
    Label1.KeyPress = [this](int Index, int& KeyAscii) { Label1_KeyPress(Index, KeyAscii); };
    Text1.Change = [this](int Index) { Text1_Change(Index); };
    Text1.KeyPress = [this](int Index, int& KeyAscii) { Text1_KeyPress(Index, KeyAscii); };
    Timer1.Timer = [this](int) { Timer1_Timer(); };
}

avc::~avc() = default;

void avc::Form_Load() {
    CurrentForm = this;
    for (std::int32_t code : {1119, 1217, 138, 227, 313}) LoadControls(code);
    Mode = 0;
    NameFragments = navigation::NamePiecesFromLine(TextLine(Line::NamePieces));
    ClearFormulaFields();
    StyleForm(*this);
    SetCaption(std::string("   ") + ProductTitle + " - " + WebAddress);
    SetAccessibleDescription(WindowDescription);
    Move(800, 1800, 10400, 4350);

    Label1->SetBackColor(DisplayBackColour);
    Label1->Move(180, 100, 9950, 350);
    Label1->SetBorderStyle(1);
    Label1->SetForeColor(DisplayTextColour);
    Label1->SetFontSize(8);
    // The display shows expressions, results and aerodrome names ("A & B FIELD"): an
    // ampersand there is a character, not an access key.
    Label1->SetUseMnemonic(false);
    // Heard as the display whatever it shows, and every new text is announced.
    Label1->SetAccessibleName("Display");
    Label1->SetAccessibleDescription(DisplayDescription);
    Label1->SetLiveText(true);

    StartAnimation(*this, 78, 8, 78, 8, 80, 10, 9, 2);

    // Keypad: five columns of four, numbered down each column.
    const std::string& keys = TextLine(Line::KeypadCharacters);
    const std::string& keyTipHead = TextLine(Line::KeypadToolTip);
    const std::string keyTip = keyTipHead + TextLine(Line::ToolTipTail);
    int k = 0;
    for (int c = 1; c <= 5; ++c) {
        for (int r = 1; r <= 4; ++r, ++k) {
            platform::Control& key = buttonplus1[k];
            key.SetCaption(keys.substr(std::min<std::size_t>(k, keys.size()), 1));
            key.Move(static_cast<float>(480 * c - 300), static_cast<float>(565 * r), 450, 500);
            key.SetToolTipText(keyTip);
            NameKey(key, keyTipHead);
        }
    }

    // Conversions: three columns of six; the fourth column of the layout loop stays empty.
    const std::string conversionTip =
        TextLine(Line::ConversionToolTip) + TextLine(Line::ToolTipTail);
    int counter = 20;
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 6; ++r) {
            ++counter;
            if (counter >= 39) continue;
            const int m = counter - 21;
            platform::Control& button = buttonplus2[m];
            const std::string& captions = TextLine(Line::ConversionCaptions);
            const auto at = static_cast<std::size_t>(14 * m);
            button.SetCaption(at < captions.size() ? captions.substr(at, 13) : std::string());
            button.Move(static_cast<float>(1570 * c + 1070),
                        static_cast<float>(GridPosition(r - 1, 370, 190).value_or(0)), 1500, 350);
            button.SetToolTipText(conversionTip);
            button.SetAccessibleDescription(TextLine(Line::ConversionToolTip));
        }
    }

    // Formula buttons: five large on the lower row, four small above them.
    for (int i = 0; i <= 8; ++i) {
        platform::Control& button = buttonplus3[i];
        std::string tipHead = TextLine(Line::FormulaToolTip);
        button.SetCaption(TextLine(Line::FirstFormulaCaption + i));
        if (i >= 5)
            button.Move(static_cast<float>(GridPosition(i - 6, 1790, 180).value_or(0)), 2800, 1720,
                        400);
        else
            button.Move(static_cast<float>(2000 * i + 180), 3240, 1920, 500);
        if (i == 3) tipHead = TextLine(Line::FlightPlanToolTip);
        if (i == 4) tipHead = TextLine(Line::LookUpToolTip);
        if (i > 4) tipHead = TextLine(Line::SmallFormulaToolTip);
        button.SetToolTipText(tipHead + TextLine(Line::ToolTipTail));
        button.SetAccessibleDescription(tipHead);
    }

    // The four formula fields with their shadowed titles, hidden until a formula asks.
    for (int i = 0; i <= 3; ++i) {
        Text1[i].Move(7400, static_cast<float>(GridPosition(i, 615, -50).value_or(0)), 2700, 320);
        Text1[i].SetVisible(false);
        ShowTitle(Label2[i], Label2[i + 4], 7400, GridPosition(i, 615, 330).value_or(0), 2700, 320,
                  "", 2);
        // The field is named by its title, whichever formula set it.
        Label2[i].SetLabelFor(Text1[i]);
    }
    Text1[1].SetTabIndex(1);
    Label1->SetCaption("");

    ScaleCurrentForm();
    PaintGradient(3, 4);
    ResetMousePointer();
    for (int i = 0; i <= 19; ++i) {
        FrameControl(buttonplus1[i], 20);
        if (i < 9) FrameControl(buttonplus3[i], 40);
        if (i < 18) FrameControl(buttonplus2[i], 30);
    }
    FrameControl(*Label1.operator->(), 50);

    // Without its data file the window is built all the same, with empty captions; once
    // it is up, one box says why and where the file was looked for.
    if (!DataFileRead) {
        platform::RunSoon([this] {
            if (IsLoaded()) ShowDataFileNotRead();
        });
    }
}

void avc::SetKeypadEnabled(bool Enabled) {
    for (int i = 0; i <= 19; ++i)
        if (i != ClearKey && i != EqualsKey) buttonplus1[i].SetEnabled(Enabled);
    for (int i = 0; i <= 17; ++i) buttonplus2[i].SetEnabled(Enabled);
    if (Enabled) {
        Label1->SetBackStyle(1);
        Label1->SetBorderStyle(1);
        Label1->Move(180 * ScaleFactor, 130 * ScaleFactor, 9950 * ScaleFactor, 350 * ScaleFactor);
        Timer1->SetEnabled(true);
    } else {
        Label1->SetAlignment(platform::AlignCentre);
        Label1->SetBackStyle(1);
        Label1->SetBorderStyle(1);
        Timer1->SetEnabled(false);
    }
}

void avc::LeaveFields() {
    for (int i = 0; i <= 3; ++i) {
        if (!Text1[i].HasFocus()) continue;
        // Straight to the clear key (which stays pressable in every mode): a hidden field
        // would hand the focus on from control to control.
        buttonplus1[ClearKey].SetFocus();
        return;
    }
}

void avc::ClearFormulaFields() {
    for (int i = 0; i <= 3; ++i) {
        Label2[i].SetVisible(false);
        Label2[i + 4].SetVisible(false);
        Text1[i].SetVisible(false);
        Text1[i].SetText("");
    }
    Label1->SetCaption("");
}

bool avc::ReleasedOnly(platform::ControlArray& buttons, int Index) {
    if (buttons[Index].Value() == 0) return false;
    buttons[Index].SetValue(0);  // its own click does the work
    return true;
}

// ---------------------------------------------------------------------------------
// Routing

void avc::buttonplus_MouseUp(platform::ControlArray& buttons, int Index, int Button) {
    if (Button != platform::RightButton) return;
    if (&buttons == &buttonplus1)
        ShowHelp(Line::KeypadHelp);
    else if (&buttons == &buttonplus2)
        ShowHelp(Line::ConversionsHelp);
    else if (Index == 3 || Index == 4)
        ShowHelp(Line::FlightPlanHelp);
    else
        ShowHelp(Line::FormulaeHelp);
}

void avc::Form_MouseUp(int Button, int, float, float) {
    if (Button == platform::RightButton) ShowHelp(Line::WindowHelp);
}

void avc::Form_Help() {
    Form_MouseUp(platform::RightButton, 0, 0, 0);
}

void avc::Form_MouseMove(int, int, float, float) {
    ClearUnderlines(*this);
}

void avc::Text1_Change(int Index) {
    const std::string text = Text1[Index].Text();
    if (text.empty() || text.back() != '=') return;
    Text1[Index].SetText(DropRight(text, 1));
    Press(buttonplus1[EqualsKey]);
}

void avc::Text1_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == 13) SafeSetFocus(Text1[Index + 1]);
    if (KeyAscii == 27) Press(buttonplus1[ClearKey]);
}

void avc::Timer1_Timer() {
    AdvanceAnimation(*this, 2);
}

void avc::Form_QueryUnload(int&, int) {
    // While the window lives the only file that can be open is the aerodrome reader's.
    CloseAllFiles();
    UnloadForm(this);
}
