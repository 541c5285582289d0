// The window look shared by every window: control arrays grown at run time, restyling,
// shadowed titles, scaling and centring, the gradient background, dark edges beside
// controls and the hover underline. Procedures without a window argument work on
// AvcalcMod::CurrentForm. No procedure reports an error: a step that cannot be done
// (missing element, no current window) is passed over and the next one runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "toolkit/colour_plan.h"

namespace AvcalcMod {

// Style colours (red + 256 green + 65536 blue).
inline constexpr std::int32_t LightTextColour = 16318463;  // RGB(255, 255, 248)
inline constexpr std::int32_t NavyColour = 96 * 65536;     // RGB(0, 0, 96)
inline constexpr std::int32_t DarkGreenColour = 64 * 256;  // RGB(0, 64, 0)
inline constexpr std::int32_t DarkRedColour = 153;         // RGB(153, 0, 0)
inline constexpr std::int32_t BlackColour = 0;

// What each of a window's control arrays is to the look. A window hands them over once;
// the toolkit never looks a control up by its name. A part the window lacks stays null.
struct LookArrays {
    // Push buttons by group, each with its caption colour: the keypad (navy), the
    // conversions (dark green), the formulas (dark red).
    std::array<platform::ControlArray*, 3> buttons{};
    std::array<platform::ControlArray*, 2> labels{};  // Label1 (text, display), Label2 (titles)
    platform::ControlArray* fields = nullptr;         // text boxes
    platform::ControlArray* pictures = nullptr;       // still pictures
    platform::ControlArray* frames = nullptr;         // the animation's frames
    platform::ControlArray* timer = nullptr;          // steps the animation
};

// A window with the program's look: it says which array plays which part.
class SkinnedForm : public platform::Form {
  public:
    SkinnedForm(std::string name, const LookArrays& look)
        : platform::Form(std::move(name)), look_(look) {}
    const LookArrays& Look() const { return look_; }

  private:
    LookArrays look_;
};

inline constexpr float DesignCanvasWidth = 12000.0F;
inline constexpr float DesignCanvasHeight = 8550.0F;

// Grows one control array of CurrentForm. The code's decimal digits: kind (1 buttons,
// 2 labels, 3 fields, 4 pictures), group (buttons 1..3, labels 1..2), then the last index.
void LoadControls(std::int32_t code);

// Design canvas, window font and colours, and the style of every button, text box
// and label of CurrentForm.
void StyleForm(platform::Form& window);

// Title style of one label: 8 points bold, light, transparent, centred, "&" shown as is.
void StyleLabel(platform::Control& label);

// A light caption over a black shadow 18 twips right and 15 down. Style 1: not bold;
// style 2: 7 points; other styles: 8 points bold. The shadow is decorative (assistive
// technology reads the caption once).
void ShowTitle(platform::Control& front, platform::Control& shadow, std::int32_t left,
               std::int32_t top, std::int32_t width, std::int32_t height,
               const std::string& caption, std::int32_t style);

// Both labels of a title pair of CurrentForm get the text: which 1 is Label1, 2 is Label2.
void SetTitleCaption(std::int32_t which, std::int32_t frontIndex, std::int32_t shadowIndex,
                     const std::string& text);

// Enlarges CurrentForm and its controls by ScaleFactor, then centres the window.
void ScaleCurrentForm();

// Centres a window in the work area; stops at its first failing step.
void CentreForm(platform::Form& window);

// Paints CurrentForm's background with a gradient between two ColourTable entries, in
// a style picked at random. PaintGradientStyle paints a given style (0 to 3).
void PaintGradient(std::int32_t fromIndex, std::int32_t toIndex);
void PaintGradientStyle(std::int32_t fromIndex, std::int32_t toIndex, std::int32_t style);

// A black box on CurrentForm from (L + m, T + m) to (L + W + 2m, T + H + 2m).
void FrameControl(platform::Control& control, std::int32_t margin);

// Hides elements first..last of the window's first button group.
void HideButtons(std::int32_t first, std::int32_t last, SkinnedForm& window);

// Hover: underline one button's caption; take the underline off every button.
// Both write the flag only when it changes.
void UnderlineCaption(platform::Control& control);
void ClearUnderlines(platform::Form& window);

// Unloads the window (its close handler runs, its run-time elements go) and clears
// CurrentForm. A null window only clears CurrentForm.
void UnloadForm(platform::Form* window);

}  // namespace AvcalcMod
