// The main window as the start-up sequence leaves it: globals from the real data file,
// the window loaded and shown offscreen. Tests drive it through its controls.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/conversions.h"
#include "startup/avcalc_mod.h"
#include "startup/text_lines.h"
#include "toolkit/skin.h"
#include "window/avbox.h"
#include "window/avc.h"
#include "window/avcalc1.h"

namespace windowtest {

inline const std::string& T(int n) {
    return AvcalcMod::TextLine(n);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(AVC_BUILD_DIR);  // vdats.tst and m9.gif are there
        // Every box the window opens is answered from `answers` (1 OK, 2 the second
        // button, Esc, CloseControl); a box with no answer left is closed as Esc would
        // close it.
        platform::SetModalHook([this](platform::Form& form) {
            if (&form != &TheBox()) return;
            boxes.push_back({TheBox().Caption(), TheBox().Label1[0].Caption()});
            shownOnDisplay.push_back(w().Label1->Caption());
            const int answer = next < answers.size() ? answers[next++] : Esc;
            if (answer == CloseControl) {
                NativeWidget(TheBox())->close();
            } else if (answer == Esc) {
                QTest::keyClick(NativeWidget(TheBox()), Qt::Key_Escape);
            } else {
                TheBox().buttonplus1_Click(answer - 1);
            }
            if (TheBox().IsLoaded()) AvcalcMod::UnloadForm(&TheBox());
        });
        PrepareGlobals();
        w().Show();
        // Focus moves only inside the active window.
        NativeWidget(w())->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(NativeWidget(w())));
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        w().Unload();
    }
    static avc& w() { return TheMainWindow(); }

    struct Box {
        std::string caption, text;
    };
    std::vector<Box> boxes;                   // every box shown, in order
    std::vector<std::string> shownOnDisplay;  // the display while each box was up
    static constexpr int Esc = 27;
    static constexpr int CloseControl = -1;  // the frame's close control
    std::vector<int> answers;
    std::size_t next = 0;

    // Presses the keypad keys whose captions are the characters.
    void Keys(const std::string& text) {
        for (char c : text) {
            ASSERT_NE(T(211).find(c), std::string::npos) << "no key " << c;
            avc::Press(w().buttonplus1[static_cast<int>(T(211).find(c))]);
        }
    }
    std::string Display() { return w().Label1->Caption(); }
    // The formula (conversion) button whose caption marks the code.
    static int Button(platform::ControlArray& buttons, char code) {
        for (int i : buttons.Indexes())
            if (engine::ConversionCode(buttons[i].Caption()) == std::string(1, code)) return i;
        ADD_FAILURE() << "no button for " << code;
        return 0;
    }
    int FormulaButton(char code) { return Button(w().buttonplus3, code); }
    int ConversionButton(char code) { return Button(w().buttonplus2, code); }
    void ChooseFormula(char code) { avc::Press(w().buttonplus3[FormulaButton(code)]); }
};

}  // namespace windowtest
