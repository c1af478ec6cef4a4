// surmat: the mesh of a matrix spread evenly over the axis range (or the
// extent of sursze). A positive count per direction draws that many lines per
// grid cell, the grid line and lines interpolated between; a negative count
// -k keeps only every k-th grid line; 0 leaves that family out.
//
// With hidden lines and both families, the cells are walked from the viewer:
// each line of constant x is followed by the cross pieces to the next one, so
// that the horizon always holds what lies nearer. Otherwise the families are
// drawn one after the other, each against horizons of its own.
#include <algorithm>
#include <cstdint>

#include "graphics2d/curves.h"
#include "graphics3d/box_level.h"
#include "graphics3d/mesh_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// One direction of the matrix: its walk (cut to every k-th index for a
// negative count), the lines per step and the grid positions.
struct Direction {
    IndexWalk walk;
    int lines = 0;      // lines per grid step, the grid line included
    float start = 0.0f; // grid position of index 0
    float delta = 0.0f; // distance of neighbouring indices
    float sub = 0.0f;   // offset of a sub-line per walk step

    float position(int index) const { return start + float(index) * delta; }
};

// Lines are bounded by the page: more of them across the matrix than the page
// has plot units cannot be told apart, so no more are drawn (warning 101).
Direction direction(const GlobalRecord &rec, int dim, int count, float a, float e, bool ascending) {
    Direction d;
    d.walk = indexWalk(dim, ascending);
    d.lines = count;
    const int page = std::max(rec.page.nxpage, rec.page.nypage);
    if (count > 0 && !marksFit(std::int64_t(dim - 1) * count, page)) {
        warnNotSeen("Mesh lines closer than a plot unit");
        d.lines = std::max(1, page / (dim - 1));
    }
    if (count < 0) {
        // A k of dim or more keeps the first index alone, as dim does.
        const int k = count < -dim ? dim : -count;
        const int lastKept = k * ((dim - 1) / k);
        d.walk.step *= k;
        if (ascending)
            d.walk.last = lastKept;
        else
            d.walk.first = lastKept;
        d.lines = 1;
    }
    d.start = a;
    d.delta = (e - a) / float(dim - 1);
    if (d.lines > 0) d.sub = float(d.walk.step) * d.delta / float(d.lines);
    return d;
}

struct Matrix {
    const float *z;
    int ny;
    float at(int i, int j) const { return z[i * ny + j]; }
};

float mix(float a, float b, float u) {
    return (1.0f - u) * a + u * b;
}

// Lines of constant x: per x step its sub-lines, each along the grid y
// values, and last the line at the end of the walk.
void linesOfConstantX(GlobalRecord &rec, const Matrix &m, const Direction &dx,
                      const Direction &dy) {
    const IndexWalk &wx = dx.walk, &wy = dy.walk;
    auto line = [&](float x, int i, int inext, float u) {
        meshMove(rec, x, dy.position(wy.first), mix(m.at(i, wy.first), m.at(inext, wy.first), u));
        for (int n = 1; n < wy.count(); ++n) {
            const int j = wy.at(n);
            meshDraw(rec, x, dy.position(j), mix(m.at(i, j), m.at(inext, j), u));
        }
    };
    for (int s = 0; s + 1 < wx.count(); ++s) {
        const int i = wx.at(s), inext = wx.at(s + 1);
        for (int k = 0; k < dx.lines; ++k)
            line(dx.position(i) + float(k) * dx.sub, i, inext, float(k) / float(dx.lines));
    }
    line(dx.position(wx.last), wx.last, wx.last, 0.0f);
}

// The same with x and y exchanged.
void linesOfConstantY(GlobalRecord &rec, const Matrix &m, const Direction &dx,
                      const Direction &dy) {
    const IndexWalk &wx = dx.walk, &wy = dy.walk;
    auto line = [&](float y, int j, int jnext, float u) {
        meshMove(rec, dx.position(wx.first), y, mix(m.at(wx.first, j), m.at(wx.first, jnext), u));
        for (int n = 1; n < wx.count(); ++n) {
            const int i = wx.at(n);
            meshDraw(rec, dx.position(i), y, mix(m.at(i, j), m.at(i, jnext), u));
        }
    };
    for (int s = 0; s + 1 < wy.count(); ++s) {
        const int j = wy.at(s), jnext = wy.at(s + 1);
        for (int k = 0; k < dy.lines; ++k)
            line(dy.position(j) + float(k) * dy.sub, j, jnext, float(k) / float(dy.lines));
    }
    line(dy.position(wy.last), wy.last, wy.last, 0.0f);
}

