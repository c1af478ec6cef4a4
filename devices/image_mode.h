// Image mode: direct access to the pixels of the picture (picture.h).
//
// Entry points: imgini, imgfin (public); startImageMode and endImageMode are
// the same without the level check, for the routines that run image mode
// around their own work (wtiff, the BMP and GIF inclusion, rbfpng).
//
// On PostScript and PDF, imgini makes an RGB memory raster of GlobalRecord.
// nwinsiz (which holds the imgsiz size, when one is given, until imgfin).
// imgfin has that raster put into the file (writeImageIntoPlotFile of
// image_output.h, at the place of image_placement.h), frees it and restores
// nwinsiz.
#pragma once
#include <cstdint>

struct GlobalRecord;

// Switches image mode on: warning 54 when it is on already, 40 on devices
// without pixels (not holdsImages), 53 when the picture cannot be had.
// True when this call switched it on.
bool startImageMode(GlobalRecord &rec);

// Switches image mode off: warning 55 when it is not on.
void endImageMode(GlobalRecord &rec);

// wpxrow without the level check: n values (colour numbers, or R, G, B in
// the RGB pixel mode of imgmod) as row y from column x, cut at the edges of
// rec.win.nwinsiz. Warning 55 outside image mode.
void writeImageRow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n);
