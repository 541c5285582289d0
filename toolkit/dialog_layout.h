// Arithmetic of the message dialog's layout that needs no window: the title shown, the
// font and "Skip" rules, where the buttons go for each button code, how much shorter the
// text labels are made, and the window height and button top that follow from the text.
// All values are on the design canvas (twips), before the window is scaled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace AvcalcMod {

// The farewell box's title; the window caption adds three more blanks, so it is the one
// caption of the program that ends in "!".
inline constexpr const char* FarewellTitle = "   Learn to Fly!";

// The box before scaling.
inline constexpr float DialogLeft = 2500.0F;
inline constexpr float DialogTop = 2000.0F;
inline constexpr float DialogWidth = 7000.0F;
inline constexpr std::int32_t DialogTextLeft = 300;
inline constexpr std::int32_t DialogTextTop = 100;
inline constexpr std::int32_t DialogTextWidth = 6400;
inline constexpr std::int32_t DialogTextHeight = 2100;
inline constexpr float DialogButtonWidth = 1000.0F;
inline constexpr float DialogButtonHeight = 350.0F;
inline constexpr float DialogButtonTop = 1040.0F;
inline constexpr float FarewellTextLeft = 220.0F;

// The title shown: the given one, or the default title when it is empty.
std::string DialogTitle(const std::string& title, const std::string& defaultTitle);

// The window caption: three blanks, then the title.
std::string DialogCaption(std::string_view title);

// True when the first 12 characters of the title equal the first 12 of the font-rule line
// (a shorter text compares whole).
bool TahomaRuleApplies(std::string_view title, std::string_view fontRuleLine);

// The second button reads "Skip" when the title begins with "Cop" (letter case as written)
// or is the aerodrome question's own title.
bool SecondButtonSkips(std::string_view title, std::string_view questionTitle);

// Where the two buttons stand and what the text labels lose, for one button code.
struct ButtonPlan {
    float okLeft = 0.0F;
    float secondLeft = 0.0F;
    float buttonTop = DialogButtonTop;  // replaced by the top below the text in the end
    bool okShown = true;
    bool secondShown = true;
    bool farewell = false;    // the farewell layout: left-aligned text, the animation
    float textShrink = 0.0F;  // twips taken off the height of both text labels
};

// Code 0: OK alone, centred; with the farewell title no button at all. Code 2: OK and
// Cancel/Skip close together. Code 6: no buttons (help boxes). Any other code: OK and
// Cancel towards the right.
ButtonPlan PlanButtons(std::int32_t code, float windowWidth, bool farewellTitle,
                       std::int32_t layoutMode);

// Window height from the text label's height.
float DialogWindowHeight(float textHeight);

// Top of the buttons: 200 twips below the text's bottom taken as a whole number
// (halves to even). The text top itself when the sum does not fit.
float ButtonTopBelowText(float textTop, float textHeight);

}  // namespace AvcalcMod
