// The setup program's own windows and boxes: the introduction, the folder
// window, the final box, the routines that make windows and controls in
// units of the system font, and what the steps' windows share.
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

// The messages every step's window answers alike (creation, size, painting,
// its end, which ends the loop); every other message goes to DefWindowProcA.
LRESULT stepWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Dispatches the thread's messages until WM_QUIT.
void runMessageLoop();

// 0 to go on, -1 to stop.
int instintro();
// The folder window: 0 when accepted (or closed), -1 after Cancel.
int instdirwin();
LRESULT instdirproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The final box; 0.
int instready();

// The folder the folder window offers first: "kavlor" in the user's home.
std::string defaultInstallFolder();
