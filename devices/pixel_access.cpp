// The pixel routines of image mode: wpixel, rpixel, wpxrow, rpxrow, wpixls,
// rpixls. Coordinates are pixels of the picture, bounded by
// rec.win.nwinsiz; values are colour numbers (one byte) or, in the RGB
// pixel mode of imgmod, R, G, B (three bytes). Writers cut at the edges;
// readers refuse what does not lie inside (warning 58).
#include <algorithm>
#include <cstddef>

#include "devices/image_mode.h"
#include "devices/image_readers.h"
#include "devices/picture.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// The picture's pixel routines in image mode; warning 55 outside it.
const PixelDriver *imagePixels(GlobalRecord &rec) {
    if (rec.img.iimgini != 1) {
        warnin(Warning::noImgini);
        return nullptr;
    }
    return picturePixels(rec);
}

int pictureWidth(const GlobalRecord &rec) {
    return rec.win.nwinsiz[0];
}
int pictureHeight(const GlobalRecord &rec) {
    return rec.win.nwinsiz[1];
}
std::ptrdiff_t valueSize(const GlobalRecord &rec) {
    return rec.img.iimgmod == 1 ? 3 : 1;
}

// Whether columns x .. x + w - 1 of rows y .. y + h - 1 lie inside the
// picture (w, h at least 1); warning 58 otherwise.
bool insidePicture(const GlobalRecord &rec, int x, int y, int w, int h) {
    const bool inside = x >= 0 && y >= 0 && static_cast<long long>(x) + w <= pictureWidth(rec) &&
                        static_cast<long long>(y) + h <= pictureHeight(rec);
    if (!inside) warnin(Warning::arrayOutOfScreen);
    return inside;
}

} // namespace

extern "C" void wpixel(int ix, int iy, int iclr) {
    GlobalRecord *rec = jqqlev(1, 3, "wpixel");
    if (rec == nullptr) return;
    const PixelDriver *pixels = imagePixels(*rec);
    if (pixels == nullptr) return;
    if (ix < 0 || iy < 0 || ix >= pictureWidth(*rec) || iy >= pictureHeight(*rec)) return;
    pixels->writePixel(*rec, ix, iy, iclr);
}

extern "C" void rpixel(int ix, int iy, int *iclr) {
    GlobalRecord *rec = jqqlev(1, 3, "rpixel");
    if (rec == nullptr) return;
    const PixelDriver *pixels = imagePixels(*rec);
    if (pixels == nullptr || !insidePicture(*rec, ix, iy, 1, 1) || iclr == nullptr) return;
    *iclr = pixels->readPixel(*rec, ix, iy, rec->img.iimgmod);
}

extern "C" void wpxrow(const unsigned char *iray, int ix, int iy, int n) {
    GlobalRecord *rec = jqqlev(1, 3, "wpxrow");
    if (rec != nullptr && arraysGiven(iray)) writeImageRow(*rec, iray, ix, iy, n);
}

extern "C" void rpxrow(unsigned char *iray, int ix, int iy, int n) {
    GlobalRecord *rec = jqqlev(1, 3, "rpxrow");
    if (rec == nullptr || !arraysGiven(iray)) return;
    const PixelDriver *pixels = imagePixels(*rec);
    if (pixels == nullptr || n <= 0 || !insidePicture(*rec, ix, iy, n, 1) || iray == nullptr)
        return;
    pixels->readRect(*rec, iray, ix, iy, n, 1, rec->img.iimgmod);
}

extern "C" void wpixls(const unsigned char *iray, int ix, int iy, int nw, int nh) {
    GlobalRecord *rec = jqqlev(1, 3, "wpixls");
    if (rec == nullptr || !arraysGiven(iray)) return;
    const PixelDriver *pixels = imagePixels(*rec);
    if (pixels == nullptr || iray == nullptr || nw <= 0 || nh <= 0) return;
    // Only the source rows that land on rows 0 .. height - 1 are visited.
    const long long first = std::max(0LL, -static_cast<long long>(iy));
    const long long last =
        std::min<long long>(nh, static_cast<long long>(pictureHeight(*rec)) - iy);
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(nw) * valueSize(*rec);
    for (long long j = first; j < last; ++j)
        qqprow(*rec, iray + j * rowBytes, ix, static_cast<int>(iy + j), nw, pictureWidth(*rec),
               pictureHeight(*rec), rec->img.iimgmod, *pixels);
}

extern "C" void rpixls(unsigned char *iray, int ix, int iy, int nw, int nh) {
    GlobalRecord *rec = jqqlev(1, 3, "rpixls");
    if (rec == nullptr || !arraysGiven(iray)) return;
    const PixelDriver *pixels = imagePixels(*rec);
    if (pixels == nullptr || nw <= 0 || nh <= 0 || !insidePicture(*rec, ix, iy, nw, nh) ||
        iray == nullptr)
        return;
    pixels->readRect(*rec, iray, ix, iy, nw, nh, rec->img.iimgmod);
}
