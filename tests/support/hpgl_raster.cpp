// hp2xx rendering of HPGL files for tests.
#include "tests/support/hpgl_raster.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

HpglRaster::HpglRaster(const std::string &hpglFile) {
    const TempDir scratch;
    const std::string pbm = scratch.file("out.pbm");
    if (runCommand("hp2xx -q -m pbm -t -d 254 -f '" + pbm + "' '" + hpglFile + "'") != 0) return;
    const std::string data = readFile(pbm);
    int w = 0, h = 0, consumed = 0;
    if (std::sscanf(data.c_str(), "P4 %d %d%n", &w, &h, &consumed) != 2) return;
    const std::size_t start = std::size_t(consumed) + 1;
    if (data.size() < start + std::size_t((w + 7) / 8) * h) return;
    bits_.assign(data.begin() + long(start), data.end());
    width_ = w;
    height_ = h;
    // The page's top-left corner: the first column and the first row that
    // hold ink; hp2xx draws lines three pixels wide, so their centres are one
    // further.
    const int rowBytes = (width_ + 7) / 8;
    offsetX_ = width_;
    offsetY_ = height_;
    for (int y = 0; y < height_; ++y)
        for (int b = 0; b < rowBytes; ++b)
            if (const unsigned char byte = bits_[std::size_t(y) * rowBytes + b]; byte != 0) {
                offsetX_ = std::min(offsetX_, 8 * b + std::countl_zero(byte));
                offsetY_ = std::min(offsetY_, y);
                break;
            }
    offsetX_ += 1;
    offsetY_ += 1;
}

bool HpglRaster::pixel(int px, int py) const {
    if (px < 0 || py < 0 || px >= width_ || py >= height_) return false;
    const int rowBytes = (width_ + 7) / 8;
    return (bits_[std::size_t(py) * rowBytes + px / 8] >> (7 - px % 8)) & 1;
}

bool HpglRaster::ink(int x, int y) const {
    return pixel(x + offsetX_, y + offsetY_);
}

int HpglRaster::inkCountColumn(int x, int y1, int y2) const {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        count += ink(x, y) ? 1 : 0;
    return count;
}
