// Timers: a window (or the thread, for window 0) asks to be told, by a
// WM_TIMER message, each time an interval has passed. A thread's message loop
// returns WM_TIMER after its other messages and its painting; without a
// display, a loop whose only hope is a timer waits for it instead of ending.
#pragma once
#include "platform/win_types.h"

constexpr UINT WM_TIMER = 0x0113; // wParam the timer's id

using TIMERPROC = void (*)(HWND window, UINT message, std::uintptr_t id, DWORD time);

// Starts (or restarts) timer id of the window, of this thread, every interval
// milliseconds; the procedure must be null (the message goes to the window).
// Returns the id (nonzero), or 0 when the window is not one of this thread's.
// For window 0 the id is chosen and returned.
std::uintptr_t SetTimer(HWND window, std::uintptr_t id, UINT interval, TIMERPROC procedure);
BOOL KillTimer(HWND window, std::uintptr_t id);
