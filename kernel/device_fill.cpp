// Filled polygons on the devices that fill by themselves: the screen, WMF, the
// PostScript family, PDF and SVG; and polygons cut to the clip rectangle so
// that they can.
#include <cstdio>

#include "kernel/area_fill.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/polygon_cut.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

// Every vertex, with the origin shift, inside the clip rectangle (edges included).
bool insideClipWindow(const GlobalRecord &rec, const float x[], const float y[], int n) {
    const int *w = rec.clip.nclpwin;
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    for (int i = 0; i < n; ++i) {
        const float px = x[i] + dx, py = y[i] + dy;
        if (px < float(w[0]) || px > float(w[2]) || py < float(w[1]) || py > float(w[3]))
            return false;
    }
    return true;
}

// The device fills a solid polygon of n points itself, once the polygon lies
// inside the clip rectangle.
bool deviceFills(const GlobalRecord &rec, int n) {
    // On the 3-D plane the polygon must first be carried onto the plane; the
    // scan lines of the software fill are, through the line pipeline.
    if (rec.view3d.ipln3d == 1) return false;
    // Azimuthal maps clip at a circle and the caller's projection may too:
    // their fills are cut by the software path.
    if (rec.axsys.igrftyp == 2 && rec.map.iprojct >= 30) return false;
    // Polygons larger than the device holds are filled in software, so that
    // they are not lost.
    return fillsPolygon(rec.core.idevice, n) && rec.fill.nshdpat == kSolidPattern &&
           rec.shield.nshield == 0;
}

} // namespace

bool fillByDevice(GlobalRecord &rec, const float x[], const float y[], int n) {
    if (!deviceFills(rec, n) || !insideClipWindow(rec, x, y, n)) return false;
    qqstrk(rec);
    xjpoly(rec, x, y, n);
    return true;
}

void fillCutToWindow(GlobalRecord &rec, const float x[], const float y[], int n) {
    // Scan lines are what a circle clips, and what the devices that fill no
    // polygons draw anyway.
    if (rec.clip.iclpcrc == 1 || !deviceFills(rec, kMaxCutPolygon) ||
        insideClipWindow(rec, x, y, n)) {
        dareaf(rec, x, y, n);
        return;
    }
    const int *w = rec.clip.nclpwin;
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    float cx[kMaxCutPolygon], cy[kMaxCutPolygon];
    const int m = cutPolygonToRectangle(x, y, n, float(w[0]) - dx, float(w[1]) - dy,
                                        float(w[2]) - dx, float(w[3]) - dy, cx, cy);
    if (m < 0) {
        dareaf(rec, x, y, n);
        return;
    }
    // Nothing of it inside, or only a line along the edge: nothing to fill.
    if (m < 3) return;
    dareaf(rec, cx, cy, m);
}
