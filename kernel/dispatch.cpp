// The device dispatch of pens, colours and filled boxes: page points become
// device points here, and every primitive goes on through the driver contract.
#include "kernel/dispatch.h"

#include <algorithm>
#include <cstdlib>

#include "kernel/colour_value.h"
#include "kernel/devices.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

bool pageIsTurned(const GlobalRecord &rec) {
    return rec.page.ipagmod == 1;
}
bool pageIsWide(const GlobalRecord &rec) {
    return rec.page.nxpage > rec.page.nypage;
}

DevicePoint rounded(float x, float y) {
    return {float(roundAddHalf(x)), float(roundAddHalf(y))};
}
DevicePoint truncated(float x, float y) {
    return {float(truncToInt(x)), float(truncToInt(y))};
}

// The device point of a page point on axes of the given kind. Inline in
// xjdraw, which has the device's row already.
[[gnu::always_inline]] inline DevicePoint toDeviceAxes(const GlobalRecord &rec, DeviceAxes axes,
                                                       float x, float y) {
    const float s = rec.page.xdevscl;
    const float w = float(rec.page.nxpage);
    const float h = float(rec.page.nypage);
    switch (axes) {
    case DeviceAxes::pixels:
        return pageIsTurned(rec) ? rounded(y * s, (w - x) * s) : rounded(x * s, y * s);
    case DeviceAxes::truncatedPixels:
        return pageIsTurned(rec) ? truncated(y * s, (w - x) * s) : truncated(x * s, y * s);
    case DeviceAxes::metafile:
        return pageIsTurned(rec) ? DevicePoint{y * s, x * s} : DevicePoint{x * s, (h - y) * s};
    case DeviceAxes::printer: return rounded(x * s, y * s);
    case DeviceAxes::plotter:
        return pageIsTurned(rec) ? rounded(y * s, x * s) : rounded(x * s, (h - y) * s);
    case DeviceAxes::plotterSheet:
        return pageIsWide(rec) ? rounded(x * s, (h - y) * s) : rounded((h - y) * s, (w - x) * s);
    case DeviceAxes::paper:
        if (turnedOnPaper(rec.page)) return truncated(y * s, x * s);
        return truncated(x * s, (h - y) * s);
    case DeviceAxes::none: break;
    }
    return {0, 0};
}

} // namespace

const DeviceDriver &currentDriver(const GlobalRecord &rec) {
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    return rec.core.drawingStopped ? driverWithoutMarks(family) : deviceDriver(family);
}

DevicePoint toDevice(const GlobalRecord &rec, float x, float y) {
    return toDeviceAxes(rec, deviceFacts(rec.core.idevice).axes, x, y);
}

void toDevicePixels(const GlobalRecord &rec, const float x[], const float y[], int n, int px[],
                    int py[]) {
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = toDevice(rec, x[i] + dx, y[i] + dy);
        px[i] = truncToInt(p.x);
        py[i] = truncToInt(p.y);
    }
}

void xjdraw(GlobalRecord &rec, float x, float y, int op) {
    // Stopped drawing keeps the pen's moves: the device's pen stays where the
    // record has it.
    if (rec.core.drawingStopped && (op == kPenDraw || op == kPenCloseFill)) return;
    rec.core.nvector += 1;
    const DeviceFacts &facts = deviceFacts(rec.core.idevice);
    const DeviceDriver &driver = deviceDriver(facts.family);
    if (driver.penValues && op != kPenDraw && op != kPenMove) {
        // Widths, joins, caps and miter limits come divided by the device
        // scale and leave here in device units, untruncated.
        const float v = x * rec.page.xdevscl;
        driver.pen(rec, {v, v}, op);
        return;
    }
    driver.pen(rec, toDeviceAxes(rec, facts.axes, x, y), op);
}

