// WmfWriter: the WMF device (221). The plot is recorded by the platform's
// metafile recorder into the output file; at the end the file can get the
// 22-byte placeable header that tells other programs its size.
//
// Entry points (the kernel's dispatch, kavini and kavfin call them):
// - qqwmf1(rec, file, width, height, form): starts recording (kavini).
// - qqwmf2(rec): ends recording and writes the final file (kavfin).
// - qqwmf3(rec, r, g, b): colour: a new pen of width 1 and the text colour.
// - qqwmf4(rec, x, y, op): kPenDraw (kernel/driver.h) draws a line to (x, y),
//   others move there.
// - qqwmf5(rec, x, y, w, h, r, g, b): a rectangle filled with a solid brush.
// - qqwmf6(rec, x, y, op): a filled polygon: op 1 starts a list of x points,
//   other ops but 9 append (x, y), op 9 fills the polygon in the current colour.
// Coordinates are metafile units: the device units of the dispatch.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/windows.h"

struct GlobalRecord;

// Forms of the file (wmfmod "FORM").
enum class WmfForm { Standard = 0, Placeable = 1 };

struct WmfWriter {
    HDC hmeta = 0;    // the recording context; 0 when the file could not be made
    int ipenmade = 0; // 1 once a pen was made: the previous one is deleted on each change
    int iform = 0;    // WmfForm
    int nheight = 0;  // page height and width in metafile units
    int nwidth = 0;
    char cfile[257] = ""; // the output file, at most 256 characters

    WmfWriter() = default;
    WmfWriter(const WmfWriter &) = delete;
    WmfWriter &operator=(const WmfWriter &) = delete;
    // A writer freed before qqwmf2 (a thread that ends inside a plot) still
    // closes its recording, so that the file and the handles are released.
    ~WmfWriter();
};

// Returns false when the metafile could not be created (the plot goes on
// without it).
bool qqwmf1(GlobalRecord &rec, const char *file, int width, int height, int form);
// Returns false when the file could not be written whole.
bool qqwmf2(GlobalRecord &rec);
void qqwmf3(GlobalRecord &rec, int red, int green, int blue);
void qqwmf4(GlobalRecord &rec, int x, int y, int op);
void qqwmf5(GlobalRecord &rec, int x, int y, int width, int height, int red, int green, int blue);
void qqwmf6(GlobalRecord &rec, int x, int y, int op);

// The largest polygon a metafile record holds; larger fills take the
// software path.
constexpr int kWmfMaxPolygon = 32767;

// Placeable header: 22 bytes for a page of width x height metafile units at
// 1440 units per inch, with its checksum.
constexpr int kPlaceableHeaderBytes = 22;
void placeableHeader(int width, int height, std::uint8_t header[kPlaceableHeaderBytes]);

// Puts the placeable header before the plain metafile in file, through a
// temporary file of its own beside it (the plot's name with a unique suffix)
// renamed over it. No other file is touched; on failure the plain metafile
// stays as it was.
enum class PlaceableResult { Done, OpenError, WriteError };
PlaceableResult makePlaceable(const char *file, int width, int height);
