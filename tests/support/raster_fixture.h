// Plots drawn into a PPM file and read back pixel by pixel: a mixin for a
// fixture derived from PlotTest.
#pragma once
#include <array>

#include "kernel/record.h"
#include "tests/support/rendered_image.h"

template <class Base> class RasterPixels : public Base {
  protected:
    GlobalRecord *rec = nullptr;
    float scale = 1.0f; // device pixels per plot unit

    void openRaster() {
        rec = &this->open("PPM", "plot.ppm");
        scale = rec->page.xdevscl;
    }
    RgbImage closeRaster() {
        this->close("plot.ppm");
        RgbImage image = readPpm(this->dir.file("plot.ppm"));
        EXPECT_TRUE(image.valid());
        return image;
    }
    // The pixel at plot point (px, py).
    std::array<int, 3> at(const RgbImage &image, float px, float py) const {
        const unsigned char *p = image.at(int(px * scale + 0.5f), int(py * scale + 0.5f));
        return {p[0], p[1], p[2]};
    }
};
