// The pixels and depths that the rasterisers of the z-buffer write, and the
// span fillers that write them one pixel row at a time.
//
// A DepthRaster is made once per triangle or line: the memory raster's page
// (or none, for depths only), the z-buffer, and the area that both cover.
// Colours travel as three doubles 0..255 and are stored as the truncation of
// value + 0.5: as three bytes R, G, B on an RGB page, as the nearest colour
// number on an index page.
#pragma once
#include <cstdint>

#include "platform/raster_core.h"

struct GlobalRecord;
struct DriverRecord;

struct DepthRaster {
    const DriverRecord *driver = nullptr; // colour table of the nearest-number search
    PixelSurface page;                    // bits null: depths only
    bool trueColour = false;              // 3 bytes R, G, B per pixel, else one colour number
    // The screen's pixel copy: B, G, R (and a spare byte) per pixel, or one
    // palette-pixel byte on a palette screen.
    bool screenPixels = false;
    float *depths = nullptr; // z-buffer, null for the triangles without depth
    int depthRow = 0;        // depths per z-buffer row
    int width = 0;           // columns and rows that page and z-buffer both hold
    int height = 0;
    int clip[4] = {0, 0, -1, -1}; // x0, y0, x1, y1: the clip rectangle within them
    // White and black exchanged: a reversed (white) background with lighting on.
    bool exchangeWhiteBlack = false;
    // The last colour searched on an index page and its number.
    int lastRgb = -1;
    std::uint8_t lastNumber = 0;
};

// The picture with the open z-buffer: the memory raster, or the screen's
// pixel copy in image mode; false when either is missing.
bool rasterWithDepths(GlobalRecord &rec, DepthRaster &raster);
// The open z-buffer alone (qqztri's target 0); false when it is missing.
bool depthsOnly(GlobalRecord &rec, DepthRaster &raster);
// The memory raster (or the screen's pixel copy) without depths, cut at the
// DriverRecord's clip rectangle; false without a page.
bool rasterWithoutDepths(GlobalRecord &rec, DepthRaster &raster);

// A colour value as three doubles 0..255: an explicit RGB value's parts, or
// the entry (number modulo 256) of the DriverRecord's colour table.
void qqrgbf(const DriverRecord &driver, int colour, double rgb[3]);
// Pure white becomes black, pure black white; other colours stay.
void qqgrev(std::uint8_t rgb[3]);

// The span fillers serve the screen's pixel copy and the memory raster
// alike, each pixel stored in the picture's own format.
//
// One row of a depth-tested triangle, xa <= xb with colours and depths at
// both ends: columns from trunc(xa + 0.5) to trunc(xb + 0.5), cut at the
// edges; a pixel is written, and takes its depth, where depth - 1e-6 is not
// behind the buffer.
void qqvhln(DepthRaster &raster, int row, double xa, double xb, const double ca[3],
            const double cb[3], double za, double zb);
// The same for depths only.
void qqzhln(DepthRaster &raster, int row, double xa, double xb, double za, double zb);
// One row of a triangle without depth between columns ia <= ib, cut at the
// clip rectangle, colours interpolated per column.
void qqvhln2(DepthRaster &raster, int row, int ia, int ib, const double ca[3], const double cb[3]);

// Stores a colour at a pixel inside the raster, in the page's format.
void storePixel(DepthRaster &raster, int column, int row, const std::uint8_t rgb[3]);
