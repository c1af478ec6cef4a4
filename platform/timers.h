// The timers of a thread, as its message loop asks for them.
#pragma once
#include "platform/win_timers.h"
#include "platform/win_user.h"

// A WM_TIMER of a due timer that matches the filter; with remove, the timer's
// next turn starts now. Timers of windows that are gone are dropped.
bool takeTimerMessage(MSG &msg, HWND window, UINT first, UINT last, bool remove);
// Milliseconds until the thread's next timer is due (0 when one is due), -1
// when the thread has none.
int millisecondsToNextTimer();
