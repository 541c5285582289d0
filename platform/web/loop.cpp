// The browser build's event loop. The page only queues input; this loop takes one event,
// one due timer or one soon-task at a time, and with nothing to do suspends the program's
// one stack (Asyncify) until the page queues something or the next timer is due. A modal
// window is a loop run inside the handler that shows it, so window code waits for a box's
// answer as it does on the desktop.
#include <emscripten.h>

#include <algorithm>
#include <deque>
#include <map>
#include <utility>

#include "platform/services.h"
#include "platform/view.h"
#include "platform/web/page.h"

// The one place the program's stack is suspended.
EM_ASYNC_JS(void, desk_wait, (double ms), { await Desk.wait(ms); });
EM_ASYNC_JS(void, desk_wait_forever, (), { await new Promise(function(){}); });
EM_JS(int, desk_pop, (std::int32_t * out), { return Desk.pop(out); });
EM_JS(double, desk_now, (), { return performance.now(); });

namespace platform {

namespace web {

namespace {

struct Timer {
    std::int32_t intervalMs = 0;
    double dueMs = 0;
    std::function<void()> tick;
};

std::map<int, Timer>& Timers() {
    static std::map<int, Timer> timers;
    return timers;
}

std::deque<std::function<void()>>& SoonTasks() {
    static std::deque<std::function<void()>> tasks;
    return tasks;
}

int running = 0;  // handlers now on the stack

// Runs a piece of the program; views let go of meanwhile are deleted once no handler
// that might still use them is on the stack.
template <typename Work>
void Run(Work&& work) {
    ++running;
    work();
    if (--running == 0) DeleteReleased();
}

// The most overdue timer, fired; false when none is due.
bool FireDueTimer() {
    const double now = desk_now();
    auto& timers = Timers();
    auto due = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->second.intervalMs > 0 && it->second.dueMs <= now &&
            (due == timers.end() || it->second.dueMs < due->second.dueMs))
            due = it;
    if (due == timers.end()) return false;
    due->second.dueMs = now + due->second.intervalMs;  // as a desktop timer: no catch-up burst
    auto tick = due->second.tick;                      // the tick may remove its own timer
    Run(tick);
    return true;
}

double MsToNextTimer() {
    double next = -1;
    const double now = desk_now();
    for (const auto& [id, t] : Timers())
        if (t.intervalMs > 0) {
            const double wait = std::max(0.0, t.dueMs - now);
            next = next < 0 ? wait : std::min(next, wait);
        }
    return next;
}

void PumpOnce() {
    if (FireDueTimer()) return;
    std::int32_t raw[8] = {};
    if (desk_pop(raw) != 0) {
        const Event event{raw[0], raw[1], raw[2], raw[3], raw[4], raw[5], raw[6], raw[7]};
        Run([&] { Dispatch(event); });
        return;
    }
    if (!SoonTasks().empty()) {
        auto task = std::move(SoonTasks().front());
        SoonTasks().pop_front();
        Run(task);
        return;
    }
    FlushPaint();
    desk_wait(MsToNextTimer());
}

class WebNestedLoop : public NestedLoop {
  public:
    void Run() override {
        RunUntil([this] { return quit_; });
    }
    void Quit() override { quit_ = true; }

  private:
    bool quit_ = false;
};

}  // namespace

int AddTimer(std::function<void()> tick) {
    static int next = 1;
    Timers()[next] = {0, 0, std::move(tick)};
    return next++;
}

void SetTimer(int timer, std::int32_t intervalMs) {
    auto it = Timers().find(timer);
    if (it == Timers().end()) return;
    it->second.intervalMs = std::max(0, intervalMs);
    it->second.dueMs = desk_now() + intervalMs;
}

void RemoveTimer(int timer) {
    Timers().erase(timer);
}

void RunUntil(const std::function<bool()>& done) {
    while (!done()) PumpOnce();
}

void WaitForever() {
    FlushPaint();
    for (;;) desk_wait_forever();
}

}  // namespace web

std::unique_ptr<NestedLoop> CreateNestedLoop() {
    return std::make_unique<web::WebNestedLoop>();
}

void RunSoon(std::function<void()> task) {
    if (task) web::SoonTasks().push_back(std::move(task));
}

}  // namespace platform
