// The start-up window. It is never shown: loading it runs the whole start-up sequence,
// which shows the main window modally and ends the program when that window closes.
#pragma once

#include <cstdint>

#include "platform/form.h"

class Avcalc1 : public platform::Form {
  public:
    Avcalc1() : Form("Avcalc1") {}

    struct Rect {
        std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    };
    Rect WorkAreaRect;  // the desktop work area, pixels

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
};

// Start-up up to the main window: measures the screen, reads the data file and writes the
// built-in texts (what the load handler does before it shows the main window).
void PrepareGlobals();
