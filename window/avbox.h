// The program's one box window: every message, help text, question and the farewell
// text is shown in it by ShowMessageDialog. Its handlers close it and leave in
// DialogResult which button was used (1 OK, 2 the second button or any other way out);
// a click on the farewell text opens the product's web page and ends the program.
#pragma once

#include <functional>
#include <string>

#include "toolkit/skin.h"

class avbox : public AvcalcMod::SkinnedForm {
  public:
    avbox();

    platform::ButtonArray buttonplus1{*this, "buttonplus1"};
    platform::LabelArray Label1{*this, "Label1"};
    platform::PictureArray Image3{*this, "Image3"};
    platform::TimerArray Timer1{*this, "Timer1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Click() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

    void buttonplus1_Click(int Index);
    void buttonplus1_KeyPress(int Index, int& KeyAscii);
    void buttonplus1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label1_Click(int Index);
    void Timer1_Timer();

    // True when one of its buttons closed the last box (a click, or Enter on it); false
    // when Esc, the frame's close control or a click on the box did. DialogResult is 2
    // both for the second button and for those other ways out; this tells them apart.
    bool ClosedByButton() const { return closedByButton_; }
    void ForgetAnswer() { closedByButton_ = false; }

  private:
    void OpenLinkOrClose();
    void CloseBox();

    bool closedByButton_ = false;
};

// The single instance, created on first use.
avbox& TheBox();

// Tests: replaces the opening of the web address (null restores the desktop's browser).
void SetWebAddressOpener(std::function<void(const std::string&)> opener);
