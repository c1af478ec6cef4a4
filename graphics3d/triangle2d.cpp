// qqtr2d and qqdtri: Gouraud triangles of page points without depth, for
// the colour plots of triangulations inside image mode.
#include <cmath>

#include "devices/driver_record.h"
#include "graphics3d/depth_raster.h"
#include "graphics3d/zbuffer.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Corners beyond this are no picture's: such a triangle is dropped rather
// than walked row by row.
constexpr int kFarPixel = 10000000;

// An edge's column and colour on the current row and their change per row.
struct Edge {
    double x = 0.0;
    double c[3] = {0.0, 0.0, 0.0};
    double dx = 0.0;
    double dc[3] = {0.0, 0.0, 0.0};

    void advance() {
        x += dx;
        for (int k = 0; k < 3; ++k)
            c[k] += dc[k];
    }
};

struct Corner {
    int x = 0, y = 0;
    double c[3] = {0.0, 0.0, 0.0};
};

// The edge from a to b over rows rows, at a.
Edge edgeFrom(const Corner &a, const Corner &b, int rows) {
    Edge e;
    e.x = a.x;
    e.dx = static_cast<double>(b.x - a.x) / rows;
    for (int k = 0; k < 3; ++k) {
        e.c[k] = a.c[k];
        e.dc[k] = (b.c[k] - a.c[k]) / rows;
    }
    return e;
}

// One row between two edge points, the smaller column first.
void span(DepthRaster &raster, int row, double xa, const double ca[3], double xb,
          const double cb[3]) {
    const int ia = truncToInt(xa + 0.5), ib = truncToInt(xb + 0.5);
    if (ia <= ib)
        qqvhln2(raster, row, ia, ib, ca, cb);
    else
        qqvhln2(raster, row, ib, ia, cb, ca);
}

void span(DepthRaster &raster, int row, const Edge &a, const Edge &b) {
    span(raster, row, a.x, a.c, b.x, b.c);
}

} // namespace

void qqdtri(GlobalRecord &rec, const int ix[3], const int iy[3], const int colours[3],
            [[maybe_unused]] int target) {
    auto far = [](int v) { return v > kFarPixel || v < -kFarPixel; };
    for (int i = 0; i < 3; ++i)
        if (far(ix[i]) || far(iy[i])) return;
    DepthRaster raster;
    if (!rasterWithoutDepths(rec, raster)) return;

    int order[3];
    qqtri1(iy, order);
    Corner p[3];
    for (int i = 0; i < 3; ++i) {
        p[i].x = ix[order[i]];
        p[i].y = iy[order[i]];
        qqrgbf(*raster.driver, colours[order[i]], p[i].c);
    }
    const Corner &p1 = p[0], &p2 = p[1], &p3 = p[2];

    if (p1.y == p3.y) {
        const int xs[3] = {p1.x, p2.x, p3.x};
        int byX[3];
        qqtri1(xs, byX);
        const Corner &l = p[byX[0]], &m = p[byX[1]], &r = p[byX[2]];
        span(raster, p1.y, l.x, l.c, m.x, m.c);
        span(raster, p1.y, m.x, m.c, r.x, r.c);
        return;
    }
    if (p1.y == p2.y) {
        const int rows = p3.y - p2.y;
        Edge a = edgeFrom(p2, p3, rows), b = edgeFrom(p1, p3, rows);
        for (int row = p2.y; row <= p3.y; ++row) {
            span(raster, row, a, b);
            a.advance();
            b.advance();
        }
        return;
    }
    Edge shortEdge = edgeFrom(p1, p2, p2.y - p1.y);
    Edge longEdge = edgeFrom(p1, p3, p3.y - p1.y);
    for (int row = p1.y; row <= p2.y; ++row) {
        span(raster, row, shortEdge, longEdge);
        shortEdge.advance();
        longEdge.advance();
    }
    if (p3.y == p2.y) return;
    // The lower edge starts one row below the middle corner.
    shortEdge = edgeFrom(p2, p3, p3.y - p2.y);
    shortEdge.advance();
    for (int row = p2.y + 1; row <= p3.y; ++row) {
        span(raster, row, shortEdge, longEdge);
        shortEdge.advance();
        longEdge.advance();
    }
}

void qqtr2d(GlobalRecord &rec, const float x[3], const float y[3], const int colours[3]) {
    int ix[3], iy[3];
    for (int i = 0; i < 3; ++i) {
        float column = 0.0f, row = 0.0f;
        pagePixel(rec, x[i], y[i], column, row);
        // A corner far off every picture drops the triangle.
        const float far = static_cast<float>(kFarPixel);
        if (!(std::fabs(column) < far) || !(std::fabs(row) < far)) return;
        ix[i] = truncToInt(column + 0.5f);
        iy[i] = truncToInt(row + 0.5f);
    }
    qqdtri(rec, ix, iy, colours, rec.core.idevice);
}
