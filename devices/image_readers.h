// The image decoders: BMP and GIF files included into the picture (qqincfil
// runs them inside image mode), and the TIFF files this library writes (wtiff).
// Decoded rows go, as R, G, B, through qqprow to the picture's pixel routines.
//
// Every size, code, run and offset read from a file is checked; a malformed
// or truncated file ends the decoder with status -3 and nothing is read or
// written outside the buffers. incfil decodes a file once with nowhere for its
// rows to go before it draws it, so a malformed file draws nothing.
#pragma once
#include <cstdint>
#include <cstdio>

#include "devices/raster_pixels.h"

struct GlobalRecord;

// Decoder status: 0 done, -1 the file cannot be opened, -2 no memory, -3 a
// syntax error in the image file.
constexpr int kImageDone = 0;
constexpr int kImageOpenError = -1;
constexpr int kImageNoMemory = -2;
constexpr int kImageSyntaxError = -3;

// Where decoded rows (R, G, B) go: the picture's pixel routines, the right
// and bottom limits (rows and pixels at or beyond them are dropped) and the
// position of the image's top left corner.
struct RowTarget {
    PixelDriver pixels = kMemoryRasterPixels;
    int right = 0;
    int bottom = 0;
    int x = 0;
    int y = 0;
};

// Writes n pixels of a row at (x, y): dropped when y is outside
// 0 .. bottom - 1 or x at or right of the right limit; a negative x cuts the
// row's start and the right limit its end.
void qqprow(GlobalRecord &rec, const std::uint8_t *row, int x, int y, int n, int right, int bottom,
            int mode, const PixelDriver &pixels);

// BMP: 1, 4, 8 and 24 bits uncompressed, RLE8 with 8 bits, RLE4 with 4 bits.
void qqpibmp(GlobalRecord &rec, const char *name, const RowTarget &target, int &status);
// GIF: the first image, with its global or local colour table, interlaced or not.
void qqpigif(GlobalRecord &rec, const char *name, const RowTarget &target, int &status);

// The same decoders on a file opened "rb" (read from its current position).
int decodeBmp(GlobalRecord &rec, FILE *file, const RowTarget &target);
int decodeGif(GlobalRecord &rec, FILE *file, const RowTarget &target);

// A TIFF file written by this library: palette form (14 directory entries, or
// 11 without resolutions) or RGB form (13, or 10), uncompressed, 8 bits per
// sample, rows one after another.
struct TiffImage {
    int entries = 0;
    int width = 0;
    int height = 0;
    bool rgb = false;                  // three bytes per pixel, else palette indices
    long long dataOffset = 0;          // the first row
    std::uint16_t colourMap[768] = {}; // palette form: 256 red, 256 green, 256 blue (0..65535)
    int bytesPerPixel() const { return rgb ? 3 : 1; }
};

// Reads and checks the header, directory and colour map; 0, or -3 for any
// other layout (bilevel files included) or a file too short for its rows.
int readTiffHeader(FILE *file, TiffImage &image);
// Reads n pixels of a row from column x (the caller keeps them inside the
// image); 0, or -3 when the file ends early.
int readTiffRow(FILE *file, const TiffImage &image, int row, int x, int n, std::uint8_t *out);
