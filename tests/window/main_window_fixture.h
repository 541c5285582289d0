// The main window as the start-up sequence leaves it: globals from the real data file,
// the window loaded and shown offscreen. Tests drive it through its controls.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <string>

#include "startup/avcalc_mod.h"
#include "window/avc.h"
#include "window/avcalc1.h"

namespace windowtest {

inline const std::string& T(int n) {
    return AvcalcMod::TextLines[static_cast<std::size_t>(n)];
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(AVC_BUILD_DIR);  // vdats.tst and m9.gif are there
        AvcalcMod::ResetGlobals();
        PrepareGlobals();
        w().Show();
        // Focus moves only inside the active window.
        w().NativeWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w().NativeWidget()));
    }
    void TearDown() override {
        w().Unload();
        AvcalcMod::ResetGlobals();
    }
    static avc& w() { return TheMainWindow(); }

    // Presses the keypad key whose caption is the character.
    void Key(char c) {
        const std::string& keys = T(211);
        auto at = keys.find(c);
        ASSERT_NE(at, std::string::npos) << "no key " << c;
        avc::Press(w().buttonplus1[static_cast<int>(at)]);
    }
    void Keys(const std::string& text) {
        for (char c : text) Key(c);
    }
    std::string Display() { return w().Label1->Caption(); }
    // The formula button whose caption marks the code.
    int FormulaButton(char code) {
        for (int i = 0; i <= 8; ++i) {
            const std::string& c = T(270 + i);
            auto amp = c.find('&');
            if (amp != std::string::npos &&
                std::tolower(static_cast<unsigned char>(c[amp + 1])) == code)
                return i;
        }
        ADD_FAILURE() << "no formula button for " << code;
        return 0;
    }
    void ChooseFormula(char code) { avc::Press(w().buttonplus3[FormulaButton(code)]); }
    int ConversionButton(char code) {
        for (int m = 0; m <= 17; ++m) {
            std::string c = T(212).substr(static_cast<std::size_t>(14 * m), 13);
            auto amp = c.find('&');
            if (amp != std::string::npos &&
                std::tolower(static_cast<unsigned char>(c[amp + 1])) == code)
                return m;
        }
        ADD_FAILURE() << "no conversion button for " << code;
        return 0;
    }
};

}  // namespace windowtest
