// The calculator's main window: keypad, conversion and formula buttons, the display, the
// four formula fields with their shadowed titles and the animated picture. One class,
// its handlers split by concern: avc.cpp (construction and event routing),
// avc_keypad.cpp, avc_conversions.cpp, avc_formulas.cpp, avc_navigation.cpp and
// avc_dialogs.cpp (the boxes it opens). Each handler reads the controls, calls the pure
// piece of engine/, formulas/ or navigation/ and writes the controls.
#pragma once

#include <cstdint>
#include <string>

#include "formulas/computations.h"
#include "navigation/records.h"
#include "navigation/search.h"
#include "toolkit/skin.h"

class avc : public AvcalcMod::SkinnedForm {
  public:
    avc();
    ~avc() override;

    // Controls.
    platform::ButtonArray buttonplus1{*this, "buttonplus1"};  // keypad 0..19
    platform::ButtonArray buttonplus2{*this, "buttonplus2"};  // conversions 0..17
    platform::ButtonArray buttonplus3{*this, "buttonplus3"};  // formulas 0..8
    platform::LabelArray Label1{*this, "Label1"};             // the display (one element)
    platform::LabelArray Label2{*this, "Label2"};             // field titles 0..3, shadows 4..7
    platform::TextBoxArray Text1{*this, "Text1"};             // formula fields 0..3
    platform::PictureArray Image3{*this, "Image3"};           // animation frames
    platform::TimerArray Timer1{*this, "Timer1"};

    // Window state.
    std::int32_t Mode = 0;       // 0 calculator, 2 conversion shown, 3 formula waits
    std::string PendingFormula;  // formula code, or the last conversion's code
    std::string DisplayText;
    double Result = 0;
    formulas::FormulaState Formula;  // FieldValue, SavedField, Direction, Airspeed, Heading, Speed
    navigation::NamePieces NameFragments;

    // Construction and modes.
    void Form_Load() override;
    void SetKeypadEnabled(bool Enabled);
    void ClearFormulaFields();
    // When a field has the focus, it goes to the keypad before the fields are hidden.
    void LeaveFields();

    // Keypad, conversions, formulas.
    void buttonplus1_Click(int Index);
    void buttonplus1_KeyPress(int Index, int& KeyAscii);
    void buttonplus2_Click(int Index);
    void buttonplus2_KeyPress(int Index, int& KeyAscii);
    void buttonplus3_Click(int Index);
    void buttonplus3_KeyPress(int Index, int& KeyAscii);
    void Label1_KeyPress(int Index, int& KeyAscii);
    // Ctrl+C or Ctrl+Insert copies the display's whole line; Ctrl+V or Shift+Insert types
    // the clipboard's text as the keyboard would (on a keypad key only). True when the key
    // was one of these. (A field keeps its own copy and paste.)
    bool ClipboardKey(int Index, int KeyAscii, bool onKeypad);
    void ShowFormulaPrompt(std::int32_t FirstLine, std::int32_t LastField);

    // Routing of the other events.
    void buttonplus_MouseUp(platform::ControlArray& buttons, int Index, int Button);
    void Form_MouseUp(int Button, int Shift, float X, float Y) override;
    // F1, the context-menu key or Shift+F10 on the window, the display or a field: the
    // window's help, as a right click on the window gives it. (On a button: its
    // group's help, as a right click on it.)
    void Form_Help() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Text1_Change(int Index);
    void Text1_KeyPress(int Index, int& KeyAscii);
    void Timer1_Timer();
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    // '=' in formula mode, by pending code.
    void RunPendingFormula();
    void SearchAerodromes();
    void ShowDistanceAndTrack();

    // Keys with fixed roles.
    static constexpr int ClearKey = 11;
    static constexpr int DeleteKey = 16;
    static constexpr int EqualsKey = 17;
    // The display's colours, the look's own: light text stands on it only after a
    // rejected field.
    static constexpr std::int32_t DisplayBackColour = AvcalcMod::LightTextColour;
    static constexpr std::int32_t DisplayTextColour = AvcalcMod::NavyColour;

    // Sets the button so that its click runs the key once, as every press does.
    static void Press(platform::Control& button) { button.SetValue(1); }

  private:
    // True when the click only released a set button (the released click does the work).
    static bool ReleasedOnly(platform::ControlArray& buttons, int Index);
    // The help box whose text is the line and whose title the line after it.
    void ShowHelp(std::int32_t textLine);
    // The box that says the data file could not be read, naming the file and the folder.
    void ShowDataFileNotRead();
    // Asks whether the match now on the display is the wanted aerodrome: OK keeps it,
    // Skip goes on to the next match, and closing the question any other way (Esc, the
    // frame's close control, a click on its text) stops the search.
    navigation::MatchAnswer AskAboutMatch();
};

// The one main window of the program.
avc& TheMainWindow();