int qqgidx(const GlobalRecord &rec, int r, int g, int b) {
    const int kind = rec.colour.ivltid;
    const int n =
        kind == int(ColourTableKind::Smal) ? 9 : (kind == int(ColourTableKind::Vga) ? 16 : 256);
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < n; ++i) {
        const int entry = rec.colour.nrgbtab[i];
        const int d = std::abs(r - tableRed(entry)) + std::abs(g - tableGreen(entry)) +
                      std::abs(b - tableBlue(entry));
        if (d == 0) return i;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void colourComponents(const GlobalRecord &rec, int colour, int &r, int &g, int &b) {
    if (isExplicitColour(colour)) {
        r = rgbRed(colour);
        g = rgbGreen(colour);
        b = rgbBlue(colour);
        return;
    }
    const int entry = rec.colour.nrgbtab[colourNumber(colour)];
    r = tableRed(entry);
    g = tableGreen(entry);
    b = tableBlue(entry);
}

DeviceColour deviceColour(const GlobalRecord &rec, int colour) {
    DeviceColour c{colourNumber(colour), 0, 0, 0};
    if (isExplicitColour(colour)) {
        colourComponents(rec, colour, c.r, c.g, c.b);
        if (rec.page.nbitpix <= 8) c.index = qqgidx(rec, c.r, c.g, c.b);
    } else if (rec.page.nbitpix > 8) {
        colourComponents(rec, c.index, c.r, c.g, c.b);
    }
    return c;
}

void qqsclr(GlobalRecord &rec, int colour) {
    if (rec.line.istroke == 0) qqstrk(rec);
    rec.colour.ncolor = colour;
    currentDriver(rec).colour(rec, colour);
}

void colourBox(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour) {
    const int previous = rec.colour.ncolor;
    dbox(rec, x1, y1, x2, y2, colour);
    qqsclr(rec, previous);
}

namespace {

// The devices that cannot fill a box get horizontal lines about 0.14 mm
// apart; the step is at least one plot unit, so that large units still advance.
void fillBoxWithLines(GlobalRecord &rec, int left, int top, int right, int bottom, int colour) {
    qqsclr(rec, colour);
    const float step = 1.4f / rec.page.xunits;
    for (int y = top; y <= bottom;) {
        qqmove(rec, float(left), float(y));
        qqdraw(rec, float(right), float(y));
        const int next = truncToInt(float(y) + step);
        y = next > y ? next : y + 1;
    }
    qqmove(rec, float(left), float(bottom));
    qqdraw(rec, float(right), float(bottom));
    qqstrk(rec);
}

} // namespace

void dbox(GlobalRecord &rec, int x1, int y1, int x2, int y2, int colour) {
    const int *w = rec.clip.nclpwin;
    const int nx = rec.page.nxorg, ny = rec.page.nyorg;
    const int left = std::max(pageSum(std::min(x1, x2), nx), w[0]);
    const int right = std::min(pageSum(std::max(x1, x2), nx), w[2]);
    const int top = std::max(pageSum(std::min(y1, y2), ny), w[1]);
    const int bottom = std::min(pageSum(std::max(y1, y2), ny), w[3]);
    if (left > right || top > bottom) return;
    // On the 3-D plane the box is no rectangle of the page: the lines of its
    // part on the 2-D page are carried onto the plane and clipped there by the
    // line pipeline. A box far beyond the page draws no more lines than the
    // page holds.
    if (rec.view3d.ipln3d == 1) {
        fillBoxWithLines(rec, left, top, right, bottom, colour);
        return;
    }

    const DevicePoint a = toDevice(rec, float(left), float(top));
    const DevicePoint c = toDevice(rec, float(right), float(bottom));
    const int dx = truncToInt(std::min(a.x, c.x)), dy = truncToInt(std::min(a.y, c.y));
    const int dw = truncToInt(std::max(a.x, c.x)) - dx, dh = truncToInt(std::max(a.y, c.y)) - dy;
    const DeviceBox box{left, top, right, bottom, dx, dy, dw, dh};
    if (!currentDriver(rec).box(rec, box, colour))
        fillBoxWithLines(rec, left, top, right, bottom, colour);
}

void xjpoly(GlobalRecord &rec, const float x[], const float y[], int n) {
    currentDriver(rec).fillPolygon(rec, x, y, n);
}

void shwvlt(GlobalRecord &rec) {
    currentDriver(rec).palette(rec);
}
