// crvmat: a matrix of values spread over the axis system of graf3 (or the
// extent of sursze), each grid cell covered by ixpts x iypts boxes whose
// values are interpolated bilinearly between the cell's corners.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "graphics2d/transforms.h"
#include "graphics3d/colour_plots.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// Points along one axis of the automatic size: (cells - 1) * per + 1, kept
// within an int (a larger count gives the smallest box all the same).
int pointsAlong(int cells, int per) {
    const long long points = (long long)(cells - 1) * per + 1;
    return points > INT_MAX ? INT_MAX : int(points);
}

// With autres the boxes are sized so that the matrix's boxes cover the axis
// lengths, or the part of the axis system that the extent of sursze takes.
void automaticBoxSize(GlobalRecord &rec, const float extent[4], int ixpts, int iypts) {
    AxisSystemState &s = rec.axsys;
    int width = s.naxslen[0], height = s.naxslen[1];
    if (rec.surface.isursze == 1) {
        float xa = 0, ya = 0, xe = 0, ye = 0;
        qqrel2(rec, extent[0], extent[2], xa, ya);
        qqrel2(rec, extent[1], extent[3], xe, ye);
        width = truncToInt(std::fabs(xa - xe) + 1.5f);
        height = truncToInt(std::fabs(ya - ye) + 1.5f);
    }
    gautrs(rec, s.nsetres[0], s.nsetres[1], pointsAlong(s.nautres[0], ixpts),
           pointsAlong(s.nautres[1], iypts), width, height);
}

// The matrix with the value of (i, j) at i * ny + j.
struct Matrix {
    const float *z;
    int nx, ny;
    float at(int i, int j) const { return z[std::size_t(i) * std::size_t(ny) + std::size_t(j)]; }
};

void drawBoxes(GlobalRecord &rec, const Matrix &m, const float extent[4], int ixpts, int iypts) {
    const float xa = extent[0], xe = extent[1], ya = extent[2], ye = extent[3];
    const float dx = (xe - xa) / float(m.nx - 1), dy = (ye - ya) / float(m.ny - 1);
    const int w = rec.axsys.nsetres[0], h = rec.axsys.nsetres[1];
    for (int i = 0; i < m.nx - 1; ++i) {
        for (int k = 0; k < ixpts; ++k) {
            const float u = float(k) / float(ixpts);
            const float x = xa + float(i) * dx + float(k) * dx / float(ixpts);
            for (int j = 0; j < m.ny - 1; ++j) {
                const float z00 = m.at(i, j), z01 = m.at(i, j + 1);
                const float z10 = m.at(i + 1, j), z11 = m.at(i + 1, j + 1);
                for (int l = 0; l < iypts; ++l) {
                    const float v = float(l) / float(iypts);
                    const float y = ya + float(j) * dy + float(l) * dy / float(iypts);
                    const float z = (1 - u) * (1 - v) * z00 + (1 - u) * v * z01 +
                                    u * (1 - v) * z10 + u * v * z11;
                    rpoint(rec, x, y, z, w, h);
                }
            }
            // The top row of the column.
            const float z = (1 - u) * m.at(i, m.ny - 1) + u * m.at(i + 1, m.ny - 1);
            rpoint(rec, x, ye, z, w, h);
        }
    }
    // The last column, and its top corner.
    for (int j = 0; j < m.ny - 1; ++j) {
        for (int l = 0; l < iypts; ++l) {
            const float v = float(l) / float(iypts);
            const float y = ya + float(j) * dy + float(l) * dy / float(iypts);
            const float z = (1 - v) * m.at(m.nx - 1, j) + v * m.at(m.nx - 1, j + 1);
            rpoint(rec, xe, y, z, w, h);
        }
    }
    rpoint(rec, xe, ye, m.at(m.nx - 1, m.ny - 1), w, h);
}

// One symbol per grid point, not tested against the scaling.
void drawSymbols(GlobalRecord &rec, const Matrix &m, const float extent[4]) {
    const float xa = extent[0], ya = extent[2];
    const float dx = (extent[1] - xa) / float(m.nx - 1), dy = (extent[3] - ya) / float(m.ny - 1);
    for (int i = 0; i < m.nx; ++i) {
        for (int j = 0; j < m.ny; ++j) {
            qqsclr(rec, jqqclr(rec, m.at(i, j)));
            float xp = 0, yp = 0;
            qqrel2(rec, xa + float(i) * dx, ya + float(j) * dy, xp, yp);
            dsymbl(rec, rec.curve.nmarker, roundAddHalf(xp), roundAddHalf(yp));
        }
    }
}

// Boxes per cell along one axis of dim grid points: more boxes across the
// matrix than the page has plot units cannot be told apart, so no more are
// drawn than it has (warning 101).
int visibleBoxes(const GlobalRecord &rec, int dim, int per) {
    const int page = std::max(rec.page.nxpage, rec.page.nypage);
    if (marksFit(std::int64_t(dim - 1) * per, page)) return per;
    warnNotSeen("Boxes smaller than a plot unit");
    return std::max(1, page / (dim - 1));
}

} // namespace

extern "C" void crvmat(const float *zmat, int ixdim, int iydim, int ixpts, int iypts) {
    GlobalRecord *recp = openColourPlot("crvmat");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // A grid of at least one cell, and at least one box per cell each way.
    const struct { int value, least; } sizes[4] = {{ixdim, 2}, {iydim, 2}, {ixpts, 1}, {iypts, 1}};
    for (const auto &size : sizes) {
        if (size.value < size.least) {
            warni1(Warning::incorrectParameter, size.value);
            return;
        }
    }
    if (zmat == nullptr) {
        warni1(Warning::incorrectParameter, ixdim);
        return;
    }
    ixpts = visibleBoxes(rec, ixdim, ixpts);
    iypts = visibleBoxes(rec, iydim, iypts);
    float extent[4];
    colourPlotExtent(rec, extent);
    if (rec.axsys.iautres == 1) automaticBoxSize(rec, extent, ixpts, iypts);

    const Matrix m{zmat, ixdim, iydim};
    const int savedColour = rec.colour.ncolor;
    sclpax(rec, 0);
    if (rec.surface.ishdcrv == kCurveSymbols)
        drawSymbols(rec, m, extent);
    else
        drawBoxes(rec, m, extent, ixpts, iypts);
    sclpax(rec, 1);
    // Boxes on PDF set only the fill colour: the colour is sent again.
    qqsclr(rec, savedColour);
}
