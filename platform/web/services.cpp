// The browser build's services: starting the program in the page, the page as the work
// area, the clipboard as far as the browser allows, opening a web address in a new tab,
// and the end of the program (the page shows that it has ended).
#include "platform/services.h"

#include <emscripten.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "common/shared_routines.h"
#include "platform/gif_decode.h"
#include "platform/text_codec.h"
#include "platform/web/page.h"

// clang-format off
EM_JS(int, desk_area_width, (), { return window.innerWidth; });
EM_JS(int, desk_area_height, (), { return window.innerHeight; });
EM_JS(void, desk_open, (const char* address), { Desk.open(UTF8ToString(address)); });
EM_JS(int, desk_clipboard, (char* out, int cap), { return Desk.give(Desk.clipboard, out, cap); });
EM_JS(void, desk_set_clipboard, (const char* text), { Desk.setClipboard(UTF8ToString(text)); });
EM_JS(void, desk_ended, (), { Desk.ended(); });
EM_JS(double, desk_seed, (), { return Desk.seed(); });
EM_JS(int, desk_folder, (char* out, int cap), { return Desk.give(Desk.folder(), out, cap); });
// clang-format on

namespace platform {

namespace {
std::string FromPage(int (*read)(char*, int)) {
    std::string text(256, '\0');
    int needed = read(text.data(), static_cast<int>(text.size()));
    if (needed >= static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        needed = read(text.data(), static_cast<int>(text.size()));
    }
    text.resize(static_cast<std::size_t>(needed));
    return FromUtf8(text);
}
}  // namespace

int RunApplication(int, char**, const char*, const std::function<void()>& start) {
    if (const double seed = desk_seed(); seed >= 0 && seed <= 4294967295.0)
        AvcalcMod::FixClockSeed(static_cast<std::uint32_t>(seed));
    Initialise();
    start();
    EndProcess();
}

// The faces are loaded by the page before the program starts; the page's elements speak
// to assistive technology themselves.
void Initialise() {}

std::optional<PixelRect> DesktopWorkArea() {
    const int w = desk_area_width();
    const int h = desk_area_height();
    if (w <= 0 || h <= 0) return std::nullopt;
    return PixelRect{0, 0, w, h};
}

// A CSS pixel is 1/96 inch, whatever the screen: 15 twips.
float TwipsPerPixelX() {
    return 15.0F;
}
float TwipsPerPixelY() {
    return 15.0F;
}

void OpenWebAddress(const std::string& address) {
    desk_open(ToUtf8(address).c_str());
}

// Where the page's files come from: its folder on the server.
std::string WorkingFolder() {
    return FromPage(desk_folder);
}

std::string ClipboardText() {
    return FromPage(desk_clipboard);
}

void SetClipboardText(const std::string& text) {
    desk_set_clipboard(ToUtf8(text).c_str());
}

void ResetMousePointer() {}

void EndProcess() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    desk_ended();
    web::WaitForever();
}

std::optional<Bitmap> DecodeFirstGifImage(std::string_view head, std::string_view rest) {
    return ReadFirstGifImage(head, rest);
}

}  // namespace platform
