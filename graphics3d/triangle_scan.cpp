// qqztri: scan conversion of a depth-tested Gouraud triangle with float
// pixel corners; qqtri1 and qqtri2, which order the corners.
#include <cmath>

#include "devices/driver_record.h"
#include "graphics3d/depth_raster.h"
#include "graphics3d/zbuffer.h"
#include "kernel/rounding.h"

namespace {

// Rows closer than this count as one.
constexpr double kSameRow = 0.1;

// Pixel coordinates beyond this are no picture's: such a triangle is
// dropped rather than converted to rows and columns.
constexpr double kFarPixel = 1.0e7;

// The values that travel with a triangle's corner or an edge's current point.
struct Shade {
    double x = 0.0;
    double c[3] = {0.0, 0.0, 0.0};
    double z = 0.0;
};

struct Corner {
    Shade at;
    double y = 0.0;
};

// An edge walked one row at a time: its point on the current row and the
// change per row.
struct Edge {
    Shade at;
    Shade step;

    void advance() {
        at.x += step.x;
        for (int k = 0; k < 3; ++k)
            at.c[k] += step.c[k];
        at.z += step.z;
    }
};

// The edge from a to b (b below a), placed on row.
Edge edgeFrom(const Corner &a, const Corner &b, int row) {
    const double dy = b.y - a.y;
    const double offset = row - a.y;
    Edge e;
    e.step.x = (b.at.x - a.at.x) / dy;
    e.at.x = a.at.x + e.step.x * offset;
    for (int k = 0; k < 3; ++k) {
        e.step.c[k] = (b.at.c[k] - a.at.c[k]) / dy;
        e.at.c[k] = a.at.c[k] + e.step.c[k] * offset;
    }
    e.step.z = (b.at.z - a.at.z) / dy;
    e.at.z = a.at.z + e.step.z * offset;
    return e;
}

enum class Target { Depths, Raster };

// One row between two points, the one with the smaller x first.
void span(DepthRaster &raster, Target target, int row, const Shade &p, const Shade &q) {
    const Shade &a = p.x <= q.x ? p : q;
    const Shade &b = p.x <= q.x ? q : p;
    if (target == Target::Depths)
        qqzhln(raster, row, a.x, b.x, a.z, b.z);
    else
        qqvhln(raster, row, a.x, b.x, a.c, b.c, a.z, b.z);
}

bool usable(double v) {
    return std::isfinite(v) && std::fabs(v) < kFarPixel;
}

// The positions of three values in ascending order, ties in a fixed order.
template <class T> void ascendingOrder(const T v[3], int order[3]) {
    auto set = [order](int a, int b, int c) {
        order[0] = a;
        order[1] = b;
        order[2] = c;
    };
    if (v[1] <= v[0]) {
        if (v[1] < v[2])
            v[2] < v[0] ? set(1, 2, 0) : set(1, 0, 2);
        else
            set(2, 1, 0);
    } else {
        if (v[0] < v[2])
            v[2] < v[1] ? set(0, 2, 1) : set(0, 1, 2);
        else
            set(2, 0, 1);
    }
}

} // namespace

void qqtri1(const int values[3], int order[3]) {
    ascendingOrder(values, order);
}

void qqtri2(const float values[3], int order[3]) {
    ascendingOrder(values, order);
}

void qqztri(GlobalRecord &rec, const float px[3], const float py[3], const int colours[3],
            const float depths[3], int target) {
    for (int i = 0; i < 3; ++i)
        if (!usable(px[i]) || !usable(py[i]) || !std::isfinite(depths[i])) return;
    DepthRaster raster;
    Target to = Target::Depths;
    if (target == kDepthOnly) {
        if (!depthsOnly(rec, raster)) return;
    } else {
        // A screen window's pixel copy, or the memory raster.
        if (!rasterWithDepths(rec, raster)) return;
        to = Target::Raster;
    }

    int order[3];
    qqtri2(py, order);
    Corner p[3];
    for (int i = 0; i < 3; ++i) {
        const int k = order[i];
        p[i].at.x = px[k];
        p[i].y = py[k];
        p[i].at.z = depths[k];
        if (to == Target::Raster) qqrgbf(*raster.driver, colours[k], p[i].at.c);
    }
    const Corner &p1 = p[0], &p2 = p[1], &p3 = p[2];
    const int r1 = truncToInt(p1.y + 0.5);
    const int r2 = truncToInt(p2.y + 0.5);
    const int r3 = truncToInt(p3.y + 0.5);

    // All three corners on one row: two spans through the middle corner by x.
    if (std::fabs(p1.y - p2.y) < kSameRow && std::fabs(p2.y - p3.y) < kSameRow) {
        const float xs[3] = {static_cast<float>(p1.at.x), static_cast<float>(p2.at.x),
                             static_cast<float>(p3.at.x)};
        int byX[3];
        qqtri2(xs, byX);
        span(raster, to, r1, p[byX[0]].at, p[byX[1]].at);
        span(raster, to, r1, p[byX[1]].at, p[byX[2]].at);
        return;
    }

    Edge longEdge = edgeFrom(p1, p3, r1);
    Edge shortEdge;
    int row = r2;
    if (std::fabs(p2.y - p1.y) >= kSameRow) {
        shortEdge = edgeFrom(p1, p2, r1);
        for (row = r1; row <= r2; ++row) {
            if (row < p1.y)
                span(raster, to, row, p1.at, p1.at);
            else if (row <= p2.y)
                span(raster, to, row, longEdge.at, shortEdge.at);
            else
                span(raster, to, row, p2.at, longEdge.at);
            longEdge.advance();
            shortEdge.advance();
        }
        if (std::fabs(p3.y - p2.y) < kSameRow) return;
        row = r2 + 1;
    }
    shortEdge = edgeFrom(p2, p3, row);
    for (; row <= r3; ++row) {
        if (row < p2.y)
            span(raster, to, row, longEdge.at, p2.at);
        else if (row <= p3.y)
            span(raster, to, row, longEdge.at, shortEdge.at);
        else
            span(raster, to, row, p3.at, p3.at);
        longEdge.advance();
        shortEdge.advance();
    }
}
