// The frame of the mesh surfaces. While a surface is drawn with hidden lines
// the line pipeline hands every segment to the floating horizon, which draws
// only the parts above or below all that was drawn before; the surfaces draw
// from the grid lines nearest to the viewer to the farthest.
#include "graphics3d/mesh_surface.h"

#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics3d/lines3d.h"
#include "graphics3d/projection.h"
#include "kernel/dispatch.h"
#include "kernel/floating_horizon.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void beginMesh(GlobalRecord &rec) {
    // Lines drawn before the surface are not the surface's to hide.
    qqstrk(rec);
    sclpax(rec, 0);
    HorizonState &h = rec.horizon;
    h.isurside = 0;
    h.nsurcur = rec.colour.ncolor;
    if (rec.surface.inohide == 0) h.ihidsur = 1;
    h.ihormod = 1;
}

void endMesh(GlobalRecord &rec) {
    // sclpax leaves the pending line alone while the clip border is the axis
    // system, and it must still pass the horizon.
    qqstrk(rec);
    sclpax(rec, 1);
    HorizonState &h = rec.horizon;
    h.ihormod = 0;
    if (rec.shield.ishlsur == 0) h.ihidsur = 0;
    if (h.isurclr == 1) qqsclr(rec, h.nsurcur);
}

void restartHorizons(GlobalRecord &rec) {
    qqstrk(rec);
    dhline(rec, 0.0f, 0.0f, kHorizonStart);
}

void setHorizonMode(GlobalRecord &rec, int mode) {
    qqstrk(rec);
    rec.horizon.ihormod = mode;
}

void meshMove(GlobalRecord &rec, float x, float y, float z) {
    float bx, by, bz;
    qqpos3(rec, x, y, z, bx, by, bz);
    qqst3d(rec, bx, by, bz);
}

void meshDraw(GlobalRecord &rec, float x, float y, float z) {
    float bx, by, bz;
    qqpos3(rec, x, y, z, bx, by, bz);
    qqcn3d(rec, bx, by, bz);
}

void meshExtent(const GlobalRecord &rec, float extent[4]) {
    const SurfaceState &s = rec.surface;
    const float(&g)[3][4] = rec.view3d.xgrf3d;
    if (s.isursze == 1) {
        for (int i = 0; i < 4; ++i)
            extent[i] = s.xsursze[i];
    } else {
        extent[0] = g[0][0];
        extent[1] = g[0][1];
        extent[2] = g[1][0];
        extent[3] = g[1][1];
    }
    for (int axis = 0; axis < 2; ++axis) {
        if (rec.axes.ilogax[axis] != 1) continue;
        extent[2 * axis] = std::pow(10.0f, extent[2 * axis]);
        extent[2 * axis + 1] = std::pow(10.0f, extent[2 * axis + 1]);
    }
}

IndexWalk indexWalk(int n, bool ascending) {
    IndexWalk w;
    if (ascending) {
        w.first = 0;
        w.last = n - 1;
        w.step = 1;
    } else {
        w.first = n - 1;
        w.last = 0;
        w.step = -1;
    }
    return w;
}
