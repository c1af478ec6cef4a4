// Requests from the kernel and the 3-D routines to the pixel drivers, and the
// external-window requests of the screen driver.
#pragma once

struct GlobalRecord;

// The requests that qqwext passes on.
enum class DriverRequest : int {
    OwnWindows = 0,     // back to the screen driver's own windows
    ExternalWindow = 1, // the next window opened draws into the window with this id
    ExternalPixmap = 2, // an external pixmap id is given
    Lighting = 3,       // the lighting flag of the rasterisers = value
    ClipLeft = 11,      // clip rectangle x0, y0, x1, y1 in pixels = value
    ClipTop = 12,
    ClipRight = 13,
    ClipBottom = 14,
    FineDepthTolerance = 17, // depth tolerance 1e-5 (zbflin's own line)
    DepthTolerance = 18,     // depth tolerance back to 0.001
    InputCursor = 20,        // cursor shape during cursor input = value
    ClassCursor = 30,        // the current window's cursor now: 1 cross, 2 arrow, 3 up arrow
};

// Passes request code with value to the drivers; the DriverRecord is made
// when missing. Codes 0 and 1 are also kept in GlobalRecord.win.iextwin.
void qqwext(GlobalRecord &rec, int code, int value);

// Asks the screen driver for an identifier: code 0 the current window's;
// -1 for any other code.
int qqwxid(GlobalRecord &rec, int code);

// Shows the mouse cursor of shape 1 cross, 2 arrow, 3 up arrow now; other
// values nothing.
void qqscsr(int shape);
