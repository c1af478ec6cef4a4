// The z-buffer and the rasterisers of shaded triangles and lines.
//
// A z-buffer holds one float depth per pixel of the picture (2.0 when
// opened: farther than anything drawable; smaller is nearer) and hangs from
// the DriverRecord. While it is open image mode is on, and the rasterisers
// write straight into the pixels of the memory raster.
//
// Entry points (the public zbfini, zbffin, zbftri, zbflin are in kavlor.h):
//   qqzbuf   opens (mode 0) or closes the buffer
//   qqtr3d   a depth-tested Gouraud triangle of absolute box points
//   qqln3d   a depth-tested flat line of absolute box points
//   qqtr2d   a Gouraud triangle of page points, no depth (image mode)
//   qqztri   scan conversion of a triangle with float pixel corners and depths
//   qqzlin   a depth-tested line between integer pixels
//   qqdtri   scan conversion of a triangle with integer pixel corners, no depth
//   qqtri1, qqtri2  the three positions of three values in ascending order
#pragma once

struct GlobalRecord;

// Results of qqzbuf.
constexpr int kZBufferDone = 0;
constexpr int kZBufferNoMemory = 1; // opening: no memory, or no picture to cover
constexpr int kZBufferInUse = 2;    // opening: already open; closing: not open

// Mode 0 opens the z-buffer for the drawing area of the DriverRecord, every
// depth 2.0; any other mode frees it. status as the constants above.
void qqzbuf(GlobalRecord &rec, int mode, int &status);

// Targets of the rasterisers, as device codes: 0 writes depths only, 1..100
// a screen window's pixel copy, above 100 the memory raster.
constexpr int kDepthOnly = 0;

// A triangle of absolute box corners, colour values at the corners
// interpolated, through the z-buffer. A corner outside the box (clip3d WORL)
// or the view volume (EYE) drops the whole triangle.
void qqtr3d(GlobalRecord &rec, const float xb[3], const float yb[3], const float zb[3],
            const int colours[3]);
// A line of absolute box points in one colour value through the z-buffer,
// with the DriverRecord's depth tolerance; dropped whole as qqtr3d drops.
void qqln3d(GlobalRecord &rec, float x1, float y1, float z1, float x2, float y2, float z2,
            int colour);
// A triangle of page points, colour values at the corners interpolated,
// without depth, on the memory raster inside image mode.
void qqtr2d(GlobalRecord &rec, const float x[3], const float y[3], const int colours[3]);

// Scan conversion of the triangle with float pixel corners (px, py), colour
// values and depths at the corners, into the given target.
void qqztri(GlobalRecord &rec, const float px[3], const float py[3], const int colours[3],
            const float depths[3], int target);
// The line between integer pixels (ix[0], iy[0]) and (ix[1], iy[1]) in one
// colour value, a pixel written where depth - tolerance <= the buffer.
void qqzlin(GlobalRecord &rec, const int ix[2], const int iy[2], int colour, const float depths[2],
            int target);
// Scan conversion of the triangle with integer pixel corners, colours
// interpolated, cut at the DriverRecord's clip rectangle.
void qqdtri(GlobalRecord &rec, const int ix[3], const int iy[3], const int colours[3], int target);

// A page point (plot units) as a float device pixel: column x * xdevscl,
// row y * xdevscl; on a portrait page (ipagmod 1) the page is turned: column
// y * xdevscl, row (nxpage - x) * xdevscl.
void pagePixel(const GlobalRecord &rec, float x, float y, float &column, float &row);

// The positions 0, 1, 2 of the three values in ascending order of value.
void qqtri1(const int values[3], int order[3]);
void qqtri2(const float values[3], int order[3]);
