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

// The box as the modal hook saw it, before the test's action closed it.
struct Seen {
    struct Element {
        float left = 0, top = 0, width = 0, height = 0;
        bool visible = false;
        std::string caption;
        int alignment = 0;
    };
    std::string caption;
    float left = 0, top = 0, width = 0, height = 0;
    bool modal = false;
    Element button[4];
    Element label[2];
    Element picture;
    int pictures = 0;
    std::int32_t timerInterval = 0;
    bool timerEnabled = false;
};

inline Seen::Element Snap(platform::Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height(), c.Visible(), c.Caption(), c.Alignment()};
}

inline Seen SnapBox(avbox& box) {
    Seen s;
    s.caption = box.Caption();
    s.left = box.Left();
    s.top = box.Top();
    s.width = box.Width();
    s.height = box.Height();
    s.modal = box.IsModal();
    for (int i = 0; i < 4; ++i) s.button[i] = Snap(box.buttonplus1[i]);
    for (int i = 0; i < 2; ++i) s.label[i] = Snap(box.Label1[i]);
    s.picture = Snap(box.Image3[0]);
    s.pictures = box.Image3.Count();
    s.timerInterval = box.Timer1->Interval();
    s.timerEnabled = box.Timer1->Enabled();
    return s;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace AvcalcMod;
        ResetGlobals();
        ResetShutDown();
        ScaleFactor = 1.0F;  // geometry read back on the design canvas; one test scales
        WorkAreaWidth = 15360;
        WorkAreaHeight = 11070;
        TwipsPerPixelX = 15;
        TwipsPerPixelY = 15;
        FontNames[5] = "Tahoma";
        LayoutMode = 2;
        ColourTable[3] = 0x00B8D4F0;
        ColourTable[4] = 0x00F6F9FD;
        ColourTable[17] = 0x00806040;
        ColourTable[28] = 0x00FFFFF8;
        WriteBuiltInTexts();
        TextLines[37] = "Quenmar Aviation Calculator";
        TextLines[265] = "Quenmar Aviation Calculator";
        TextLines[308] =
            "Is this the aerodrome you want? Click OK to keep it, or Skip to see the next match.";
        TextLines[309] = "Aerodrome Search";
        platform::SetModalHook([this](platform::Form& form) {
            ++shown;
            if (&form != &TheBox()) return;
            seen.push_back(SnapBox(TheBox()));
            if (action) action(TheBox());
            // A box the action did not close would wait for ever.
            if (TheBox().IsLoaded() && TheBox().IsModal() && closeIfLeftOpen) {
                leftOpen = true;
                AvcalcMod::UnloadForm(&TheBox());
            }
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
    bool closeIfLeftOpen = true;
    bool leftOpen = false;
    int shown = 0;
    int ended = 0;
    std::vector<Seen> seen;
    std::vector<std::string> opened;
};

}  // namespace windowtest
