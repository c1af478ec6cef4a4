// Drawing: contexts, pens, brushes, bitmaps, palettes, the primitives, and the
// metafile recorder.
//
// A context draws into the bitmap selected into it (a memory context), into a
// window's client image (a window context), or records into a metafile.
// Drawing is our own software over the raster core, with the window system's
// conventions: a line leaves out its last pixel, a rectangle its right column
// and bottom row; pens draw one pixel wide; polygons fill by the even-odd rule
// and are outlined with the pen.
//
// Bitmaps hold 32 bits per pixel, each pixel the bytes blue, green, red and a
// spare 0, rows top down, whatever the X server's format is. When the
// environment sets KAVLOR_SCREEN_BITS=8 the screen is an emulated 8-bit palette
// screen: compatible bitmaps hold one byte per pixel, an index into the system
// palette of 256 colours, whose first and last 10 entries are fixed and whose
// others the realized logical palettes fill; the X window shows their colours.
//
// Handles, like the window system's, are valid in every thread: one table for
// the process behind one lock.
#pragma once
#include "platform/win_types.h"

constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr DWORD SRCCOPY = 0x00CC0020;

// GetStockObject.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int DEFAULT_PALETTE = 15;

// GetDeviceCaps.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int RASTERCAPS = 38;
constexpr int SIZEPALETTE = 104;
constexpr int NUMRESERVED = 106;
constexpr int RC_PALETTE = 0x0100;

// Palettes.
constexpr BYTE PC_NOCOLLAPSE = 0x04;
constexpr UINT SYSPAL_STATIC = 1;
constexpr UINT SYSPAL_NOSTATIC = 2;
constexpr UINT SYSPAL_ERROR = 0;

struct PALETTEENTRY {
    BYTE peRed, peGreen, peBlue, peFlags;
};
// A logical palette of palNumEntries (1..256) entries.
struct LOGPALETTE {
    WORD palVersion; // 0x300
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[256];
};

// What GetObjectA tells of a bitmap; rows are bmWidthBytes long (an even
// number), bmBits is always null.
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void *bmBits;
};

// ---- Contexts ------------------------------------------------------------------

// A memory context of the screen's kind with a 1 x 1 bitmap selected;
// reference is ignored.
HDC CreateCompatibleDC(HDC reference);
// Frees a memory context (the objects selected into it stay).
BOOL DeleteDC(HDC dc);
// HORZRES, VERTRES, BITSPIXEL, PLANES, RASTERCAPS, SIZEPALETTE, NUMRESERVED of
// the screen (without a display: a 1024 x 768 screen of 32 bits).
int GetDeviceCaps(HDC dc, int index);
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
// Device to logical units: the identity in MM_TEXT, the only mode raster
// contexts have.
BOOL DPtoLP(HDC dc, POINT *points, int count);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT *previous);
BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE *previous);
COLORREF SetTextColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);

// ---- Objects -------------------------------------------------------------------

// A pen of a style (PS_SOLID, PS_NULL), width and colour; 0 without memory.
HPEN CreatePen(int style, int width, COLORREF colour);
// A solid brush; 0 without memory.
HBRUSH CreateSolidBrush(COLORREF colour);
// A stock object; DeleteObject leaves it alone.
HGDIOBJ GetStockObject(int index);
// Makes a pen, brush, font or bitmap current in the context; returns the one of the
// same kind current before (for a metafile: 0 when none was selected yet), 0 on
// failure. A bitmap must match the context's kind (32 or 8 bits per pixel).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Frees a pen, brush, font, bitmap or palette. A context that has it selected takes
// its default first; metafiles holding it record its removal.
BOOL DeleteObject(HGDIOBJ object);
// A BITMAP for a bitmap; returns the bytes written, 0 for another object.
int GetObjectA(HGDIOBJ object, int size, void *buffer);

// ---- Bitmaps -------------------------------------------------------------------

// A bitmap of the screen's kind, cleared to black; 0 for a size below 1 or
// without memory.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// Copies up to count bytes of the rows (bmWidthBytes each, top down) out of or
// into the bitmap; returns the bytes copied.
LONG GetBitmapBits(HBITMAP bitmap, LONG count, void *bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD count, const void *bits);

// ---- Palettes ------------------------------------------------------------------

HPALETTE CreatePalette(const LOGPALETTE *palette);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY *entries);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL background);
// Puts the context's logical palette into the system palette: entry i at
// index i + 10 while the system palette keeps its fixed colours, at i while it
// does not; returns the entries placed (0 on a true-colour screen).
UINT RealizePalette(HDC dc);
UINT SetSystemPaletteUse(HDC dc, UINT use);

// ---- Drawing -------------------------------------------------------------------

BOOL MoveToEx(HDC dc, int x, int y, POINT *previous);
// A line from the current position to (x, y), which becomes current.
BOOL LineTo(HDC dc, int x, int y);
// count - 1 lines through the points, the last point left out.
BOOL Polyline(HDC dc, const POINT *points, int count);
// Fills left..right - 1, top..bottom - 1 with the brush; the context keeps its
// own pen and brush.
int FillRect(HDC dc, const RECT *rect, HBRUSH brush);
// A polygon of 2..32767 points, filled with the brush and outlined with the pen.
BOOL Polygon(HDC dc, const POINT *points, int count);
// The ellipse inside left..right - 1, top..bottom - 1, filled and outlined.
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// The part of that ellipse from the ray towards (xStart, yStart) counter-
// clockwise to the ray towards (xEnd, yEnd); the same rays meet for a whole one.
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
// That arc closed by its chord, filled and outlined.
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd);
// Returns the colour set (for a palette screen the nearest system colour),
// CLR_INVALID outside the bitmap.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);
// Copies width x height pixels (SRCCOPY), converting between palette and true
// colour pixels; pixels outside either side are left alone.
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);

// ---- Metafiles -----------------------------------------------------------------
// CreateMetaFileA gives a context that records every drawing call as a
// Windows-metafile record into the named file; CloseMetaFile writes the end
// record and completes the 18-byte header (file size, object count, largest
// record). Selecting a pen, brush or font into a metafile for the first time records
// its creation in the metafile's object table, DeleteObject records its
// removal. Coordinates are logical units, 16-bit in the file: values beyond
// -32768..32767 are held at those bounds.

// Starts recording into file (created or truncated); 0 when it cannot be opened.
HDC CreateMetaFileA(const char *file);
// Ends the recording and closes the file: a handle of the finished metafile,
// or 0 when the context is not a metafile or the file could not be written whole.
HMETAFILE CloseMetaFile(HDC dc);
// Releases the handle of a finished metafile; the file stays.
BOOL DeleteMetaFile(HMETAFILE metafile);
