// surfce: the mesh of a function given on a grid of user values, or a bar
// per grid point in the curve mode BARS. The cells are taken from the corner
// nearest to the viewer, row by row, and each adds its two edges that face
// away from the viewer, so that nearer lines hide the farther ones.
#include "graphics2d/curves.h"
#include "graphics3d/box_level.h"
#include "graphics3d/mesh_bars.h"
#include "graphics3d/mesh_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Whether the walk over data running from first to last starts at first:
// when the eye looks from the side of first. Data that run against the axis
// turn the answer round; an eye straight above, or data with first = last,
// give the walk from last.
bool walkFromFirst(float first, float last, float axisStart, float axisEnd, float eye) {
    const float data = first - last, axis = axisStart - axisEnd;
    const bool sameWay = (data > 0.0f && axis > 0.0f) || (data < 0.0f && axis < 0.0f);
    const bool against = (data > 0.0f && axis < 0.0f) || (data < 0.0f && axis > 0.0f);
    return (eye < 0.0f && sameWay) || (eye > 0.0f && against);
}

// The grid and its values; z(i, j) with 0-based indices.
struct Grid {
    const float *x;
    const float *y;
    const float *zmat;
    int ny;
    float z(int i, int j) const { return zmat[i * ny + j]; }
};

void moveTo(GlobalRecord &rec, const Grid &g, int i, int j) {
    meshMove(rec, g.x[i], g.y[j], g.z(i, j));
}
void drawTo(GlobalRecord &rec, const Grid &g, int i, int j) {
    meshDraw(rec, g.x[i], g.y[j], g.z(i, j));
}

// The line of constant y through all x of the walk.
void lineAlongX(GlobalRecord &rec, const Grid &g, const IndexWalk &wx, int j) {
    moveTo(rec, g, wx.first, j);
    for (int n = 1; n < wx.count(); ++n)
        drawTo(rec, g, wx.at(n), j);
}

void lineAlongY(GlobalRecord &rec, const Grid &g, int i, const IndexWalk &wy) {
    moveTo(rec, g, i, wy.first);
    for (int n = 1; n < wy.count(); ++n)
        drawTo(rec, g, i, wy.at(n));
}

// Both families: the two front edges, then per cell its two back edges.
void drawCells(GlobalRecord &rec, const Grid &g, const IndexWalk &wx, const IndexWalk &wy) {
    lineAlongX(rec, g, wx, wy.first);
    lineAlongY(rec, g, wx.first, wy);
    for (int m = 1; m < wy.count(); ++m) {
        const int j = wy.at(m), jprev = wy.at(m - 1);
        for (int n = 1; n < wx.count(); ++n) {
            const int i = wx.at(n), iprev = wx.at(n - 1);
            moveTo(rec, g, i, jprev);
            drawTo(rec, g, i, j);
            drawTo(rec, g, iprev, j);
        }
    }
}

} // namespace

extern "C" void surfce(const float *xray, int ixdim, const float *yray, int iydim,
                       const float *zmat) {
    GlobalRecord *recp = jqqbox("surfce");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (ixdim <= 1 || iydim <= 1 || ixdim > kMaxGridPoints / iydim || xray == nullptr ||
        yray == nullptr || zmat == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }
    // Logarithms of non-positive values have no place in the box.
    if (jqqlgx(rec, xray, ixdim, 1) != 0 || jqqlgx(rec, yray, iydim, 2) != 0 ||
        jqqlgx(rec, zmat, ixdim * iydim, 3) != 0)
        return;

    const Projection3DState &v = rec.view3d;
    const IndexWalk wx = indexWalk(ixdim, walkFromFirst(xray[0], xray[ixdim - 1], v.xgrf3d[0][0],
                                                        v.xgrf3d[0][1], v.xview3d[0]));
    const IndexWalk wy = indexWalk(iydim, walkFromFirst(yray[0], yray[iydim - 1], v.xgrf3d[1][0],
                                                        v.xgrf3d[1][1], v.xview3d[1]));
    const Grid g{xray, yray, zmat, iydim};

    beginMesh(rec);
    restartHorizons(rec);
    if (rec.curve.ipolcrv == int(CurveMode::bars)) {
        drawBars(rec, xray, yray, zmat, iydim, wx, wy);
    } else {
        switch (rec.surface.isuropt) {
        case 1:
            for (int m = 0; m < wy.count(); ++m)
                lineAlongX(rec, g, wx, wy.at(m));
            break;
        case 2:
            for (int n = 0; n < wx.count(); ++n)
                lineAlongY(rec, g, wx.at(n), wy);
            break;
        default: drawCells(rec, g, wx, wy); break;
        }
    }
    endMesh(rec);
}
