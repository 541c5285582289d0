#include "window/avcalc1.h"

#include "common/number_forms.h"
#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "startup/data_file.h"
#include "toolkit/skin.h"
#include "window/avc.h"
#include "window/shutdown.h"

using namespace AvcalcMod;

void PrepareGlobals(bool areaOk, const platform::PixelRect& area) {
    const float tx = platform::TwipsPerPixelX();
    const float ty = platform::TwipsPerPixelY();
    WorkAreaWidth = WorkAreaTwips(areaOk, area.left, area.right, tx);
    WorkAreaHeight = WorkAreaTwips(areaOk, area.top, area.bottom, ty);
    if (WorkAreaWidth == 0) WorkAreaWidth = 12000;
    if (WorkAreaHeight == 0) WorkAreaHeight = 8550;
    ScaleFactor = 1.28F;
    TwipsPerPixelX = numbers::ToLong(tx).value_or(15);
    TwipsPerPixelY = numbers::ToLong(ty).value_or(15);
    BuildFragmentTable();
    ReadTextSection();
    FontNames[5] = FaceName;
    LayoutMode = 2;
    WriteBuiltInTexts();
}

void PrepareGlobals() {
    const auto area = platform::DesktopWorkArea();
    PrepareGlobals(area.has_value(), area.value_or(platform::PixelRect{}));
}

void Avcalc1::Form_Load() {
    CurrentForm = this;
    const auto area = platform::DesktopWorkArea();
    if (area) WorkAreaRect = *area;
    PrepareGlobals(area.has_value(), WorkAreaRect);
    UnloadForm(this);
    TheMainWindow().ShowModal();
    ShutDown();
}

void Avcalc1::Form_QueryUnload(int&, int UnloadMode) {
    if (UnloadMode == platform::UnloadFromCloseControl) ShutDown();
}
