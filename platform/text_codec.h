// Windows-1252 byte strings <-> Unicode, only where texts meet widgets.
#pragma once

#include <QString>
#include <string>

namespace platform {

QString ToUnicode(const std::string& bytes);
// Characters outside the code page become "?".
std::string FromUnicode(const QString& text);
// Single character code (0..255) of a Unicode character; '?' when outside the page.
int CodeOf(QChar c);

}  // namespace platform
