// What the quick colour plot of the Python module (surf3) draws with and no
// public routine offers: the clipping to the current axis system that the
// plotting routines use, and one cell of a colour plot. libkavlor.so exports
// them beside the public routines; kavlor.h does not declare them.
#pragma once

#include "kavlor.h"

#ifdef __cplusplus
extern "C" {
#endif

// mode 0 narrows the clip window to the frame of the current axis system
// (unless clipping is off or the clip border is the axis system already);
// mode 1 puts back the window that mode 0 found.
KAVLOR_API void kavlor_clip_to_axis_system(int mode);
// A cell w by h plot units about the user point (x, y) in the colour of the
// value z on the colour bar; nothing outside the scaling. Needs an axis system.
KAVLOR_API void kavlor_colour_cell(float x, float y, float z, int w, int h);

#ifdef __cplusplus
}
#endif
