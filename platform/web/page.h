// Inside the browser build's runtime: what the page queues (platform/web/page.js,
// Desk.post) and the one loop that takes it, runs the timers and waits.
#pragma once

#include <cstdint>
#include <functional>

namespace platform::web {

// An input event as the page queued it; what a, b, ... hold depends on the kind.
struct Event {
    enum Kind : std::int32_t {
        Press = 1,      // a button clicked (mouse or touch)
        Key = 2,        // a: the key's code (page.js, Desk.codeOf)
        Edit = 3,       // a text box's text changed (read from the page)
        Mouse = 4,      // a: 0 down, 1 up, 2 move; b: buttons; c: shift; d, e: x, y; f: inside
        Help = 5,       // F1, the context-menu key or Shift+F10
        AccessKey = 6,  // target: the window; a: the character's Unicode value
        Painted = 7,    // the window's picture has reached the screen
        KeySeen = 8,    // a key the browser handles itself (copy or paste in a field)
    };
    std::int32_t kind = 0;
    std::int32_t target = 0;  // the element's id: a control or a window
    std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
};

// views.cpp: runs an event on the view it is for (dropped when that view is gone); puts
// the backgrounds drawn since the last wait on the page; deletes the views let go of.
void Dispatch(const Event& event);
void FlushPaint();
void DeleteReleased();

// loop.cpp: timers tick in every loop, nested or not, each due again its interval after
// it fired. A timer is started or stopped with SetTimer (0 ms stops it).
int AddTimer(std::function<void()> tick);
void SetTimer(int timer, std::int32_t intervalMs);
void RemoveTimer(int timer);
// Handles events, timers and soon-tasks until done() holds.
void RunUntil(const std::function<bool()>& done);
// Suspends for good: nothing of the program runs after it.
[[noreturn]] void WaitForever();

}  // namespace platform::web
