// The program's own message box: every help text, question and the farewell text is
// shown in the window avbox, sized to its text, styled like every other window and
// shown modally. The caller reads DialogResult afterwards (1 OK, 2 the second button or
// any other way out) and sets it back to 0 itself.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/dialog_layout.h"

namespace AvcalcMod {

// buttons: 0 OK alone (with the title FarewellTitle: the farewell box, no button, the
// m8 animation); 2 OK and Cancel, the second reading "Skip" for the aerodrome question
// or a title beginning with "Cop"; 6 no buttons (help boxes); any other: OK and Cancel.
// An empty title shows TextLines(37). Returns when the box has been closed.
void ShowMessageDialog(const std::string& text, const std::string& title, std::int32_t buttons);

}  // namespace AvcalcMod
