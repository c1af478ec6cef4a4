// The span fillers of the z-buffer's rasterisers and the raster they write.
#include "graphics3d/depth_raster.h"

#include <algorithm>

#include "devices/driver_record.h"
#include "devices/memory_raster.h"
#include "devices/nearest_colour.h"
#include "devices/screen_pixels.h"
#include "kernel/colour_value.h"
#include "kernel/record.h"

namespace {

// Depths of a span are tested with this much room, so that a face drawn
// again at its own depth shows.
constexpr double kSpanTolerance = 1.0e-6;

// Background mode of a reversed screen: white.
constexpr int kWhiteBackground = 2;

DriverRecord *driverWithDepths(GlobalRecord &rec) {
    DriverRecord *driver = rec.dev.pdriver.get();
    if (driver == nullptr || driver->izbfact != 1 || !driver->pzbuf) return nullptr;
    return driver;
}

void useDepths(const DriverRecord &driver, DepthRaster &raster) {
    raster.depths = driver.pzbuf.get();
    raster.depthRow = driver.nzbwidth;
    raster.width = driver.nzbwidth;
    raster.height = driver.nzbheight;
}

// The memory raster's page, or else the screen's pixel copy; false without either.
bool usePage(const DriverRecord &driver, DepthRaster &raster) {
    raster.exchangeWhiteBlack = driver.ibgmode == kWhiteBackground && driver.nreq3 == 1;
    if (driver.praster) {
        raster.page = rasterSurface(driver);
        raster.trueColour = driver.itruecol == 1;
        return true;
    }
    const WindowTable *t = driver.pwintab.get();
    if (t == nullptr || !t->pimgbuf) return false;
    const BITMAP &b = t->bmdesc;
    raster.page = PixelSurface{t->pimgbuf.get(), int(b.bmWidth), int(b.bmHeight),
                               int(b.bmWidthBytes), std::max(1, b.bmBitsPixel / 8)};
    raster.trueColour = raster.page.bytesPerPixel >= 3;
    raster.screenPixels = true;
    return true;
}

// A channel value as a stored byte.
std::uint8_t channelByte(double value) {
    if (!(value >= 0.0)) return 0;
    if (value >= 255.0) return 255;
    return static_cast<std::uint8_t>(value + 0.5);
}

// The value at column i of a span that runs from a at xa to b at xb.
inline double alongSpan(double i, double xa, double xb, double a, double b, double slope) {
    if (i < xa) return a;
    if (i > xb) return b;
    return a + (i - xa) * slope;
}

// Columns of a span end: the truncation of x + 0.5, kept within int range
// for ends far off the raster.
int spanColumn(double x) {
    constexpr double kFar = 1.0e9;
    const double v = x + 0.5;
    if (!(v > -kFar)) return static_cast<int>(-kFar);
    if (v > kFar) return static_cast<int>(kFar);
    return static_cast<int>(v);
}

} // namespace

bool rasterWithDepths(GlobalRecord &rec, DepthRaster &raster) {
    const DriverRecord *driver = driverWithDepths(rec);
    if (driver == nullptr) return false;
    raster.driver = driver;
    useDepths(*driver, raster);
    if (!usePage(*driver, raster)) return false;
    // A z-buffer opened for another picture size covers only what both hold.
    raster.width = std::min(raster.width, raster.page.width);
    raster.height = std::min(raster.height, raster.page.height);
    return true;
}

bool depthsOnly(GlobalRecord &rec, DepthRaster &raster) {
    const DriverRecord *driver = driverWithDepths(rec);
    if (driver == nullptr) return false;
    raster.driver = driver;
    useDepths(*driver, raster);
    return true;
}

bool rasterWithoutDepths(GlobalRecord &rec, DepthRaster &raster) {
    const DriverRecord *driver = rec.dev.pdriver.get();
    if (driver == nullptr) return false;
    raster.driver = driver;
    if (!usePage(*driver, raster)) return false;
    raster.width = raster.page.width;
    raster.height = raster.page.height;
    raster.clip[0] = std::max(driver->nclip[0], 0);
    raster.clip[1] = std::max(driver->nclip[1], 0);
    raster.clip[2] = std::min(driver->nclip[2], raster.width - 1);
    raster.clip[3] = std::min(driver->nclip[3], raster.height - 1);
    return true;
}

void qqrgbf(const DriverRecord &driver, int colour, double rgb[3]) {
    if (isExplicitColour(colour)) {
        rgb[0] = rgbRed(colour);
        rgb[1] = rgbGreen(colour);
        rgb[2] = rgbBlue(colour);
        return;
    }
    const int n = colourNumber(colour);
    rgb[0] = driver.red[n];
    rgb[1] = driver.green[n];
    rgb[2] = driver.blue[n];
}

