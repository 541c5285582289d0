// Globals of the program's code module. They live for the whole run; the
// start-up sequence fills most of them once and the rest of the program reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace platform {
class Form;
}

namespace AvcalcMod {

inline constexpr int TextLineCount = 565;
inline constexpr int FragmentCount = 147;
inline constexpr int ColourCount = 72;
inline constexpr int AnimationSlots = 4;

// The product's web address: window caption and farewell link.
inline constexpr const char* WebAddress = "https://www.quenmar.example/";
// The face every window is designed around (its sizes and line breaks are measured in it).
inline constexpr const char* FaceName = "Tahoma";

extern bool LoadingData;        // True while the text section is read
extern bool DataFileRead;       // True when start-up read the whole text section
extern std::string LineBuffer;  // fragment constant, later the reader's line
extern std::array<std::string, FragmentCount + 1> FragmentTable;  // entries 1..147
using TextLineArray = std::array<std::string, TextLineCount + 1>;
extern TextLineArray TextLines;  // lines 1..565, element 0 empty
extern std::array<std::int32_t, ColourCount + 1>
    ColourTable;                              // colours 1..72 (red + 256 green + 65536 blue)
extern std::array<std::string, 8> FontNames;  // only element 5 is set
extern std::int32_t LayoutMode;
extern std::int32_t WorkAreaWidth;   // twips
extern std::int32_t WorkAreaHeight;  // twips
extern float ScaleFactor;
extern std::int32_t TwipsPerPixelX;
extern std::int32_t TwipsPerPixelY;
extern platform::Form* CurrentForm;
extern std::int32_t DialogResult;
extern std::array<std::int32_t, AnimationSlots> AnimationFrame;
extern std::array<std::int32_t, AnimationSlots> AnimationFrameCount;
extern std::int32_t ColourRed;
extern std::int32_t ColourGreen;
extern std::int32_t ColourBlue;

// Puts every global, the random sequence included, back to its state before start-up
// (tests start from it).
void ResetGlobals();

}  // namespace AvcalcMod
