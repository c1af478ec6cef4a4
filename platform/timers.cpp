// SetTimer and KillTimer: a list of timers per thread, looked at by the
// thread's message loop (messages.cpp), which also waits for the next one.
#include "platform/timers.h"

#include <chrono>
#include <vector>

#include "platform/thread_windows.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Timer {
    HWND window;
    std::uintptr_t id;
    Clock::duration interval;
    Clock::time_point due;
};

thread_local std::vector<Timer> timers;
thread_local std::uintptr_t nextThreadTimerId = 1;

bool windowAlive(HWND window) {
    if (window == 0) return true;
    const WindowObject *w = findWindow(window);
    return w != nullptr && !w->foreign;
}

} // namespace

std::uintptr_t SetTimer(HWND window, std::uintptr_t id, UINT interval, TIMERPROC procedure) {
    if (procedure != nullptr || !windowAlive(window)) return 0;
    if (window == 0) id = nextThreadTimerId++;
    if (id == 0) return 0;
    const Clock::duration every = std::chrono::milliseconds(interval);
    for (Timer &t : timers)
        if (t.window == window && t.id == id) {
            t.interval = every;
            t.due = Clock::now() + every;
            return id;
        }
    timers.push_back(Timer{window, id, every, Clock::now() + every});
    return id;
}

BOOL KillTimer(HWND window, std::uintptr_t id) {
    for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->window == window && it->id == id) {
            timers.erase(it);
            return 1;
        }
    return 0;
}

bool takeTimerMessage(MSG &msg, HWND window, UINT first, UINT last, bool remove) {
    std::erase_if(timers, [](const Timer &t) { return !windowAlive(t.window); });
    if ((first != 0 || last != 0) && (WM_TIMER < first || WM_TIMER > last)) return false;
    const Clock::time_point now = Clock::now();
    for (Timer &t : timers) {
        if (t.due > now || (window != 0 && t.window != window)) continue;
        msg = MSG{t.window, WM_TIMER, WPARAM(t.id), 0, messageTime(), POINT{0, 0}};
        if (remove) t.due = now + t.interval;
        return true;
    }
    return false;
}

int millisecondsToNextTimer() {
    std::erase_if(timers, [](const Timer &t) { return !windowAlive(t.window); });
    if (timers.empty()) return -1;
    Clock::time_point next = timers.front().due;
    for (const Timer &t : timers)
        if (t.due < next) next = t.due;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
    return wait < 0 ? 0 : int(wait);
}
