// A window with every array the toolkit knows, and the globals set as at start-up.
#pragma once

#include <gtest/gtest.h>

#include "startup/avcalc_mod.h"
#include "toolkit/skin.h"

namespace toolkittest {

class ToolkitForm : public AvcalcMod::SkinnedForm {
  public:
    ToolkitForm()
        : SkinnedForm("avc", {.buttons = {&buttonplus1, &buttonplus2, &buttonplus3},
                              .labels = {&Label1, &Label2},
                              .fields = &Text1,
                              .pictures = &Image1,
                              .frames = &Image3,
                              .timer = &Timer1}) {}
    platform::ButtonArray buttonplus1{*this, "buttonplus1"};
    platform::ButtonArray buttonplus2{*this, "buttonplus2"};
    platform::ButtonArray buttonplus3{*this, "buttonplus3"};
    platform::LabelArray Label1{*this, "Label1"};
    platform::LabelArray Label2{*this, "Label2"};
    platform::TextBoxArray Text1{*this, "Text1"};
    platform::PictureArray Image1{*this, "Image1"};
    platform::PictureArray Image3{*this, "Image3"};
    platform::TimerArray Timer1{*this, "Timer1"};
};

class ToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AvcalcMod::TwipsPerPixelX = AvcalcMod::TwipsPerPixelY = 15;
        AvcalcMod::LayoutMode = 2;
        AvcalcMod::ColourTable[3] = 0x00B8D4F0;  // the main window's gradient
        AvcalcMod::ColourTable[4] = 0x00F6F9FD;
        // Loaded, not shown: no window frame, so the inner area is the whole window.
        form.Load();
        AvcalcMod::CurrentForm = &form;
    }
    void TearDown() override {
        form.Unload();
        AvcalcMod::CurrentForm = nullptr;
    }
    ToolkitForm form;
};

}  // namespace toolkittest
