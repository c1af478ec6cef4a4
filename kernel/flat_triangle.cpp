// Flat triangles: qqftri and the public trifll.
#include "kernel/flat_triangle.h"

#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/array_arguments.h"
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

void fillAsPolygon(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    qqsclr(rec, colour);
    arealx(rec, x, y, 3);
    dareaf(rec, x, y, 3);
}

} // namespace

void qqftri(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    // On the 3-D plane the corners must first be carried onto the plane,
    // which only the general fill's lines are.
    const bool inside = rec.view3d.ipln3d != 1 && cornersInside(rec, shifted(rec, x, y));
    if (!inside || !currentDriver(rec).triangle(rec, x, y, colour))
        fillAsPolygon(rec, x, y, colour);
}

extern "C" void trifll(const float *x, const float *y) {
    GlobalRecord *recp = jqqlev(1, 3, "trifll");
    if (recp == nullptr || !arraysGiven(x, y)) return;
    GlobalRecord &rec = *recp;
    float ty[3];
    for (int i = 0; i < 3; ++i)
        ty[i] = rec.page.ipagorg == 1 ? float(rec.page.nypage) - y[i] : y[i];
    const int pattern = rec.fill.nshdpat;
    if (pattern != kSolidPattern) selectPattern(rec, kSolidPattern);
    qqftri(rec, x, ty, rec.colour.ncolor);
    if (pattern != kSolidPattern) selectPattern(rec, pattern);
}
