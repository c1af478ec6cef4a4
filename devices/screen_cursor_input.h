// Cursor input in the current screen window: the driver's message loops and
// the part of the window procedure that records the mouse and the keys.
// Positions are client pixels of the window.
#pragma once
#include "platform/windows.h"

struct GlobalRecord;
struct WindowTable;

// Kinds of cursor input (WindowTable.icsrinput).
enum CursorInput : int {
    kNoInput = 0,
    kInputPoints = 1, // left clicks until MB2
    kInputDrag = 2,   // the path while the left button is held
    kInputClick = 3,  // one left click
    kInputKey = 4,    // a key or a click
    kInputEnded = 9,  // the ending event came; the loop takes its quit
};

// Runs the loop of input kind (points, drag or click), the points going into
// x and y (room for room entries); count receives the points taken and
// overflow 1 when more came. Ends at once, with no points, when nobody can
// answer: no display, windows never shown, or a current window that is not
// one of the driver's own.
void qqwcur(GlobalRecord &rec, CursorInput kind, int *x, int *y, int room, int &count,
            int &overflow);

// What csrpos does with the pixel position (x, y) by mode (0 STAN, 1 SET,
// 2 READ, 3 GET): the pointer moved there (STAN, SET; held inside the clip
// rectangle), the position read now (GET) or after a key or click (STAN,
// READ). x and y receive the position read. Returns the key code of the
// wait (-1 when it ended without one), 0 for SET and GET.
int qqwcsrpos(GlobalRecord &rec, int mode, int &x, int &y);

// The window procedure's part: true when the message belonged to the cursor
// input in progress.
bool cursorInputMessage(WindowTable &table, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
