// The setup program's own windows and boxes: the introduction, the folder
// window, the final box, and the routines that make windows and controls in
// units of the system font.
#pragma once
#include <string>

#include "platform/windows.h"

// A top-level window of class "instdir", not yet shown; measures cw and lh.
HWND mkmainwin(int x, int y, int width, int height, const char *title);
// A static text sized from its text; takes the next child id without using it up.
HWND mklabel(HWND parent, int x, int y, const char *text);
HWND mkedit(HWND parent, int x, int y, int width, int height, const char *text);
HWND mkbutton(HWND parent, int x, int y, int width, int height, const char *text);
HWND mkdefbutton(HWND parent, int x, int y, int width, int height, const char *text);

// 0 to go on, -1 to stop.
int instintro();
// The folder window: 0 when accepted (or closed), -1 after Cancel.
int instdirwin();
LRESULT instdirproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The final box; 0.
int instready();

// The folder the folder window offers first: "kavlor" in the user's home.
std::string defaultInstallFolder();
