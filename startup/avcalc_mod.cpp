#include "startup/avcalc_mod.h"

#include "common/shared_routines.h"

namespace AvcalcMod {

bool LoadingData = false;
bool DataFileRead = false;
std::string LineBuffer;
std::array<std::string, FragmentCount + 1> FragmentTable;
TextLineArray TextLines;
std::array<std::int32_t, ColourCount + 1> ColourTable{};
std::array<std::string, 8> FontNames;
std::int32_t LayoutMode = 0;
std::int32_t WorkAreaWidth = 0;
std::int32_t WorkAreaHeight = 0;
float ScaleFactor = 0.0F;
std::int32_t TwipsPerPixelX = 0;
std::int32_t TwipsPerPixelY = 0;
platform::Form* CurrentForm = nullptr;
std::int32_t DialogResult = 0;
std::array<std::int32_t, AnimationSlots> AnimationFrame{};
std::array<std::int32_t, AnimationSlots> AnimationFrameCount{};
std::int32_t ColourRed = 0;
std::int32_t ColourGreen = 0;
std::int32_t ColourBlue = 0;

void ResetGlobals() {
    LoadingData = false;
    DataFileRead = false;
    LineBuffer.clear();
    FragmentTable.fill({});
    TextLines.fill({});
    ColourTable.fill(0);
    FontNames.fill({});
    LayoutMode = 0;
    WorkAreaWidth = WorkAreaHeight = 0;
    ScaleFactor = 0.0F;
    TwipsPerPixelX = TwipsPerPixelY = 0;
    CurrentForm = nullptr;
    DialogResult = 0;
    AnimationFrame.fill(0);
    AnimationFrameCount.fill(0);
    ColourRed = ColourGreen = ColourBlue = 0;
    Randomize(InitialRandomState);
}

}  // namespace AvcalcMod
