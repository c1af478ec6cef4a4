// The driver of the raster files and the virtual raster: everything is drawn
// into the memory raster in pixels, and kavfin writes the file from it.
#include "devices/device_drivers.h"
#include "devices/memory_raster.h"
#include "devices/raster_file.h"
#include "kernel/device_setup.h"
#include "kernel/fatal.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
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
    const int x = int(p.x), y = int(p.y);
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

void closeRaster(GlobalRecord &rec, int &fileflag) {
    const DeviceFacts &facts = deviceFacts(rec.core.idevice);
    if (facts.file == PlotFile::none) fileflag = 0;
    qqrfil(rec, rec.out.fpout, facts.rasterType);
    qqvfin(rec);
}

} // namespace

void memoryRasterPalette(GlobalRecord &rec) {
    if (qqvptr(rec) != nullptr) qqvvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab);
}

const DeviceDriver kRasterDriver{
    .open = openRaster,
    .pen = rasterPen,
    .colour = qqvclr,
    .box = rasterBox,
    .palette = memoryRasterPalette,
    .erase = qqvers,
    .close = closeRaster,
};
