// Windows-1252 byte strings <-> QString, where texts meet the widgets.
#pragma once

#include <QString>
#include <string>

#include "platform/text_codec.h"

class QKeyEvent;

namespace platform {

QString ToUnicode(const std::string& bytes);
// Characters outside the code page become "?".
std::string FromUnicode(const QString& text);
// The character code a key press stands for: Enter 13, Esc 27, Backspace 8, the desktop's
// copy keys (Ctrl+C, Ctrl+Insert) 3 and paste keys (Ctrl+V, Shift+Insert) 22, otherwise
// the typed character; 0 for a key that types nothing.
int KeyCodeOf(const QKeyEvent* event);

}  // namespace platform
