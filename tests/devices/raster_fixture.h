// A fresh record with a memory raster of a given size, and the page shown as
// text rows (one character per pixel) for readable pixel expectations.
#pragma once
#include <string>
#include <vector>

#include "devices/driver_record.h"
#include "devices/memory_raster.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/fresh_record.h"

class RasterTest : public FreshRecord {
  protected:
    // An index page (or an RGB page) of w x h pixels with background mode bg.
    GlobalRecord &makeRaster(int w, int h, bool rgb = false, int bg = 0) {
        GlobalRecord &rec = currentRecord();
        int width = w, height = h, status = -1;
        qqvini(rec, 2969, 2099, width, height, 1, bg, rgb ? kPixelModeRgb : 0, status);
        EXPECT_EQ(status, 0);
        return rec;
    }
    // Colour table entry i = (i, 255 - i, i / 2) packed 0xRRGGBB: every entry differs.
    static std::vector<int> distinctTable() {
        std::vector<int> table(256);
        for (int i = 0; i < 256; ++i)
            table[i] = i << 16 | (255 - i) << 8 | i / 2;
        return table;
    }
    DriverRecord &driver() { return *currentRecord().dev.pdriver; }
    // Rows of an index page: '.' for colour 0, '#' for any other.
    std::vector<std::string> rows() {
        const DriverRecord &d = driver();
        std::vector<std::string> out;
        for (int y = 0; y < d.nheight; ++y) {
            std::string row;
            for (int x = 0; x < d.nwidth; ++x)
                row += d.praster[y * d.nrowbytes + x] != 0 ? '#' : '.';
            out.push_back(row);
        }
        return out;
    }
};
