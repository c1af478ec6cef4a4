// The device dispatch of pens, colours and filled boxes.
#include "kernel/dispatch.h"

#include <algorithm>
#include <cstdlib>

#include "devices/cgm.h"
#include "devices/decimal_text.h"
#include "devices/memory_raster.h"
#include "devices/pdf_writer.h"
#include "devices/postscript.h"
#include "devices/screen_driver.h"
#include "devices/svg.h"
#include "devices/text_formats.h"
#include "devices/wmf_writer.h"
#include "kernel/colour_value.h"
#include "kernel/devices.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// "%3d %3d %3d " of the components of a PostScript colour, and the operator.
char *postScriptColour(char *p, int r, int g, int b, const char *op) {
    for (const int c : {r, g, b}) {
        p = putIntWidth(p, c, 3);
        *p++ = ' ';
    }
    return putText(p, op);
}

bool pageIsTurned(const GlobalRecord &rec) {
    return rec.page.ipagmod == 1;
}
bool pageIsWide(const GlobalRecord &rec) {
    return rec.page.nxpage > rec.page.nypage;
}

// Lines into the memory raster run from the last point to the new one.
void rasterPen(GlobalRecord &rec, int x, int y, int op) {
    int *last = rec.out.nlastpx;
    if (op == kPenDraw) qqvlin(rec, last[0], last[1], x, y);
    last[0] = x;
    last[1] = y;
}

DevicePoint rounded(float x, float y) {
    return {float(roundAddHalf(x)), float(roundAddHalf(y))};
}
DevicePoint truncated(float x, float y) {
    return {float(int(x)), float(int(y))};
}

} // namespace

