// The driver of the raster files and the virtual raster: everything is drawn
// into the memory raster in pixels, and kavfin writes the file from it.
#include "devices/device_drivers.h"
#include "devices/memory_raster.h"
#include "devices/raster_file.h"
#include "devices/raster_pixels.h"
#include "kernel/area_fill.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/fatal.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

void openRaster(GlobalRecord &rec) {
    PageState &page = rec.page;
    const bool rgb = deviceFacts(rec.core.idevice).trueColour || rec.format.iimgfmt == 1;
    page.nbitpix = rgb ? 24 : 8;
    int width = rec.win.nwinsiz[0], height = rec.win.nwinsiz[1], status = 0;
    qqvini(rec, page.nxpage, page.nypage, width, height, 1, page.iscrmod, rgb ? kPixelModeRgb : 0,
           status);
    if (status != 0) {
        warnin(Warning::noMemory);
        endProcessAfterWarning();
    }
    page.xdevscl = rasterScale(rec, width, height);
}

// Lines into the memory raster run from the last point to the new one.
void rasterPen(GlobalRecord &rec, DevicePoint p, int op) {
    const int x = truncToInt(p.x), y = truncToInt(p.y);
    int *last = rec.out.nlastpx;
    if (op == kPenDraw) qqvlin(rec, last[0], last[1], x, y);
    last[0] = x;
    last[1] = y;
}

bool rasterBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    qqstrk(rec);
    qqvfll(rec, b.x, b.y, b.x + b.width, b.y + b.height, colour);
    return true;
}

// The triangle's outline, then its pixels in the colour.
bool rasterTriangle(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    int px[3], py[3];
    toDevicePixels(rec, x, y, 3, px, py);
    qqsclr(rec, colour);
    arealx(rec, x, y, 3);
    qqvftr(rec, px, py, &colour);
    return true;
}

// The raster draws the outlines of the shapes below this number itself.
constexpr int kRasterShapes = 15;

bool rasterSymbol(GlobalRecord &rec, int n, DevicePoint centre, int size) {
    if (n >= kRasterShapes || qqvptr(rec) == nullptr) return false;
    qqstrk(rec);
    qqvsym(rec, n, truncToInt(centre.x), truncToInt(centre.y), size);
    return true;
}

bool rasterFrameRings(GlobalRecord &rec, int left, int top, int right, int bottom, int rings,
                      int step) {
    if (qqvptr(rec) == nullptr) return false;
    qqstrk(rec);
    for (int k = 0; k < rings; ++k) {
        const int d = k * step;
        const int l = left - d, r = right + d, u = top - d, b = bottom + d;
        qqvlin(rec, l, u, r, u);
        qqvlin(rec, r, u, r, b);
        qqvlin(rec, r, b, l, b);
        qqvlin(rec, l, b, l, u);
    }
    return true;
}

void closeRaster(GlobalRecord &rec, int &fileflag) {
    const DeviceFacts &facts = deviceFacts(rec.core.idevice);
    if (facts.file == PlotFile::none) fileflag = 0;
    qqrfil(rec, rec.out.fpout, facts.rasterType);
    qqvfin(rec);
}

} // namespace

// The memory raster skips pixels outside its page.
void memoryRasterPixel(GlobalRecord &rec, int x, int y, int colour) {
    if (qqvptr(rec) != nullptr) qqvwpx(rec, x, y, colour);
}

void memoryRasterPalette(GlobalRecord &rec) {
    if (qqvptr(rec) != nullptr) qqvvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab);
}

const DeviceDriver kRasterDriver{
    .open = openRaster,
    .pen = rasterPen,
    .colour = qqvclr,
    .box = rasterBox,
    .triangle = rasterTriangle,
    .symbol = rasterSymbol,
    .frameRings = rasterFrameRings,
    .pixel = memoryRasterPixel,
    .palette = memoryRasterPalette,
    .erase = qqvers,
    .close = closeRaster,
};
