// WindowTable: the drawing-context state of the window-system drivers, one per
// DriverRecord (DriverRecord.pwintab), made by qqwglb modes 0 and 2.
//
// The WMF writer uses the fields below: its recording context is the current
// memory DC, so that whatever draws into that DC lands in the metafile. The
// screen driver adds its windows, bitmaps, palette and input state here.
#pragma once
#include <memory>

#include "platform/windows.h"

struct WindowTable {
    HDC hdccur = 0;       // memory DC of the current window, or the WMF recording context
    HPEN hpen = 0;        // current pen
    COLORREF ncolref = 0; // current colour as a colour reference 0x00BBGGRR
    // ppolygon: the polygon list being collected (qqwmf6), npolygon points
    // in it, room for npolygonmax; null between polygons.
    std::unique_ptr<POINT[]> ppolygon;
    int npolygon = 0;
    int npolygonmax = 0;
    // The Windows font (window_fonts.h): hfont made by qqwfnt and selected
    // into hdccur; holdfont the font the context held before the first one,
    // ifont 1 once it is kept; ifontang the text angle in degrees and
    // ifontlead the internal plus external leading of the font in pixels.
    HFONT hfont = 0;
    HGDIOBJ holdfont = 0;
    int ifont = 0;
    int ifontang = 0;
    int ifontlead = 0;
};
