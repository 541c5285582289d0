// The numbers of the data file's text lines the program reads, and safe access to them.
// Every caption, tool tip, prompt, phrase and message is addressed by its line number.
#pragma once

#include <cstdint>
#include <string>

#include "startup/avcalc_mod.h"

namespace AvcalcMod {

namespace Line {
// Formula prompts: the prompt is PromptStart, the field titles, PromptEnd.
inline constexpr int PromptStart = 23;
inline constexpr int PromptEnd = 210;
// Field titles.
inline constexpr int WindDirectionTitle = 215;
inline constexpr int WindSpeedTitle = 216;
inline constexpr int DepartureTitle = 228;
inline constexpr int WindHeadingTitle = 232;
inline constexpr int TrueCourseTitle = 234;
inline constexpr int TrueAirspeedTitle = 235;
inline constexpr int AltitudeTitle = 341;
inline constexpr int DensityTemperatureTitle = 343;
inline constexpr int AltimeterSettingTitle = 345;
inline constexpr int DewTemperatureTitle = 346;
inline constexpr int SearchTextTitle = 553;
// Phrases that introduce formula results.
inline constexpr int AltimeterResult = 27;
inline constexpr int WindResult = 174;
inline constexpr int TrueAirspeedResult = 176;
inline constexpr int HeadingResult = 177;
inline constexpr int CrosswindResult = 230;
inline constexpr int HeadwindResult = 231;
inline constexpr int DewPointResult = 236;
inline constexpr int DensityAltitudeResult = 284;
// The distance and track line.
inline constexpr int DistancePhrase = 51;
inline constexpr int MagneticPhrase = 227;
// Messages.
inline constexpr int DefaultDialogTitle = 37;
inline constexpr int SearchNotFound = 218;
inline constexpr int QuestionText = 308;
inline constexpr int QuestionTitle = 309;
inline constexpr int RangeMessage = 358;  // followed by the field's limit
inline constexpr int NoSolution = 562;
inline constexpr int FontRuleTitle = 265;
// Captions and tool tips of the main window.
inline constexpr int ToolTipTail = 39;
inline constexpr int FlightPlanToolTip = 99;     // formula button 3
inline constexpr int LookUpToolTip = 361;        // formula button 4
inline constexpr int SmallFormulaToolTip = 362;  // formula buttons 5 to 8
inline constexpr int ConversionToolTip = 279;
inline constexpr int FormulaToolTip = 280;
inline constexpr int KeypadToolTip = 282;
inline constexpr int KeypadCharacters = 211;    // one character a key, in key order
inline constexpr int ConversionCaptions = 212;  // 13-character captions in 14-character slots
inline constexpr int ConversionFactors = 214;
inline constexpr int FirstFormulaCaption = 270;  // formula button i: line 270 + i
// Data-file records.
inline constexpr int ColourRecord = 153;
inline constexpr int NamePieces = 220;
// Texts the program carries itself (the help text; its title is the next line).
inline constexpr int ConversionsHelp = 514;
inline constexpr int FlightPlanHelp = 516;
inline constexpr int FormulaeHelp = 518;
inline constexpr int KeypadHelp = 520;
inline constexpr int WindowHelp = 522;
inline constexpr int FarewellFirst = 178;
inline constexpr int FarewellLast = 194;
}  // namespace Line

// TextLines(n); the empty text for a number outside 0..565.
const std::string& TextLine(std::int32_t n);

// TextLines(first) to TextLines(last) joined with CR LF; empty when first > last.
std::string JoinLines(std::int32_t first, std::int32_t last);

}  // namespace AvcalcMod
