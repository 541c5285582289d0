#include "window/avcalc1.h"

#include "platform/services.h"
#include "startup/avcalc_mod.h"
#include "startup/builtin_texts.h"
#include "startup/data_file.h"
#include "startup/number_forms.h"
#include "startup/shutdown.h"
#include "toolkit/skin.h"
#include "window/avc.h"

using namespace AvcalcMod;

namespace {
std::function<void()>& EndOfRun() {
    static std::function<void()> end;
    return end;
}
}  // namespace

void SetEndOfRun(std::function<void()> end) {
    EndOfRun() = std::move(end);
}

void PrepareGlobals() {
    const float tx = platform::TwipsPerPixelX();
    const float ty = platform::TwipsPerPixelY();
    auto area = platform::DesktopWorkArea();
    WorkAreaWidth =
        WorkAreaTwips(area.has_value(), area ? area->left : 0, area ? area->right : 0, tx);
    WorkAreaHeight =
        WorkAreaTwips(area.has_value(), area ? area->top : 0, area ? area->bottom : 0, ty);
    if (WorkAreaWidth == 0) WorkAreaWidth = 12000;
    if (WorkAreaHeight == 0) WorkAreaHeight = 8550;
    ScaleFactor = 1.28F;
    TwipsPerPixelX = runtime::ToLong(tx).value_or(15);
    TwipsPerPixelY = runtime::ToLong(ty).value_or(15);
    BuildFragmentTable();
    ReadTextSection();
    FontNames[5] = "Tahoma";
    LayoutMode = 2;
    WriteBuiltInTexts();
}

void Avcalc1::Form_Load() {
    CurrentForm = this;
    if (auto area = platform::DesktopWorkArea())
        WorkAreaRect = {area->left, area->top, area->right, area->bottom};
    PrepareGlobals();
    UnloadForm(this);
    TheMainWindow().ShowModal();
    ShutDown();
}

void Avcalc1::Form_QueryUnload(int&, int UnloadMode) {
    if (UnloadMode == platform::UnloadFromCloseControl) ShutDown();
}
