// One fuzz input as a file to read, and a small RGB picture for the rows a
// decoder writes (placed so that some rows and columns fall outside it).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "devices/file_inclusion.h"
#include "devices/image_readers.h"
#include "devices/memory_raster.h"
#include "kernel/record.h"

inline FILE *openInput(const std::uint8_t *data, std::size_t size) {
    static char empty[1] = {0}; // fmemopen wants at least one byte
    return size > 0 ? fmemopen(const_cast<std::uint8_t *>(data), size, "rb")
                    : fmemopen(empty, 1, "rb");
}

inline GlobalRecord &fuzzPicture() {
    static GlobalRecord rec;
    int width = 24, height = 20, status = 0;
    qqvini(rec, 1, 1, width, height, 1, 0, kPixelModeRgb, status);
    return rec;
}

inline RowTarget fuzzTarget() {
    return RowTarget{.pixels = kMemoryRasterPixels, .right = 24, .bottom = 20, .x = -3, .y = 2};
}

// A raster plot for the replays of included vector files: device PNG with a
// 300 x 200 page on the 24 x 20 picture, and the box of the whole page.
inline GlobalRecord &fuzzPlot() {
    static GlobalRecord rec;
    rec.core.idevice = 604;
    rec.core.ilevel = 1;
    rec.page.nxpage = 300;
    rec.page.nypage = 200;
    rec.page.xdevscl = 0.08f;
    rec.page.nbitpix = 24;
    int width = 24, height = 20, status = 0;
    if (rec.dev.pdriver == nullptr || qqvptr(rec) == nullptr)
        qqvini(rec, 300, 200, width, height, 1, 0, kPixelModeRgb, status);
    return rec;
}

inline IncludeBox fuzzBox() {
    return IncludeBox{.x = 0, .y = 0, .width = 301, .height = 201};
}
