// The picture of the current device: the pixels that image mode, the pixel
// routines, the raster file routines and the BitmapFile routines work on.
//
//   raster devices (601..700)          the memory raster's RasterPage
//   PostScript and PDF in image mode   the RGB memory raster imgini made
//   screen windows (up to 100)         the pixel copy of the current window
//
// Every routing by device lives in picture.cpp. The screen's picture is its
// pixel copy (qqwimg), read and written by its pixel routines (qqwrdr,
// qqwrow, qqwwpx, qqwrpx) and saved and loaded by qqwfil.
#pragma once
#include <cstdio>

#include "devices/raster_pixels.h"
#include "devices/raster_writers.h"

struct GlobalRecord;

// Whether the device holds a picture (a screen window or a raster device);
// warning 40 otherwise.
bool checkPictureDevice(const GlobalRecord &rec);

// The pixel routines of the current picture; null when the device has none
// (vector devices, PostScript and PDF outside image mode).
const PixelDriver *picturePixels(const GlobalRecord &rec);

// The screen's pixel copy of the current window: mode 0 takes it, mode 1
// writes it back into the window and releases it. Status 0, or 1 when no
// copy could be made. Devices other than the screen: 0, nothing to do.
int screenPixelCopy(GlobalRecord &rec, int mode);

// Saves (kBitmapSave) or loads (kBitmapLoad) the picture as a BitmapFile:
// qqvfil for the memory raster, qqwfil for the screen. Status as qqvfil's
// (bitmap_file.h), and 4 when the file's depth cannot be converted.
void pictureBitmapFile(GlobalRecord &rec, FILE *file, int mode, int &status);

// What the raster file writers get for the current picture: its pixel
// routines, the area (the image clip rectangle nimgclp when iimgclp is 1,
// else the whole window, 0, 0 and rec.win.nwinsiz) with the clip flag,
// the colour table, the image format and the bits per pixel.
RasterFileRequest pictureRequest(const GlobalRecord &rec, const PixelDriver &pixels);
