// Services of the desktop the program relies on. No window-system header here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace platform {

// Runs a program on the desktop: makes the application object, tells the desktop the
// program's id (its menu entry and icon carry that name), then runs `start`, which
// returns when the program is done. The result is the exit status.
int RunApplication(int argc, char** argv, const char* desktopId,
                   const std::function<void()>& start);

// Makes the Tahoma face the windows are designed around available (on the desktop the
// one shipped under /usr/share/wine/fonts when the font database does not list it;
// quietly nothing when the files are absent), and the interfaces through which
// assistive technology reads the windows. Called by the first window; needs a running
// application.
void Initialise();

// Ends the program at once, without close handlers or static teardown, standard output
// and error flushed: on the desktop the process exits with status 0; a web page, which
// has no process to end, shows that the program has ended, with a way to start it again,
// and runs nothing more. Does not return.
[[noreturn]] void EndProcess();

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// The primary screen's work area in pixels (the desktop less panels); empty when
// there is no screen.
std::optional<PixelRect> DesktopWorkArea();

// Twips per screen pixel: 1440 / the screen's logical dots per inch (15 at 96 DPI).
float TwipsPerPixelX();
float TwipsPerPixelY();

// Opens a web address in the user's browser; the outcome is not reported.
void OpenWebAddress(const std::string& address);

// The working directory, where the program looks for its files, as an absolute path in
// Windows-1252 text (a character outside the code page becomes "?").
std::string WorkingFolder();

// Runs the task once from the event loop, after the events already waiting (so after a
// window shown just before has been laid out). Nothing runs without an application.
void RunSoon(std::function<void()> task);

// The desktop's clipboard as text (Windows-1252; a character outside it becomes "?");
// empty when it holds no text.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

// Gives the control the keyboard focus when it exists, is visible and enabled.
void SafeSetFocus(Control& control);
// Puts the mouse pointer back to the default arrow.
void ResetMousePointer();

}  // namespace platform

namespace AvcalcMod {
using platform::ResetMousePointer;
using platform::SafeSetFocus;
}  // namespace AvcalcMod
