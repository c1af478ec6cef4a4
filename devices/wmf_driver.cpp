// The driver of WMF: the metafile records through the platform's recording
// context from kavini to kavfin; boxes and solid polygons are filled by it.
#include <algorithm>

#include "devices/device_drivers.h"
#include "devices/window_fonts.h"
#include "devices/wmf_writer.h"
#include "kernel/dispatch.h"
#include "kernel/file_versions.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// The metafile: the page in metafile units (as the device sees it, so turned
// for portrait output), the file named inside the library lock.
void startWmf(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const float s = page.xdevscl;
    int width = truncToInt(float(page.nxpage) * s + 0.5f);
    int height = truncToInt(float(page.nypage) * s + 0.5f);
    if (page.ipagmod == 1) std::swap(width, height);
    bool named = false, started = false;
    {
        LibraryLock lock;
        named = gfilnn(rec, rec.out.cfilnam, sizeof rec.out.cfilnam);
        if (named) started = qqwmf1(rec, rec.out.cfilnam, width, height, rec.format.iwmfmod);
    }
    rec.out.fileOpened = started;
    // Without a file the plot goes on and draws nothing.
    if (!named)
        warnin(Warning::incorrectFilename);
    else if (!started)
        warnin(Warning::fileError);
}

void openWmf(GlobalRecord &rec) {
    rec.page.nbitpix = 24;
    rec.page.xdevscl = (rec.page.xsclfac * rec.page.xunits) * 1440.0f / 254.0f;
    startWmf(rec);
}

bool wmfBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    int r = 0, g = 0, bl = 0;
    colourComponents(rec, colour, r, g, bl);
    qqstrk(rec);
    qqwmf5(rec, b.x, b.y, b.width, b.height, r, g, bl);
    return true;
}

// The polygon list of the metafile: the page points with the origin shift,
// converted and rounded.
void wmfPolygon(GlobalRecord &rec, const float x[], const float y[], int n) {
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    qqwmf6(rec, n, 0, 1);
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = toDevice(rec, x[i] + dx, y[i] + dy);
        qqwmf6(rec, truncToInt(p.x), truncToInt(p.y), 2);
    }
    qqwmf6(rec, 0, 0, 9);
}

} // namespace

const DeviceDriver kWmfDriver{
    .open = openWmf,
    .pen = [](GlobalRecord &rec, DevicePoint p,
              int op) { qqwmf4(rec, truncToInt(p.x), truncToInt(p.y), op); },
    .colour =
        [](GlobalRecord &rec, int colour) {
            const DeviceColour c = deviceColour(rec, colour);
            qqwmf3(rec, c.r, c.g, c.b);
        },
    .box = wmfBox,
    .fillPolygon = wmfPolygon,
    .windowFont = qqwfnt,
    .windowCharacter = qqwcha,
    .close =
        [](GlobalRecord &rec, int &) {
            // The pen goes back to the origin but draws nothing more: a plot
            // that drew nothing counts no vector.
            qqmove(rec, 0, 0);
            if (!qqwmf2(rec)) rec.out.writeFailed = true;
        },
};