DevicePoint toDevice(const GlobalRecord &rec, float x, float y) {
    const float s = rec.page.xdevscl;
    const float w = float(rec.page.nxpage);
    const float h = float(rec.page.nypage);
    switch (deviceFacts(rec.core.idevice).axes) {
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

void xjdraw(GlobalRecord &rec, float x, float y, int op) {
    rec.core.nvector += 1;
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    if (family == DeviceFamily::Pdf && op != kPenDraw && op != kPenMove) {
        // PDF operations 4..9 carry a value, not a point: widths, joins, caps
        // and miter limits come divided by the device scale and leave here in
        // points, untruncated.
        const float v = x * rec.page.xdevscl;
        qqpdf2(rec, v, v, op);
        return;
    }
    const DevicePoint p = toDevice(rec, x, y);
    switch (family) {
    case DeviceFamily::Gksl: gkslPen(rec, p.x, p.y, op); break;
    case DeviceFamily::Cgm: drwcgm(rec, p.x, p.y, op); break;
    case DeviceFamily::Kyocera: kyoceraPen(rec, int(p.x), int(p.y), op); break;
    case DeviceFamily::Hpgl: hpglPen(rec, int(p.x), int(p.y), op); break;
    case DeviceFamily::PostScript: drwpsc(rec, p.x, p.y, op); break;
    case DeviceFamily::Pdf: qqpdf2(rec, p.x, p.y, op); break;
    case DeviceFamily::Java: javaPen(rec, int(p.x), int(p.y), op); break;
    case DeviceFamily::Raster: rasterPen(rec, int(p.x), int(p.y), op); break;
    case DeviceFamily::Svg: qqsvg2(rec, p.x, p.y, op); break;
    case DeviceFamily::Wmf: qqwmf4(rec, int(p.x), int(p.y), op); break;
    case DeviceFamily::Screen: qqwdrw(rec, int(p.x), int(p.y), op); break;
    default: break; // the other devices have drivers of their own
    }
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

void qqsclr(GlobalRecord &rec, int colour) {
    if (rec.line.istroke == 0) qqstrk(rec);
    rec.colour.ncolor = colour;
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    if (family == DeviceFamily::Raster) {
        qqvclr(rec, colour);
        return;
    }
    if (family == DeviceFamily::Screen) {
        qqwclr(rec, colour);
        return;
    }

    // The index and components the other devices get.
    int index = colourNumber(colour);
    int r = 0, g = 0, b = 0;
    if (isExplicitColour(colour)) {
        colourComponents(rec, colour, r, g, b);
        if (rec.page.nbitpix <= 8) index = qqgidx(rec, r, g, b);
    } else if (rec.page.nbitpix > 8) {
        colourComponents(rec, index, r, g, b);
    }
    switch (family) {
    case DeviceFamily::Gksl: gkslColour(rec, index); break;
    case DeviceFamily::Cgm: cgmLineColour(rec, r, g, b); break;
    case DeviceFamily::Hpgl: hpglColour(rec, index); break;
    case DeviceFamily::PostScript: {
        drwpsc(rec, 0, 0, 9);
        char text[3 * kNumberTextRoom + 8];
        qpsbuf(rec, text, int(postScriptColour(text, r, g, b, "f ") - text)); // f: the colour
        break;
    }
    case DeviceFamily::Pdf:
        qqpdf3(rec, r, g, b, 0);
        qqpdf3(rec, r, g, b, 1);
        break;
    case DeviceFamily::Java: javaColour(rec, r, g, b); break;
    case DeviceFamily::Svg: qqsvg3(rec, r, g, b); break;
    case DeviceFamily::Wmf: qqwmf3(rec, r, g, b); break;
    default: break;
    }
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
        const int next = int(float(y) + step);
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
    // On the 3-D plane the box is no rectangle of the page: its lines are
    // carried onto the plane and clipped there by the line pipeline.
    if (rec.view3d.ipln3d == 1) {
        fillBoxWithLines(rec, std::min(x1, x2) + nx, std::min(y1, y2) + ny, std::max(x1, x2) + nx,
                         std::max(y1, y2) + ny, colour);
        return;
    }
    const int left = std::max(std::min(x1, x2) + nx, w[0]);
    const int right = std::min(std::max(x1, x2) + nx, w[2]);
    const int top = std::max(std::min(y1, y2) + ny, w[1]);
    const int bottom = std::min(std::max(y1, y2) + ny, w[3]);
    if (left > right || top > bottom) return;

    const DevicePoint a = toDevice(rec, float(left), float(top));
    const DevicePoint c = toDevice(rec, float(right), float(bottom));
    const int dx = int(std::min(a.x, c.x)), dy = int(std::min(a.y, c.y));
    const int dw = int(std::max(a.x, c.x)) - dx, dh = int(std::max(a.y, c.y)) - dy;

    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Java:
        qqsclr(rec, colour);
        javaFillRect(rec, dx, dy, dw + 1, dh + 1);
        return;
    case DeviceFamily::Kyocera: kyoceraBox(rec, dx, dy, dw + 1, dh + 1, colour % 10); return;
    case DeviceFamily::PostScript: {
        int r = 0, g = 0, b = 0;
        colourComponents(rec, colour, r, g, b);
        int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
        postScriptPoint(rec, float(left), float(top), px1, py1);
        postScriptPoint(rec, float(right), float(bottom), px2, py2);
        qqstrk(rec); // lines drawn before stay below the box, as on PDF and SVG
        drwpsc(rec, 0, 0, 9);
        // "%5d %5d %5d %5d %3d %3d %3d e ": the corners and the colour.
        char text[7 * kNumberTextRoom + 8];
        char *p = text;
        for (const int v : {px1, py1, px2, py2}) {
            p = putIntWidth(p, v, 5);
            *p++ = ' ';
        }
        p = postScriptColour(p, r, g, b, "e ");
        qpsbuf(rec, text, int(p - text)); // e: a filled rectangle
        return;
    }
    case DeviceFamily::Pdf: {
        int r = 0, g = 0, b = 0;
        colourComponents(rec, colour, r, g, b);
        qqstrk(rec);
        qqpdf3(rec, r, g, b, 1);
        qqpdf4(rec, float(dx), float(dy), float(dw), float(dh));
        return;
    }
    case DeviceFamily::Svg: {
        int r = 0, g = 0, b = 0;
        colourComponents(rec, colour, r, g, b);
        qqstrk(rec);
        qqsvg4(rec, float(dx), float(dy), float(dw + 1), float(dh + 1), r, g, b);
        return;
    }
    case DeviceFamily::Raster:
        qqstrk(rec);
        qqvfll(rec, dx, dy, dx + dw, dy + dh, colour);
        return;
    case DeviceFamily::Wmf: {
        int r = 0, g = 0, b = 0;
        colourComponents(rec, colour, r, g, b);
        qqstrk(rec);
        qqwmf5(rec, dx, dy, dw, dh, r, g, b);
        return;
    }
    case DeviceFamily::Screen:
        qqstrk(rec);
        qqwfll(rec, dx, dy, dw + 1, dh + 1, colour);
        return;
    default: break;
    }
    fillBoxWithLines(rec, left, top, right, bottom, colour);
}

void xjpoly(GlobalRecord &rec, const float x[], const float y[], int n) {
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    if (family != DeviceFamily::Wmf && family != DeviceFamily::Screen) return;
    auto polygon = family == DeviceFamily::Wmf ? qqwmf6 : qqwpol;
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    polygon(rec, n, 0, 1);
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = toDevice(rec, x[i] + dx, y[i] + dy);
        polygon(rec, int(p.x), int(p.y), 2);
    }
    polygon(rec, 0, 0, 9);
}

void shwvlt(GlobalRecord &rec) {
    // Only the memory raster (of the raster devices, and of image mode on
    // PostScript and PDF) keeps a palette; the file formats have none.
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    if (family == DeviceFamily::Screen) {
        qqwvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab);
        return;
    }
    if ((family == DeviceFamily::PostScript || family == DeviceFamily::Pdf ||
         family == DeviceFamily::Raster) &&
        qqvptr(rec) != nullptr)
        qqvvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab);
}
