// The screen driver: up to eight top-level windows (device codes 72..80),
// each drawn into a backing bitmap that is shown on flush, on repaint and at
// the end of the plot, where the driver waits for the user.
//
// The screen's driver (screen_driver.cpp), the screen routines and the
// widgets call these with the caller's GlobalRecord; coordinates are pixels
// of the current window (origin top left, y downward), after the kernel's own
// clipping. Without a display the windows exist unmapped, so drawing and
// pixel access work, and every wait ends at once.
#pragma once

struct GlobalRecord;
struct DriverRecord;

// What qqwini is given and hands back.
struct ScreenOpening {
    int device = 0;    // 72..80
    int pageWidth = 0; // the page in plot units, as oriented
    int pageHeight = 0;
    int placement = 0;         // 0 none, 1 window() (position and size), 2 winsiz() (size)
    int x = 0, y = 0;          // in: the asked position; out: the client area's
    int width = 0, height = 0; // in: the asked size; out: the window's size
    int clrmod = 0;            // GlobalRecord.iclrmod: NONE 0, FULL 1, CONT 2
    int x11mod = 2;            // STOR 0, NOST 1, AUTO 2, PIXM 3
    int scrmod = 0;            // background mode in force: 2 white, else black
    int bits = 0;              // out: colour depth of the screen
    int clientWidth = 0;       // out: the drawing area
    int clientHeight = 0;
};

// Starts the driver and opens the main window of the device code.
void qqwini(GlobalRecord &rec, ScreenOpening &opening);

// Shows the plot: the pending polyline drawn, queued messages served, the
// backing bitmap copied into the current window.
void qqwsbf(GlobalRecord &rec);

// The end of the plot with its wait. endCode = 10 * key + wait mode, or
// 10 * delay + 4 for the wait mode DELA.
void qqwfin(GlobalRecord &rec, int endCode);

// New page on the screen: waits for the user (MB2, or the key of winkey).
void qqwnnp(GlobalRecord &rec);

// A right-button release sent to the current window: a program-made MB2 that
// ends a wait as the user's does. Nothing before the driver is ready or when
// the current window is not open.
void qqwmb2(GlobalRecord &rec);

// Closes every window and releases the palette, the pen and the class.
void qqwwcls(DriverRecord &driver);

// The end of the caller's record: its windows closed and the records freed.
void qqwfree(GlobalRecord &rec);

// State of window n (1..8): 0 closed, 1 own window open, 2 external window.
int qqwsta(GlobalRecord &rec, int n);

// A user title for the current window, shown at once and kept.
void qqwtit(GlobalRecord &rec, const char *title);

// External-window requests (set 1) and identifier queries (set 0): see
// driver_requests.h for the codes.
void qqwwid(GlobalRecord &rec, int code, int &value, int set);

// Screen width, height and colour depth: from the DriverRecord when the
// driver is ready, else measured on the screen; spare is 0.
void qqwscr(GlobalRecord &rec, int &width, int &height, int &depth, int &spare);

// ---- the drawing primitives ----

// Polyline output by the pen operations of kernel/driver.h: kPenDraw,
// kPenFlush; any other moves.
void qqwdrw(GlobalRecord &rec, int x, int y, int op);
// One pixel in the current colour (a dot of a bitmap character); nothing
// outside the drawing area.
void qqwpix(GlobalRecord &rec, int x, int y);
// Current colour: a colour number (taken modulo 256) or an explicit 0x01BBGGRR.
void qqwclr(GlobalRecord &rec, int colour);
// The whole drawing area in colour 0.
void qqwers(GlobalRecord &rec);
// A solid rectangle from (x, y), width by height, right and bottom edges excluded.
void qqwfll(GlobalRecord &rec, int x, int y, int width, int height, int colour);
// Polygon: op 1 starts a list for x points, op 9 fills it, others append (x, y).
void qqwpol(GlobalRecord &rec, int x, int y, int op);
// Marker symbol n (0..23) centred on (x, y), size pixels high.
void qqwsym(GlobalRecord &rec, int n, int x, int y, int size);
// A flat triangle in the first of the colours.
void qqwftr(GlobalRecord &rec, const int x[3], const int y[3], const int colours[]);
// Loads the colour table (256 values 0x00RRGGBB) into the DriverRecord and the palette.
void qqwvlt(GlobalRecord &rec, int kind, const int table[256]);
