// The raster file writers: PNG, PPM, BMP, TIFF and GIF. qqrfil calls the
// writer of the raster file type with the open file ("wb"); a writer neither
// opens nor closes it and keeps no state between calls.
//
// Status: 0 done; -1 the file refused a write; -2 not enough memory (nothing
// more is written); PNG also -3 zlib refused to start, -4 compression did not
// finish, -5 zlib refused to end. In PNG buffer mode the status is the length
// of the file written into the buffer, or 0 when it did not fit.
#pragma once
#include <cstdio>

#include "devices/raster_pixels.h"
#include "platform/byte_sink.h"

struct GlobalRecord;

// Image formats (GlobalRecord.iimgfmt): one palette index per pixel, three
// bytes R, G, B per pixel, or bilevel.
constexpr int kImageFormatIndex = 0;
constexpr int kImageFormatRgb = 1;
constexpr int kImageFormatBilevel = 2;

constexpr int kRasterDone = 0;
constexpr int kRasterFileError = -1;
constexpr int kRasterNoMemory = -2;
constexpr int kPngZlibStart = -3;
constexpr int kPngZlibDeflate = -4;
constexpr int kPngZlibEnd = -5;

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What qqrfil hands to every writer: where the pixels come from and how the
// picture is coloured.
struct RasterFileRequest {
    // The pixel routines of the picture: kMemoryRasterPixels for the raster
    // devices (code above 100), the screen's for a window.
    PixelDriver pixels = kMemoryRasterPixels;
    int device = 0;               // device code
    PixelRect area;               // pixels written: the image clip rectangle, or the whole window
    int clip = 0;                 // 1 when the image clip rectangle is in force
    const int *colours = nullptr; // the ColourTable, entries 0xRRGGBB
    int ncolours = 256;           // entries in colours (the palettes always get 256)
    int imgfmt = kImageFormatIndex;
    int nbitpix = 8; // bits per pixel of the output; above 8: true colour
};

// PNG: colour type 2 for the RGB image format, else 3 with a 256-entry PLTE;
// pngmod 1 adds tRNS (palette entry 0, or white, transparent). The image data
// is one deflate stream in one IDAT chunk. With a buffer the file goes into it.
void qqppng(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int pngmod,
            PngBuffer *buffer, int &status);
// PPM: "P6", width, height, 255 and the R, G, B bytes.
void qqpppm(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int &status);
// BMP: 8 bits with 256 colours, or 24 bits for the RGB image format; rows bottom-up.
void qqpbmp(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int &status);
// TIFF: one directory in a fixed layout, uncompressed, one row per strip;
// palette (14 entries), RGB or bilevel (13 entries). ntifres pixels per
// itifuni (2 inch, 3 centimetre); iscrmod 2 makes white the bilevel reference.
void qqptif(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int ntifres,
            int itifuni, int iscrmod, int &status);
// GIF87a, or GIF89a with the background transparent (igifmod 1); nclrbgd is
// the background index. LZW with codes of 9 to 12 bits.
void qqpgif(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int nclrbgd,
            int igifmod, int &status);
