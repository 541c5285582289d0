// Globals as start-up leaves them, the built-in texts plus the data-file lines the box
// uses, and hooks that let a test see the box, the web page opened and the end of the
// program instead of a browser and an exit.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "toolkit/skin.h"
#include "window/avbox.h"
#include "window/shutdown.h"

namespace windowtest {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace AvcalcMod;
        ResetShutDown();
        ScaleFactor = 1.0F;  // geometry read back on the design canvas; one test scales
        WorkAreaWidth = 15360;
        WorkAreaHeight = 11070;
        TwipsPerPixelX = TwipsPerPixelY = 15;
        FontNames[5] = "Tahoma";
        LayoutMode = 2;
        WriteBuiltInTexts();
        TextLines[37] = TextLines[265] = "Quenmar Aviation Calculator";
        TextLines[309] = "Aerodrome Search";
        // Each box is seen, then handled by the test's action; one the action left open
        // would wait for ever, so it is closed and the test told.
        platform::SetModalHook([this](platform::Form& form) {
            ++shown;
            if (&form != &TheBox()) return;
            if (action) action(TheBox());
            leftOpen = TheBox().IsLoaded();
            if (leftOpen) AvcalcMod::UnloadForm(&TheBox());
        });
        SetWebAddressOpener([this](const std::string& address) { opened.push_back(address); });
        AvcalcMod::SetEndProgramHook([this]() { ++ended; });
    }
    void TearDown() override {
        platform::SetModalHook(nullptr);
        SetWebAddressOpener(nullptr);
        AvcalcMod::SetEndProgramHook(nullptr);
        for (platform::Form* f : platform::Forms()) f->Unload();
        AvcalcMod::CurrentForm = nullptr;
    }

    std::function<void(avbox&)> action;
    bool leftOpen = false;
    int shown = 0;
    int ended = 0;
    std::vector<std::string> opened;
};

}  // namespace windowtest
