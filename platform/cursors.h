// The cursors of windows (cursors.cpp).
#pragma once
#include "platform/thread_windows.h"

// Shows the window's class cursor over it.
void defineClassCursor(ThreadWindows &tw, WindowObject &w);
// Shows a class's new cursor over the thread's windows of the class.
void defineClassCursors(ThreadWindows &tw, HWND anyWindowOfClass);
