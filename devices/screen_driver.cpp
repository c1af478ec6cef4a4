// The driver of the screen windows: each window draws into its backing bitmap
// (screen_drawing.cpp), which is shown on flush and at the end of the plot,
// where the driver waits for the user.
#include "devices/screen_driver.h"

#include "devices/device_drivers.h"
#include "devices/window_fonts.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// The window of the device code: its size, position, colour depth and scale.
void openScreen(GlobalRecord &rec) {
    PageState &page = rec.page;
    WindowState &win = rec.win;
    const int code = rec.core.idevice;
    win.iwinid = code == device::kScreenDefault ? 1 : code - 71;
    ScreenOpening o;
    o.device = code;
    o.pageWidth = page.ipagmod == 1 ? page.nypage : page.nxpage;
    o.pageHeight = page.ipagmod == 1 ? page.nxpage : page.nypage;
    o.placement = win.iwinset;
    o.x = win.nwinpos[0];
    o.y = win.nwinpos[1];
    o.width = win.nwinsiz[0];
    o.height = win.nwinsiz[1];
    o.clrmod = rec.colour.iclrmod;
    o.x11mod = win.ix11mod;
    o.scrmod = page.iscrmod;
    qqwini(rec, o);
    win.nwinpos[0] = o.x;
    win.nwinpos[1] = o.y;
    win.nwinsiz[0] = o.width;
    win.nwinsiz[1] = o.height;
    page.nbitpix = o.bits;
    page.xdevscl = rasterScale(rec, o.clientWidth, o.clientHeight);
    win.keepWindow(win.iwinid, page.xdevscl);
}

// A window kept from a plot of the other background is cleared.
void beginScreen(GlobalRecord &rec) {
    const PageState &page = rec.page;
    if (page.nbitpix >= 9 && rec.win.iextwin == 0 && page.iscrmod != page.iscrold) erase();
}

bool screenBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    qqstrk(rec);
    qqwfll(rec, b.x, b.y, b.width + 1, b.height + 1, colour);
    return true;
}

// The polygon list of the window: the page points with the origin shift,
// converted and truncated.
void screenPolygon(GlobalRecord &rec, const float x[], const float y[], int n) {
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    qqwpol(rec, n, 0, 1);
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = toDevice(rec, x[i] + dx, y[i] + dy);
        qqwpol(rec, truncToInt(p.x), truncToInt(p.y), 2);
    }
    qqwpol(rec, 0, 0, 9);
}

// The triangle's outline, then its pixels in the colour.
bool screenTriangle(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    int px[3], py[3];
    toDevicePixels(rec, x, y, 3, px, py);
    qqsclr(rec, colour);
    arealx(rec, x, y, 3);
    qqwftr(rec, px, py, &colour);
    return true;
}

// The screen draws every marker shape itself.
bool screenSymbol(GlobalRecord &rec, int n, DevicePoint centre, int size) {
    qqstrk(rec);
    qqwsym(rec, n, int(centre.x), int(centre.y), size);
    return true;
}

bool screenFrameRings(GlobalRecord &rec, int left, int top, int right, int bottom, int rings,
                      int step) {
    qqstrk(rec);
    for (int k = 0; k < rings; ++k) {
        const int d = k * step;
        const int l = left - d, r = right + d, u = top - d, b = bottom + d;
        qqwdrw(rec, l, u, kPenMove);
        qqwdrw(rec, r, u, kPenDraw);
        qqwdrw(rec, r, b, kPenDraw);
        qqwdrw(rec, l, b, kPenDraw);
        qqwdrw(rec, l, u, kPenDraw);
    }
    return true;
}

void eraseScreen(GlobalRecord &rec) {
    qqwers(rec);
}

// Unless the windows do not wait, the user sees the page before it goes.
void newScreenPage(GlobalRecord &rec) {
    if (rec.win.iwinmod != 2 && rec.win.iwinmod != 3) qqwnnp(rec);
    qqstrk(rec);
    qqwers(rec);
}

// The end of the plot waits as winmod and winkey (or the delay of DELA) say;
// the protocol names no file.
void closeScreen(GlobalRecord &rec, int &fileflag) {
    const WindowState &win = rec.win;
    qqwfin(rec, win.iwinmod == 4 ? 10 * win.iwinopt + 4 : win.iwinmod + 10 * win.iwinkey);
    fileflag = 0;
}

} // namespace

const DeviceDriver kScreenDriver{
    .open = openScreen,
    .begin = beginScreen,
    .pen = [](GlobalRecord &rec, DevicePoint p,
              int op) { qqwdrw(rec, truncToInt(p.x), truncToInt(p.y), op); },
    .colour = qqwclr,
    .box = screenBox,
    .fillPolygon = screenPolygon,
    .triangle = screenTriangle,
    .symbol = screenSymbol,
    .frameRings = screenFrameRings,
    .windowFont = qqwfnt,
    .windowCharacter = qqwcha,
    // The colour given is the current one, which the window's pen holds.
    .pixel = [](GlobalRecord &rec, int x, int y, int) { qqwpix(rec, x, y); },
    .palette = [](GlobalRecord &rec) { qqwvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab); },
    .erase = eraseScreen,
    .newPage = newScreenPage,
    .flush = qqwsbf,
    .close = closeScreen,
};