// The bilinear value at (s, t) of the cell from (i, j) to (inext, jnext).
float bilinear(const Matrix &m, int i, int inext, int j, int jnext, float s, float t) {
    return (1.0f - s) * (1.0f - t) * m.at(i, j) + (1.0f - s) * t * m.at(i, jnext) +
           s * (1.0f - t) * m.at(inext, j) + s * t * m.at(inext, jnext);
}

void cellWalk(GlobalRecord &rec, const Matrix &m, const Direction &dx, const Direction &dy) {
    const IndexWalk &wx = dx.walk, &wy = dy.walk;
    const float P = float(dx.lines), Q = float(dy.lines);
    const int jend = wy.last;
    for (int s = 0; s + 1 < wx.count(); ++s) {
        const int i = wx.at(s), inext = wx.at(s + 1);
        for (int k = 1; k <= dx.lines; ++k) {
            const float u = float(k - 1) / P, w = float(k) / P;
            const float x = dx.position(i) + float(k - 1) * dx.sub;
            const float xn = dx.position(i) + float(k) * dx.sub;
            // The line of constant x.
            meshMove(rec, x, dy.position(wy.first),
                     mix(m.at(i, wy.first), m.at(inext, wy.first), u));
            for (int t = 0; t + 1 < wy.count(); ++t) {
                const int j = wy.at(t), jnext = wy.at(t + 1);
                for (int q = 1; q <= dy.lines; ++q)
                    meshDraw(rec, x, dy.position(j) + float(q) * dy.sub,
                             bilinear(m, i, inext, j, jnext, u, float(q) / Q));
            }
            // The cross pieces to the next line of constant x.
            for (int t = 0; t + 1 < wy.count(); ++t) {
                const int j = wy.at(t), jnext = wy.at(t + 1);
                for (int q = 0; q < dy.lines; ++q) {
                    const float y = dy.position(j) + float(q) * dy.sub;
                    meshMove(rec, x, y, bilinear(m, i, inext, j, jnext, u, float(q) / Q));
                    meshDraw(rec, xn, y, bilinear(m, i, inext, j, jnext, w, float(q) / Q));
                }
            }
            meshMove(rec, x, dy.position(jend), mix(m.at(i, jend), m.at(inext, jend), u));
            meshDraw(rec, xn, dy.position(jend), mix(m.at(i, jend), m.at(inext, jend), w));
        }
    }
    const int iend = wx.last;
    const float xend = dx.position(iend);
    meshMove(rec, xend, dy.position(wy.first), m.at(iend, wy.first));
    for (int t = 0; t + 1 < wy.count(); ++t) {
        const int j = wy.at(t), jnext = wy.at(t + 1);
        for (int q = 1; q <= dy.lines; ++q)
            meshDraw(rec, xend, dy.position(j) + float(q) * dy.sub,
                     mix(m.at(iend, j), m.at(iend, jnext), float(q) / Q));
    }
}

} // namespace

extern "C" void surmat(const float *zmat, int ixdim, int iydim, int ixpts, int iypts) {
    GlobalRecord *recp = jqqbox("surmat");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (ixdim <= 1 || iydim <= 1 || ixdim > kMaxGridPoints / iydim || zmat == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }
    if (ixpts == 0 && iypts == 0) return;
    if (jqqlgx(rec, zmat, ixdim * iydim, 3) != 0) return;

    float extent[4];
    meshExtent(rec, extent);
    const float *eye = rec.view3d.xview3d;
    const Direction dx = direction(rec, ixdim, ixpts, extent[0], extent[1], eye[0] < 0.0f);
    const Direction dy = direction(rec, iydim, iypts, extent[2], extent[3], eye[1] < 0.0f);
    const Matrix m{zmat, iydim};

    beginMesh(rec);
    if (dx.lines > 0 && dy.lines > 0 && rec.horizon.ihidsur == 1) {
        restartHorizons(rec);
        cellWalk(rec, m, dx, dy);
    } else {
        if (dx.lines > 0) {
            restartHorizons(rec);
            linesOfConstantX(rec, m, dx, dy);
        }
        if (dy.lines > 0) {
            restartHorizons(rec);
            linesOfConstantY(rec, m, dx, dy);
        }
    }
    endMesh(rec);
}
