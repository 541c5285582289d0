// A small window built with the toolkit the way every window of the program is built:
// grown control arrays, restyled, a shadowed title, scaled, centred, painted with a
// gradient, framed with dark edges, with the m9 animation. Run it from the folder holding
// vdats.tst and m9.gif (the build folder). "--quit-after <ms>" closes it by itself.
#include <QApplication>
#include <QTimer>
#include <cstring>
#include <string>

#include "common/shared_routines.h"
#include "platform/form.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "toolkit/animation.h"
#include "toolkit/skin.h"
#include "window/avcalc1.h"

namespace {

using namespace AvcalcMod;

class ToolkitDemo : public SkinnedForm {
  public:
    ToolkitDemo()
        : SkinnedForm("demo", {.buttons = {&buttonplus1, &buttonplus2, &buttonplus3},
                               .labels = {&Label1, &Label2},
                               .frames = &Image3,
                               .timer = &Timer1}) {
        for (platform::ControlArray* buttons : {&buttonplus1, &buttonplus2, &buttonplus3}) {
            buttons->Click = [this, buttons](int Index) { Button_Click(*buttons, Index); };
            buttons->MouseMove = [this, buttons](int Index, int, int, float, float) {
                ClearUnderlines(*this);
                UnderlineCaption((*buttons)[Index]);
            };
        }
        Timer1.Timer = [this](int) { AdvanceAnimation(*this, 2); };
        Timer1->SetEnabled(false);
    }

    platform::ButtonArray buttonplus1{*this, "buttonplus1"};
    platform::ButtonArray buttonplus2{*this, "buttonplus2"};
    platform::ButtonArray buttonplus3{*this, "buttonplus3"};
    platform::LabelArray Label1{*this, "Label1"};
    platform::LabelArray Label2{*this, "Label2"};
    platform::PictureArray Image3{*this, "Image3"};
    platform::TimerArray Timer1{*this, "Timer1"};

    void Form_Load() override {
        CurrentForm = this;
        for (std::int32_t code : {113, 122, 132, 221}) LoadControls(code);
        StyleForm(*this);
        SetCaption("   Quenmar Aviation Calculator - toolkit demonstration");
        Move(800, 1800, 7600, 3000);

        Label1->SetBackColor(LightTextColour);
        Label1->Move(180, 100, 7000, 350);
        Label1->SetBorderStyle(1);
        Label1->SetForeColor(NavyColour);
        Label1->SetFontSize(8);
        Label1->SetCaption(" Press a button: its caption shows here");

        StartAnimation(*this, 50, 6, 50, 6, 52, 8, 9, 2);

        // One row of each button array, in the colours the toolkit gives each of them.
        const char* const captions[3][4] = {{"7", "8", "9", "+"},
                                            {"&NM - SM", "&Feet - m", "&Kg - Lb", ""},
                                            {"&Crosswind", "&Wind", "&Dew Point", ""}};
        platform::ButtonArray* rows[] = {&buttonplus1, &buttonplus2, &buttonplus3};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 4 && *captions[r][c] != '\0'; ++c) {
                platform::Control& button = (*rows[r])[c];
                button.SetCaption(captions[r][c]);
                button.Move(static_cast<float>(180 + c * (r == 0 ? 520 : 1570)),
                            static_cast<float>(600 + r * 620), r == 0 ? 450.0F : 1500.0F, 450);
            }
        }
        ShowTitle(Label2[0], Label2[1], 4800, 2400, 2500, 320, "A shadowed title", 2);
        ScaleCurrentForm();
        PaintGradient(3, 4);
        for (platform::ControlArray* buttons : {&buttonplus1, &buttonplus2, &buttonplus3})
            for (int index : buttons->Indexes()) FrameControl((*buttons)[index], 30);
        FrameControl(*Label1.operator->(), 50);
    }

    void Form_MouseMove(int, int, float, float) override { ClearUnderlines(*this); }

    void Form_QueryUnload(int&, int) override { CurrentForm = nullptr; }

  private:
    void Button_Click(platform::ControlArray& buttons, int Index) {
        // A press sets the button; clearing it runs the action once and releases it.
        if (buttons[Index].Value() == 1) {
            buttons[Index].SetValue(0);
            return;
        }
        Label1->SetCaption(" " + buttons[Index].Caption());
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::Initialise();

    PrepareGlobals();  // as the start-up sequence does

    ToolkitDemo demo;
    for (int k = 1; k + 1 < argc; ++k) {
        if (std::strcmp(argv[k], "--quit-after") == 0) {
            const int ms = std::atoi(argv[k + 1]);
            QTimer::singleShot(ms, &app, [&demo]() { UnloadForm(&demo); });
        }
    }
    demo.ShowModal();
    return 0;
}
