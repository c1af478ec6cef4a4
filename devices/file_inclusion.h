// Files included into a plot (incfil): the library's text metafiles (GKSL)
// and CGM files are replayed through the device dispatch (xjdraw, qqsclr);
// BMP and GIF files are decoded inside image mode into the picture.
//
// Entry points: incfil, filbox, filclr (public); includeFile for zellogo;
// qqchkfil, qqincgks, qqinccgm, qqincfil and the replays of an open file
// (for tests and fuzzing).
#pragma once
#include <cstdio>

struct GlobalRecord;

// Types of qqchkfil.
enum IncludeFileType {
    kNoFile = 0,         // cannot be opened, or an empty text file
    kGkslFile = 1,       // none of the others
    kCgmFile = 2,        // first element BEGIN METAFILE
    kBmpFile = 3,        // "BM"
    kGifFile = 4,        // "GIF8"
    kPrinterFile = 5,    // first line "!R!"
    kHpglFile = 6,       // first line " SP1"
    kPostScriptFile = 7, // first line "%!PS-Adobe"
};

// Status of the replays: 0 done; -1 the file cannot be opened; -2 a GKSL
// file without its end record; -3 an incorrect file (a GKSL header or record
// that is not a number, a CGM file that ends before END METAFILE).
constexpr int kIncludeDone = 0;
constexpr int kIncludeOpenError = -1;
constexpr int kIncludeIncomplete = -2;
constexpr int kIncludeBadFormat = -3;
// qqincfil: not included, the reason already given as a warning.
constexpr int kIncludeReported = -4;

// The rectangle of the page an included file fills, in plot units, y down.
struct IncludeBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The type of the file; for BMP the width and height of its info header, for
// GIF those of its logical screen (else 0).
int qqchkfil(GlobalRecord &rec, const char *name, int &width, int &height);

// GKSL: the page size of the first line is fitted into the box keeping its
// aspect; records of 10 characters give coordinates, pen codes, colours and
// the end code 9.
int qqincgks(GlobalRecord &rec, const char *name, const IncludeBox &box);
int replayGksl(GlobalRecord &rec, FILE *file, const IncludeBox &box);

// CGM: big-endian elements up to END METAFILE, read twice: the extent of the
// POLYLINE points, then the lines and LINE COLOURs fitted into the box.
int qqinccgm(GlobalRecord &rec, const char *name, const IncludeBox &box);
int replayCgm(GlobalRecord &rec, FILE *file, const IncludeBox &box);

// BMP (type 3) or GIF (type 4) of imageWidth x imageHeight pixels into the
// box: image mode is run around the decoder (on PostScript and PDF its
// raster has the image's size and fills the box; an image of more pixels
// than the page has plot units is refused there). The decoder's status
// (image_readers.h), or kIncludeReported.
int qqincfil(GlobalRecord &rec, const char *name, int type, const IncludeBox &box, int imageWidth,
             int imageHeight);

// incfil without the level check.
void includeFile(GlobalRecord &rec, const char *name);

// filbox without the level check; false (after a warning) when refused.
bool setIncludeBox(GlobalRecord &rec, int x, int y, int width, int height);
