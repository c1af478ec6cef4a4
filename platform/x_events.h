// X events turned into messages (x_events.cpp).
#pragma once
#include "platform/thread_windows.h"

// Reads every event the server has sent the thread's connection: input
// becomes queued messages, lost window parts become work for WM_PAINT.
void readXEvents(ThreadWindows &tw);
// Blocks until the server sends something, or (timeoutMs >= 0) that long.
void waitForXEvents(ThreadWindows &tw, int timeoutMs = -1);
