// WindowTable: the drawing-context state of the window-system drivers, one per
// DriverRecord (DriverRecord.pwintab), made by qqwglb modes 0 and 2.
//
// The WMF writer uses the first fields: its recording context is the current
// memory DC, so that whatever draws into that DC lands in the metafile. The
// screen driver keeps its windows, backing bitmaps, palette, pending polyline
// and wait state here as well. Window i means index 0..7, window number i+1.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/windows.h"

constexpr int kScreenWindows = 8;         // windows a screen plot can have
constexpr int kScreenPolylinePoints = 50; // points collected for one Polyline

// The objects a memory DC held when it was made: selected back before the DC
// is deleted, so that the driver's own pen, bitmap and palette can be deleted.
struct FirstObjects {
    HGDIOBJ pen = 0;
    HGDIOBJ bitmap = 0;
    HPALETTE palette = 0;
};

struct WindowTable {
    HDC hdccur = 0;       // memory DC of the current window, or the WMF recording context
    HPEN hpen = 0;        // current pen
    COLORREF ncolref = 0; // current colour: 0x00BBGGRR, or 0x01000000 + palette index
    // ppolygon: the polygon list being collected (qqwmf6, qqwpol), npolygon
    // points in it, room for npolygonmax; null between polygons.
    std::unique_ptr<POINT[]> ppolygon;
    int npolygon = 0;
    int npolygonmax = 0;

    // ---- the screen driver ----
    HWND hwndcur = 0;                      // current window
    HWND hwnd[kScreenWindows] = {};        // window i
    HDC hdc[kScreenWindows] = {};          // memory DC of window i (its own DC when direct)
    FirstObjects first[kScreenWindows];    // what that DC held when made
    HBITMAP hbmcur = 0;                    // backing bitmap of the current window
    HBITMAP hbm[kScreenWindows] = {};      // backing bitmap of window i
    HPALETTE hpal = 0;                     // the logical palette (palette models only)
    PALETTEENTRY palette[256] = {};        // the palette entries as loaded
    POINT polyline[kScreenPolylinePoints]; // the pending polyline
    int npoly = 0;                         // points in it
    std::uint8_t ipolydrawn = 0;           // 1: the only buffered point is a start point
    int nwincw = 0, nwinch = 0;            // size of the current window
    int nwinsz[kScreenWindows][2] = {};    // width and height of window i
    std::uint8_t ishown = 1;               // 1: windows are shown; 0 in PIXM mode
    std::uint8_t iready = 0;               // palette and first pen made
    std::uint8_t iwaitmode = 0;            // wait mode of the last qqwfin
    int iwincur = 0;                       // index of the current window
    int iwinmain = 1;                      // number of the main window (1..8)
    int hwndext = 0;                       // external window (request 1)
    int hpixext = 0;                       // external pixmap (request 2)
    std::uint8_t iextwin = 0;              // 1: drawing into the external window
    std::uint8_t iextpix = 0;              // 1: an external pixmap was given
    // Cursor input in progress: 0 none, 1 points, 2 a dragged path, 3 one
    // click, 4 a key or click. The points go into the caller's arrays pcsrx,
    // pcsry (room for ncsrmax, ncsrpts taken); icsrovfl 1 when more came.
    std::uint8_t icsrinput = 0;
    std::uint8_t icsrovfl = 0;
    int ikey = 0; // what ended the input of a key or click
    int ncsrpts = 0;
    int ncsrmax = 0;
    int *pcsrx = nullptr;
    int *pcsry = nullptr;
    int icsrrest = 2;           // cursor shape restored after input
    int iwinprev = -1;          // index of the previously current window
    int icsrshape = 1;          // cursor shape during input (0 none)
    int npalsize = 0;           // palette entries: 16, 129 or 256
    std::uint8_t iclrmodel = 0; // 0 none, 1 palette of 129, 2 palette of 16, 3 true colour
    std::uint8_t iclrmod = 0;   // GlobalRecord.iclrmod: NONE 0, FULL 1, CONT 2
    std::uint8_t idirect = 0;   // 1: drawing goes straight into the window
    std::uint8_t ikeymode = 0;  // key that also ends a wait: 0 none, 1 RETURN, 2 ESC
    std::uint8_t imakebm = 0;   // 1: the window procedure makes the backing bitmap
    std::uint8_t iclass = 0;    // 1: the window class is registered
    std::uint8_t iwaiting = 0;  // 1 while qqwfin waits
    std::uint8_t ipixbits = 0;  // 1 while a pixel copy of qqwimg is current
    std::uint8_t inewpage = 0;  // 1 while the new-page wait runs
    std::uint8_t iwinstate[kScreenWindows] = {}; // 0 closed, 1 own window, 2 external window
    // The pixel copy of qqwimg: the bitmap's description, its bytes (rows of
    // bmWidthBytes, top down), and with direct drawing the temporary DC and
    // bitmap that hold the window's picture.
    BITMAP bmdesc{};
    int nimgbytes = 0;
    std::unique_ptr<std::uint8_t[]> pimgbuf;
    HDC hdctmp = 0;
    HGDIOBJ hbmold = 0;
    // User title of window i; empty optional when it has none.
    std::optional<std::string> ptitle[kScreenWindows];
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
