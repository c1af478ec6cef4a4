// DriverRecord: the state of the pixel drivers, one per GlobalRecord
// (GlobalRecord.dev.pdriver).
//
// The memory raster and the z-buffer rasterisers use the fields below, the
// WMF writer the WindowTable. The screen driver adds its own fields here
// (screen size, depth buffer, font flags, the projection callback) and makes
// the record through the same driverRecord() / qqwglb, which set every
// initial value.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "devices/png_scratch.h"
#include "devices/window_table.h"

struct GlobalRecord;

struct DriverRecord {
    int nscrw = 0; // screen width and height in pixels (screen driver)
    int nscrh = 0;
    int nwinx = 0; // position of the window's client area on the screen
    int nwiny = 0;
    int nwidth = 0;              // drawing area in pixels: window client area or memory raster
    int nheight = 0;             // ... and height
    int nclip[4] = {0, 0, 0, 0}; // clip rectangle x0, y0, x1, y1 in pixels
    int ivltkind = 0;            // kind of the colour table last loaded: 0 SMAL, 7 VGA, others
    int icoding = 0;             // character coding of the Windows font (qqwfnt, qqgiso)
    int nreq3 = 0;               // lighting flag of the rasterisers, 1 on (request 3 of qqwext)
    int nbits = 0;               // colour depth of the screen in bits per pixel
    std::uint8_t ibgmode = 0;    // background mode: 2 white (reverse), else black
    std::uint8_t red[256] = {};  // the colour table split in components (qqvvlt)
    std::uint8_t green[256] = {};
    std::uint8_t blue[256] = {};
    // Depth tolerance of z-buffered lines: 0.001, 1e-5 while zbflin draws
    // its own line (requests 17 and 18 of qqwext).
    double xdepthtol = 0.001;
    // The z-buffer: izbfact 1 while it is open; pzbuf holds nzbwidth x
    // nzbheight depths, row by row, of the drawing area it was opened for.
    int izbfact = 0;
    int nzbwidth = 0;
    int nzbheight = 0;
    std::unique_ptr<float[]> pzbuf;
    int icolor = 0;    // current colour number of the memory raster
    int nrowbytes = 0; // bytes per RasterPage row: width x bytes per pixel
    int itruecol = 0;  // 1 when the RasterPage holds R, G, B bytes, 0 colour numbers
    int icurred = 0;   // parts of the current colour of the memory raster
    std::uint8_t icurgreen = 0;
    std::uint8_t icurblue = 0;
    // praster: the RasterPage, nheight rows of nrowbytes bytes, row 0 at the
    // top, no padding; null outside a raster plot or image mode.
    std::unique_ptr<std::uint8_t[]> praster;
    // The RasterPage of the last raster plot (nsparebytes bytes), kept for the
    // next plot of the same size: a thread drawing page after page neither
    // gives the page back to the system nor has it faulted in again, which
    // with threads costs every thread a pause while the others' page tables
    // are flushed.
    std::unique_ptr<std::uint8_t[]> psparepage;
    std::size_t nsparebytes = 0;
    // ppngscratch: the PNG writer's deflate state and output area, kept from
    // file to file for the same reason; null until the first PNG.
    std::unique_ptr<PngScratch> ppngscratch;
    // pwintab: the WindowTable of the window-system drivers (screen and WMF);
    // null until qqwglb makes it.
    std::unique_ptr<WindowTable> pwintab;
};

// The caller's DriverRecord, made with its initial values when missing; null
// only when no memory is left for it.
DriverRecord *driverRecord(GlobalRecord &rec);

// What qqwglb makes.
enum class DriverRecords {
    Both = 0,        // the DriverRecord (when missing) and its WindowTable
    DriverOnly = 1,  // the DriverRecord only
    WindowTable = 2, // a WindowTable for the given DriverRecord
};

// Makes the driver records: returns the DriverRecord (driver, or the caller's
// own, made when missing). A missing WindowTable is made for modes Both and
// WindowTable. Without memory for them the process ends after the message
// box "Not enough memory for windows output".
DriverRecord *qqwglb(GlobalRecord &rec, DriverRecord *driver, DriverRecords mode);
