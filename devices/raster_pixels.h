// Pixel access on the memory raster (the raster side of image mode), and the
// pixel routines of a drawing surface as the raster file writers and image
// decoders take them.
//
// Values are colour numbers, one byte each (mode 0), or R, G, B, three bytes
// each (mode 1). Any other mode (the bilevel image format) reads and writes
// colour numbers. Pixels outside the page are neither written nor read (reads
// give 0 there).
#pragma once
#include <cstdint>

struct GlobalRecord;

constexpr int kPixelValuesIndex = 0;
constexpr int kPixelValuesRgb = 1;

// Writes one pixel: a colour number or an explicit RGB value 0x01BBGGRR.
void qqvwpx(GlobalRecord &rec, int x, int y, int colour);
// Writes n values of row y from column x.
void qqvrow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n, int mode);
// Reads one pixel: its colour number (mode 0; the nearest one on an RGB page)
// or 0x01BBGGRR (mode 1).
int qqvrpx(GlobalRecord &rec, int x, int y, int mode);
// Reads rows y .. y + h - 1, columns x .. x + w - 1 into values, row by row.
void qqvrdr(GlobalRecord &rec, std::uint8_t *values, int x, int y, int w, int h, int mode);

// The pixel routines of one drawing surface: the memory raster's, or the
// screen's (qqwrdr, qqwrow, qqwwpx, qqwrpx) where the caller draws on the
// screen. picturePixels (picture.h) picks them by the device code.
struct PixelDriver {
    void (*readRect)(GlobalRecord &rec, std::uint8_t *values, int x, int y, int w, int h, int mode);
    void (*writeRow)(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n, int mode);
    void (*writePixel)(GlobalRecord &rec, int x, int y, int colour);
    int (*readPixel)(GlobalRecord &rec, int x, int y, int mode);
};

inline constexpr PixelDriver kMemoryRasterPixels{
    .readRect = qqvrdr, .writeRow = qqvrow, .writePixel = qqvwpx, .readPixel = qqvrpx};
