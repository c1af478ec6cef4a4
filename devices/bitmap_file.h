// The BitmapFile of the memory raster: the library's own raw picture file
// (rimage saves it, wimage loads it, qqrfil writes it for the IMAG device).
//
// Layout: 20 bytes of magic ("!Bitmap KAVLOR VIRT " from the memory raster,
// "!Bitmap KAVLOR WIN  " from the screen); nine numbers "%5d" separated by
// blanks (width, height, planes, bytes per row, bits per pixel, 32, 0, index
// kind, palette offset) and 7 blanks, 80 bytes in all; then the rows, top
// first, bytes per row each.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

struct GlobalRecord;

constexpr int kBitmapSave = 0;
constexpr int kBitmapLoad = 1;

// Status of qqvfil: 0 done, 1 file error, 2 no memory, 3 wrong magic, unknown
// depth or a header that does not describe its rows (warning 56 in wimage).
constexpr int kBitmapDone = 0;
constexpr int kBitmapFileError = 1;
constexpr int kBitmapNoMemory = 2;
constexpr int kBitmapBadFormat = 3;
// The screen's reader (qqwfil) also gives 4: a file depth the screen cannot
// take (warning 40 in wimage).
constexpr int kBitmapDepthMismatch = 4;

// Saves the RasterPage into the open file (mode 0) or loads a BitmapFile
// from it into the page (mode 1). Loading converts depths and sizes: the
// smaller width and height are taken, 24- and 32-bit files go in as R, G, B,
// 8-bit files as colour numbers. On any failure the picture stays as it was.
void qqvfil(GlobalRecord &rec, FILE *file, int mode, int &status);

// The 80-byte header: its nine numbers, and whether the screen wrote it.
struct BitmapHeader {
    int width = 0, height = 0, planes = 0, rowBytes = 0, bits = 0;
    int spare1 = 0, spare2 = 0, indexKind = 0, paletteOffset = 0;
    bool screen = false; // written from the screen: 24-bit pixels are B, G, R
};
constexpr int kBitmapHeaderSize = 80;
constexpr int kBitmapNumbersSize = 53; // nine "%5d" and eight blanks

// Reads the nine numbers of the header from text (after the 20-byte magic);
// false when they are not there.
bool parseBitmapNumbers(const char *text, BitmapHeader &h);

// Palette-pixel bytes of a screen (index kind 0) back to colour numbers.
void paletteToNumbers(std::uint8_t *bytes, std::size_t n, int offset);

// Bytes left in the file from where it stands; -1 when it cannot tell.
long long bytesLeft(FILE *file);
