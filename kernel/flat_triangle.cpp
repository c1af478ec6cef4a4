// Flat triangles: qqftri and the public trifll.
#include "kernel/flat_triangle.h"

#include "devices/decimal_text.h"
#include "devices/memory_raster.h"
#include "devices/pdf_writer.h"
#include "devices/screen_driver.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

// The corners with the origin shift added, as the line pipeline and the
// polygon fill add it: the device fills and the outline then coincide.
struct ShiftedCorners {
    float x[3], y[3];
};

ShiftedCorners shifted(const GlobalRecord &rec, const float x[3], const float y[3]) {
    ShiftedCorners c{};
    for (int i = 0; i < 3; ++i) {
        c.x[i] = x[i] + float(rec.page.nxorg);
        c.y[i] = y[i] + float(rec.page.nyorg);
    }
    return c;
}

// Every corner inside the clip window, its edges included.
bool cornersInside(const GlobalRecord &rec, const ShiftedCorners &c) {
    const int *w = rec.clip.nclpwin;
    for (int i = 0; i < 3; ++i)
        if (c.x[i] < float(w[0]) || c.x[i] > float(w[2]) || c.y[i] < float(w[1]) ||
            c.y[i] > float(w[3]))
            return false;
    return true;
}

void fillOnRaster(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    const ShiftedCorners c = shifted(rec, x, y);
    int px[3], py[3];
    for (int i = 0; i < 3; ++i) {
        const DevicePoint p = toDevice(rec, c.x[i], c.y[i]);
        px[i] = int(p.x);
        py[i] = int(p.y);
    }
    qqsclr(rec, colour);
    arealx(rec, x, y, 3);
    if (deviceFamily(rec.core.idevice) == DeviceFamily::Screen)
        qqwftr(rec, px, py, &colour);
    else
        qqvftr(rec, px, py, &colour);
}

// Only the fill colour is set: the callers send their colour in force again
// when they end. The path takes the origin shift itself.
void fillOnPdf(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    int r = 0, g = 0, b = 0;
    colourComponents(rec, colour, r, g, b);
    qqstrk(rec);
    qqpdf3(rec, r, g, b, 1);
    fillPolygonPdf(rec, x, y, 3);
}

// "%5d %5d %5d %5d %5d %5d tri ": the corners in device units.
void fillOnPostScript(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    qqsclr(rec, colour);
    qqstrk(rec);
    char text[6 * (kNumberTextRoom + 1) + 8];
    char *p = text;
    const ShiftedCorners c = shifted(rec, x, y);
    for (int i = 0; i < 3; ++i) {
        const DevicePoint d = toDevice(rec, c.x[i], c.y[i]);
        for (const float v : {d.x, d.y}) {
            p = putIntWidth(p, int(v), 5);
            *p++ = ' ';
        }
    }
    p = putText(p, "tri ");
    qpsbuf(rec, text, int(p - text));
}

void fillAsPolygon(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    qqsclr(rec, colour);
    arealx(rec, x, y, 3);
    dareaf(rec, x, y, 3);
}

} // namespace

void qqftri(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    const DeviceFamily family = deviceFamily(rec.core.idevice);
    // On the 3-D plane the corners must first be carried onto the plane,
    // which only the general fill's lines are.
    const bool inside = rec.view3d.ipln3d != 1 && cornersInside(rec, shifted(rec, x, y));
    if ((family == DeviceFamily::Raster || family == DeviceFamily::Screen) && inside)
        fillOnRaster(rec, x, y, colour);
    else if (family == DeviceFamily::Pdf && inside)
        fillOnPdf(rec, x, y, colour);
    else if (family == DeviceFamily::PostScript && inside)
        fillOnPostScript(rec, x, y, colour);
    else
        fillAsPolygon(rec, x, y, colour);
}

extern "C" void trifll(const float *x, const float *y) {
    GlobalRecord *recp = jqqlev(1, 3, "trifll");
    if (recp == nullptr || x == nullptr || y == nullptr) return;
    GlobalRecord &rec = *recp;
    float ty[3];
    for (int i = 0; i < 3; ++i)
        ty[i] = rec.page.ipagorg == 1 ? float(rec.page.nypage) - y[i] : y[i];
    const int pattern = rec.fill.nshdpat;
    if (pattern != kSolidPattern) selectPattern(rec, kSolidPattern);
    qqftri(rec, x, ty, rec.colour.ncolor);
    if (pattern != kSolidPattern) selectPattern(rec, pattern);
}
