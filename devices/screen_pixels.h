// Pixels of a screen window: a pixel copy of the current window's backing
// bitmap (qqwimg) read and written by the pixel routines, which image mode,
// the raster file writers and the image decoders take through picture.h,
// and the screen's BitmapFile (qqwfil).
#pragma once
#include <cstdint>
#include <cstdio>

#include "devices/raster_pixels.h"
#include "platform/win_types.h"

struct GlobalRecord;

// Mode 0 takes the pixel copy (status 1 without memory or window); mode 1
// writes it back into the bitmap, shows the window and releases it.
int qqwimg(GlobalRecord &rec, int mode);

// The pixel routines on the copy; pixels outside it are neither written nor
// read (reads give 0).
void qqwwpx(GlobalRecord &rec, int x, int y, int colour);
void qqwrow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n, int mode);
int qqwrpx(GlobalRecord &rec, int x, int y, int mode);
void qqwrdr(GlobalRecord &rec, std::uint8_t *values, int x, int y, int w, int h, int mode);

inline constexpr PixelDriver kScreenPixels{
    .readRect = qqwrdr, .writeRow = qqwrow, .writePixel = qqwwpx, .readPixel = qqwrpx};

// Saves the pixel copy into the open file (mode 0) or loads a BitmapFile into
// it (mode 1); statuses of bitmap_file.h.
void qqwfil(GlobalRecord &rec, FILE *file, int mode, int &status);

// The byte a palette bitmap stores for colour number n, and back.
struct DriverRecord;
struct WindowTable;
int qqgcll(const DriverRecord &driver, int n);
int qqscll(const DriverRecord &driver, int value);

// Palette entry i as 0x00BBGGRR, and such a value split: the colours of
// SetPixel and GetPixel on a screen of 16-bit pixels.
COLORREF qqgc16(const WindowTable &table, int i);
void qqsc16(COLORREF value, int &red, int &green, int &blue);
