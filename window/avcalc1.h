// The start-up window. It is never shown: loading it runs the whole start-up sequence,
// which shows the main window modally and ends the program when that window closes.
#pragma once

#include <cstdint>

#include "platform/form.h"
#include "platform/services.h"

class Avcalc1 : public platform::Form {
  public:
    Avcalc1() : Form("Avcalc1") {}

    platform::PixelRect WorkAreaRect;  // the desktop work area, pixels

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
};

// Start-up up to the main window, from the work area the system reported (areaOk false
// when the query failed): the work area and screen sizes, the data file's texts and
// colours, the built-in texts. The load handler does this before it shows the main
// window; the demos do it to look the same.
void PrepareGlobals(bool areaOk, const platform::PixelRect& area);
// The same with the work area asked of the system now.
void PrepareGlobals();
