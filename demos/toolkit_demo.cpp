// A window built with the toolkit, the way every window of the program is built:
// grown control arrays, restyled, titled, scaled, centred, painted with a gradient,
// framed with dark edges, with the m9 animation. Run it from the folder holding
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

class ToolkitDemo : public platform::Form {
  public:
    ToolkitDemo() : Form("demo") {
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
        LoadControls(1119);
        LoadControls(1217);
        LoadControls(138);
        LoadControls(227);
        StyleForm(*this);
        SetCaption("   Quenmar Aviation Calculator - toolkit demonstration");
        Move(800, 1800, 10400, 4350);

        Label1->SetBackColor(LightTextColour);
        Label1->Move(180, 100, 9950, 350);
        Label1->SetBorderStyle(1);
        Label1->SetForeColor(NavyColour);
        Label1->SetFontSize(8);
        Label1->SetCaption(" 12.5 x 4 = 50");

        StartAnimation(*this, 78, 8, 78, 8, 80, 10, 9, 2);

        const std::string& keys = TextLines[211];
        for (int k = 0; k < 20; ++k) {
            const int c = k / 4 + 1;
            const int r = k % 4 + 1;
            buttonplus1[k].SetCaption(keys.size() > static_cast<std::size_t>(k) ? keys.substr(k, 1)
                                                                                : "?");
            buttonplus1[k].Move(static_cast<float>(480 * c - 300), static_cast<float>(565 * r), 450,
                                500);
        }
        const std::string& conversions = TextLines[212];
        for (int m = 0; m < 18; ++m) {
            const int c = m / 6 + 1;
            const int r = m % 6 + 1;
            const std::size_t at = static_cast<std::size_t>(14 * m);
            buttonplus2[m].SetCaption(at < conversions.size() ? conversions.substr(at, 13)
                                                              : "Convert");
            buttonplus2[m].Move(static_cast<float>(1570 * c + 1070),
                                static_cast<float>(370 * r + 190), 1500, 350);
        }
        for (int i = 0; i < 9; ++i) {
            const std::string& caption = TextLines[static_cast<std::size_t>(270 + i)];
            buttonplus3[i].SetCaption(caption.empty() ? "Formula" : caption);
            if (i >= 5)
                buttonplus3[i].Move(static_cast<float>(1790 * (i - 5) + 180), 2800, 1720, 400);
            else
                buttonplus3[i].Move(static_cast<float>(2000 * i + 180), 3240, 1920, 500);
        }
        // The first field slot is left free: the picture sits there.
        const char* titles[] = {"", "Wind speed (kt)", "Wind angle (deg)", "True airspeed (kt)"};
        for (int i = 1; i < 4; ++i) {
            ShowTitle(Label2[i], Label2[i + 4], 7400, 615 * (i + 1) + 330, 2700, 320, titles[i], 2);
        }
        Label2[0].SetVisible(false);
        Label2[4].SetVisible(false);
        ScaleCurrentForm();
        PaintGradient(3, 4);
        for (int i = 0; i < 20; ++i) {
            FrameControl(buttonplus1[i], 20);
            if (i < 9) FrameControl(buttonplus3[i], 40);
            if (i < 18) FrameControl(buttonplus2[i], 30);
        }
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
