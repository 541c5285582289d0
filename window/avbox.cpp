#include "window/avbox.h"

#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "toolkit/animation.h"
#include "toolkit/skin.h"
#include "window/shutdown.h"

using namespace AvcalcMod;

namespace {

std::function<void(const std::string&)>& WebAddressOpener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}

}  // namespace

void SetWebAddressOpener(std::function<void(const std::string&)> opener) {
    WebAddressOpener() = std::move(opener);
}

avbox& TheBox() {
    static avbox box;
    return box;
}

avbox::avbox()
    : SkinnedForm(
          "avbox",
          {.buttons = {&buttonplus1}, .labels = {&Label1}, .frames = &Image3, .timer = &Timer1}) {
    buttonplus1.Click = [this](int Index) { buttonplus1_Click(Index); };
    buttonplus1.KeyPress = [this](int Index, int& KeyAscii) {
        buttonplus1_KeyPress(Index, KeyAscii);
    };
    buttonplus1.MouseMove = [this](int Index, int Button, int Shift, float X, float Y) {
        buttonplus1_MouseMove(Index, Button, Shift, X, Y);
    };
    // Labels report only mouse up: a left release over the label is its click.
    Label1.MouseUp = [this](int Index, int Button, int, float X, float Y) {
        platform::Control& label = Label1[Index];
        if (Button == platform::LeftButton && X >= 0 && Y >= 0 && X < label.Width() &&
            Y < label.Height()) {
            Label1_Click(Index);
        }
    };
    Timer1.Timer = [this](int) { Timer1_Timer(); };
}

void avbox::Form_Load() {
    CurrentForm = this;
    LoadControls(113);
    StyleForm(*this);
    ResetMousePointer();
    // Whatever closes the box without a button answers as the second button does;
    // ClosedByButton tells the two apart.
    DialogResult = 2;
    closedByButton_ = false;
}

void avbox::Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {
    UnloadForm(this);
}

void avbox::CloseBox() {
    Unload(platform::UnloadFromCode);
}

void avbox::buttonplus1_Click(int Index) {
    // A set button is only released here; the click that releasing raises does the work.
    if (buttonplus1[Index].Value() == 1) {
        buttonplus1[Index].SetValue(0);
        return;
    }
    DialogResult = Index + 1;
    closedByButton_ = true;
    CloseBox();
}

void avbox::buttonplus1_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == 27) CloseBox();
    if (KeyAscii == 13) buttonplus1_Click(Index);
}

void avbox::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == 27) CloseBox();
}

void avbox::Form_Click() {
    OpenLinkOrClose();
}

void avbox::Label1_Click(int /*Index*/) {
    OpenLinkOrClose();
}

void avbox::OpenLinkOrClose() {
    const std::string& caption = Caption();
    if (!caption.empty() && caption.back() == '!') {
        if (WebAddressOpener())
            WebAddressOpener()(WebAddress);
        else
            platform::OpenWebAddress(WebAddress);
        ShutDown();
        return;
    }
    CloseBox();
}

void avbox::Form_MouseMove(int, int, float, float) {
    ClearUnderlines(*this);
}

void avbox::buttonplus1_MouseMove(int Index, int, int, float, float) {
    UnderlineCaption(buttonplus1[Index]);
}

void avbox::Timer1_Timer() {
    AdvanceAnimation(*this, 2);
}
