// The memory raster: the pixel page (RasterPage) that the raster file devices,
// and image mode on PostScript and PDF, draw into. The kernel's dispatch calls
// these routines with pixel coordinates (origin top left, y downward) after its
// own clipping; pixels that still fall outside the page are skipped.
//
// Entry points (the record is the caller's GlobalRecord):
//   qqvini   makes the page (kavi03 for the raster devices, imgini)
//   qqvers   erases it (erase)
//   qqvclr   current colour (qqsclr)          qqvvlt  colour table (shwvlt)
//   qqvlin   line (xjdraw, dframe)            qqvlines polyline
//   qqvfll   filled rectangle (dbox)          qqvsym  marker symbol (dsymbl)
//   qqvftr   filled flat triangle (qqftri)
//   qqvptr   the page itself (the raster file writers)
//   qqvfin   frees the page (kavfin after the file is written, imgfin)
// Pixel access and the BitmapFile: raster_pixels.h and bitmap_file.h.
#pragma once
#include <cstdint>

#include "platform/raster_core.h"

struct GlobalRecord;
struct DriverRecord;

// Pixel modes of qqvini: 1 gives an RGB page (3 bytes per pixel), 0 and 2 an
// index page (one colour number per pixel).
constexpr int kPixelModeRgb = 1;

// Makes the page: width x height pixels when sizeGiven is 1, else 603 x 853 for
// a page no wider than high and 853 x 603 otherwise (the size comes back).
// Cleared to 255 (white) on an RGB page with background mode 2, else to 0.
// status 0, or 1 when there is no memory (or no usable size).
void qqvini(GlobalRecord &rec, int pageWidth, int pageHeight, int &width, int &height,
            int sizeGiven, int bgmode, int pixelMode, int &status);
// The RasterPage, or null.
std::uint8_t *qqvptr(GlobalRecord &rec);
// Clears the page as qqvini does.
void qqvers(GlobalRecord &rec);
// Current colour: a colour number, or an explicit RGB value (on an index page
// the nearest colour number).
void qqvclr(GlobalRecord &rec, int colour);
// Loads the colour table: the first 9 values for SMAL (kind 0), 16 for VGA
// (kind 7), else 256; each 0xRRGGBB.
void qqvvlt(GlobalRecord &rec, int kind, const int *values);
// Frees the page.
void qqvfin(GlobalRecord &rec);
// A line in the current colour, both end points set.
void qqvlin(GlobalRecord &rec, int x1, int y1, int x2, int y2);
// n - 1 lines through n points; nothing for n < 2.
void qqvlines(GlobalRecord &rec, const int *x, const int *y, int n);
// Rows y1..y2, columns x1..x2 (both corners included) in colour, which does
// not become the current colour.
void qqvfll(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour);
// Outline of marker symbol n (0..23) of the given size at (x, y); symbols 15
// and 21..23 draw nothing here.
void qqvsym(GlobalRecord &rec, int n, int x, int y, int size);
// A triangle filled in the first of colours (which becomes current).
void qqvftr(GlobalRecord &rec, const int *x, const int *y, const int *colours);

// The page of a DriverRecord as a surface (empty without a page).
PixelSurface rasterSurface(const DriverRecord &driver);
// The stored bytes of a colour on the driver's page: a colour number is its
// byte on an index page and its table parts on an RGB page; an explicit RGB
// value is its three bytes on an RGB page and the nearest colour number on an
// index page.
PixelValue rasterPixel(const DriverRecord &driver, int colour);
