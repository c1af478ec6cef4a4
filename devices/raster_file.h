// Writing the picture into a raster file: at kavfin for the raster devices,
// and on demand (rtiff, rpng, rppm, rbmp, rgif).
#pragma once
#include <cstdio>

struct GlobalRecord;

// Hands the picture to the writer of raster file type (device code - 600):
// 1 TIFF, 2 the library's bitmap file, 4 PNG, 5 PPM, 6 BMP, 7 GIF; 3 (VIRT)
// writes nothing. The area is the image clip rectangle when imgclp gave one,
// else the whole window. Failures are reported as warnings 36, 53 or 101.
void qqrfil(GlobalRecord &rec, FILE *file, int type);