void qqgrev(std::uint8_t rgb[3]) {
    const bool white = rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
    const bool black = rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0;
    if (!white && !black) return;
    const std::uint8_t v = white ? 0 : 255;
    rgb[0] = rgb[1] = rgb[2] = v;
}

void storePixel(DepthRaster &raster, int column, int row, const std::uint8_t rgb[3]) {
    const PixelSurface &s = raster.page;
    std::uint8_t *p = s.bits + static_cast<std::ptrdiff_t>(row) * s.rowBytes;
    if (raster.screenPixels && raster.trueColour) {
        p += static_cast<std::ptrdiff_t>(column) * s.bytesPerPixel;
        p[0] = rgb[2];
        p[1] = rgb[1];
        p[2] = rgb[0];
        return;
    }
    if (raster.trueColour) {
        p += static_cast<std::ptrdiff_t>(column) * 3;
        p[0] = rgb[0];
        p[1] = rgb[1];
        p[2] = rgb[2];
        return;
    }
    // Neighbouring pixels mostly share their colour: the search of the
    // colour table is done again only when it changes.
    const int key = rgb[0] << 16 | rgb[1] << 8 | rgb[2];
    if (key != raster.lastRgb) {
        raster.lastRgb = key;
        raster.lastNumber =
            static_cast<std::uint8_t>(qqgind(*raster.driver, rgb[0], rgb[1], rgb[2]));
    }
    p[column] = raster.screenPixels
                    ? static_cast<std::uint8_t>(qqgcll(*raster.driver, raster.lastNumber))
                    : raster.lastNumber;
}

void qqvhln(DepthRaster &raster, int row, double xa, double xb, const double ca[3],
            const double cb[3], double za, double zb) {
    int ia = spanColumn(xa), ib = spanColumn(xb);
    if (row < 0 || row >= raster.height || ia >= raster.width || ib < 0) return;
    const double width = xb - xa;
    const bool single = ia == ib;
    const double sr = single ? 0.0 : (cb[0] - ca[0]) / width;
    const double sg = single ? 0.0 : (cb[1] - ca[1]) / width;
    const double sb = single ? 0.0 : (cb[2] - ca[2]) / width;
    const double sz = single ? 0.0 : (zb - za) / width;
    ia = std::max(ia, 0);
    ib = std::min(ib, raster.width - 1);
    float *depth = raster.depths + static_cast<std::ptrdiff_t>(row) * raster.depthRow;
    for (int i = ia; i <= ib; ++i) {
        const double x = i;
        const double z = alongSpan(x, xa, xb, za, zb, sz);
        if (!(z - kSpanTolerance <= depth[i])) continue;
        std::uint8_t rgb[3] = {channelByte(alongSpan(x, xa, xb, ca[0], cb[0], sr)),
                               channelByte(alongSpan(x, xa, xb, ca[1], cb[1], sg)),
                               channelByte(alongSpan(x, xa, xb, ca[2], cb[2], sb))};
        if (raster.exchangeWhiteBlack) qqgrev(rgb);
        storePixel(raster, i, row, rgb);
        depth[i] = static_cast<float>(z);
    }
}

void qqzhln(DepthRaster &raster, int row, double xa, double xb, double za, double zb) {
    int ia = spanColumn(xa), ib = spanColumn(xb);
    if (row < 0 || row >= raster.height || ia >= raster.width || ib < 0) return;
    const double sz = ia == ib ? 0.0 : (zb - za) / (xb - xa);
    ia = std::max(ia, 0);
    ib = std::min(ib, raster.width - 1);
    float *depth = raster.depths + static_cast<std::ptrdiff_t>(row) * raster.depthRow;
    for (int i = ia; i <= ib; ++i) {
        const double z = alongSpan(i, xa, xb, za, zb, sz);
        if (z - kSpanTolerance <= depth[i]) depth[i] = static_cast<float>(z);
    }
}

void qqvhln2(DepthRaster &raster, int row, int ia, int ib, const double ca[3], const double cb[3]) {
    const int *clip = raster.clip;
    if (row < clip[1] || row > clip[3] || ia > clip[2] || ib < clip[0]) return;
    const double columns = static_cast<double>(ib) - ia;
    const double sr = ia == ib ? 0.0 : (cb[0] - ca[0]) / columns;
    const double sg = ia == ib ? 0.0 : (cb[1] - ca[1]) / columns;
    const double sb = ia == ib ? 0.0 : (cb[2] - ca[2]) / columns;
    const int first = std::max(ia, clip[0]), last = std::min(ib, clip[2]);
    for (int i = first; i <= last; ++i) {
        const double d = static_cast<double>(i) - ia;
        const std::uint8_t rgb[3] = {channelByte(ca[0] + d * sr), channelByte(ca[1] + d * sg),
                                     channelByte(ca[2] + d * sb)};
        storePixel(raster, i, row, rgb);
    }
}
