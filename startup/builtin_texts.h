// Texts the program carries itself and writes over the data file's lines at start-up:
// the five help boxes with their titles, and the about and farewell text.
#pragma once

#include <cstdint>
#include <string>

namespace AvcalcMod {

// The box the main window shows once when start-up could not read the data file. The
// data file holds every other text, so these words are the program's own.
inline constexpr const char* DataFileNotReadTitle = "Data File Not Read";
// Its text: the file, the folder it was looked for in (Windows-1252 text), what is
// missing without it and what to do.
std::string DataFileNotReadText(const std::string& folder);

// Lines 514 to 523 (help texts and titles), then lines 178 to 194 (about and farewell).
void WriteBuiltInTexts();

// The work area in twips from a rectangle in pixels, rounded halves to even; 0 when the
// query failed. Start-up replaces a 0 by the design canvas size.
std::int32_t WorkAreaTwips(bool queryOk, std::int32_t fromPixel, std::int32_t toPixel,
                           float twipsPerPixel);

}  // namespace AvcalcMod
