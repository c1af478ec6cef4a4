// X events turned into messages (x_events.cpp).
#pragma once
#include "platform/thread_windows.h"

// Reads every event the server has sent the thread's connection: input
// becomes queued messages, lost window parts become work for WM_PAINT.
void readXEvents(ThreadWindows &tw);
// The window that takes a key the server sent to the window sentTo, asked
// when the program takes the key: the focus, when it lies in the same
// top-level window; else sentTo.
HWND keyTarget(ThreadWindows &tw, HWND sentTo);
// Blocks until the server sends something, or (timeoutMs >= 0) that long.
void waitForXEvents(ThreadWindows &tw, int timeoutMs = -1);
