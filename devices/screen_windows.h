// What the files of the screen driver share: the caller's tables, the window
// procedure, the backing bitmaps, titles and the colour of a colour value.
#pragma once
#include "devices/driver_record.h"
#include "devices/window_table.h"
#include "platform/windows.h"

struct GlobalRecord;
struct ScreenOpening;

// Colour models of the screen (WindowTable.iclrmodel).
enum ScreenColourModel : int {
    kNoColours = 0,  // colour calls do nothing
    kPalette129 = 1, // 8-bit screen: a palette of 129 entries
    kPalette16 = 2,  // 4-bit screen: a palette of 16 entries
    kTrueColour = 3,
};

// Wait modes of qqwfin (GlobalRecord.iwinmod).
enum ScreenWaitMode : int {
    kWaitFull = 0, // MB2 closes the windows
    kWaitNoErase = 1,
    kWaitNone = 2,
    kWaitNoHold = 3,
    kWaitDelay = 4,
    kWaitNoMb2 = 5,
};

// The caller's WindowTable, or null before the driver made it.
WindowTable *screenTable(GlobalRecord &rec);

// The window procedure of the class "kavmain".
LRESULT KavProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the memory DC and backing bitmap of the current window.
void qqwwmc(GlobalRecord &rec, HWND window);

// Releases window i's DC and bitmap and, for an own window, destroys it;
// its state becomes 0.
void closeScreenWindow(WindowTable &table, int i);

// Copies window i's backing bitmap into the window.
void showBackingBitmap(const WindowTable &table, int i);

// Enables (1) or greys (0) the Close item of the current window's system menu.
void qqsclbut(const WindowTable &table, int flag);

// Creates and places the window of the opening's device code (72..80) and
// makes it current; the opening's position and size receive the client
// area's. An open window of that number is replaced.
void qqwopn(GlobalRecord &rec, ScreenOpening &opening);

// Makes window n (1..8) current; the window left gets its plain title.
void qqwsel(GlobalRecord &rec, int n);

// Closes window n (1..8), drops its user title, and makes the main window
// current.
void qqwcls(GlobalRecord &rec, int n);

// The record's device scale, window number, position and size become those
// kept for window n (1..8), which the driver made current.
void restoreWindowGeometry(GlobalRecord &rec, int n);

// "KAVLOR %d" with suffix (may be empty) as window i's title.
void setNumberedTitle(const WindowTable &table, int i, const char *suffix);

// The colour reference of a colour value in the screen's colour model.
COLORREF screenColour(const DriverRecord &driver, const WindowTable &table, int colour);
