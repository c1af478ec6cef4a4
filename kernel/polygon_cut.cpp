#include "kernel/polygon_cut.h"

#include <array>

namespace {

struct Point {
    float x, y;
};

using Points = std::array<Point, kMaxCutPolygon>;

// One side of the rectangle: the coordinate it holds (x or y), its value, and
// which half is inside.
struct Side {
    bool vertical; // a side x = at
    float at;
    bool keepBelow; // inside is x (or y) <= at
    bool inside(Point p) const {
        const float v = vertical ? p.x : p.y;
        return keepBelow ? v <= at : v >= at;
    }
    // Where the edge a-b crosses the side. The ends are taken in one order
    // whichever way the edge runs, so that the two polygons sharing an edge
    // cut it at the very same point.
    Point crossing(Point a, Point b) const {
        if (vertical ? (b.x < a.x || (b.x == a.x && b.y < a.y))
                     : (b.y < a.y || (b.y == a.y && b.x < a.x))) {
            const Point t = a;
            a = b;
            b = t;
        }
        if (vertical) return {at, a.y + (b.y - a.y) * ((at - a.x) / (b.x - a.x))};
        return {a.x + (b.x - a.x) * ((at - a.y) / (b.y - a.y)), at};
    }
};

// The part of the polygon in on the inner side, into out; -1 when it does not fit.
int cutAtSide(const Points &in, int n, const Side &side, Points &out) {
    int m = 0;
    // A point where the last one lies adds nothing (a device may paint a pixel
    // for a polygon of one point repeated).
    const auto add = [&](Point p) {
        if (m > 0 && out[static_cast<std::size_t>(m - 1)].x == p.x &&
            out[static_cast<std::size_t>(m - 1)].y == p.y)
            return true;
        if (m == kMaxCutPolygon) return false;
        out[static_cast<std::size_t>(m++)] = p;
        return true;
    };
    for (int i = 0; i < n; ++i) {
        const Point a = in[static_cast<std::size_t>(i == 0 ? n - 1 : i - 1)];
        const Point b = in[static_cast<std::size_t>(i)];
        const bool aIn = side.inside(a), bIn = side.inside(b);
        if (aIn != bIn && !add(side.crossing(a, b))) return -1;
        if (bIn && !add(b)) return -1;
    }
    if (m > 1 && out[0].x == out[static_cast<std::size_t>(m - 1)].x &&
        out[0].y == out[static_cast<std::size_t>(m - 1)].y)
        --m;
    return m;
}

} // namespace

int cutPolygonToRectangle(const float x[], const float y[], int n, float x1, float y1, float x2,
                          float y2, float cx[], float cy[]) {
    if (n > kMaxCutPolygon) return -1;
    Points a, b;
    for (int i = 0; i < n; ++i)
        a[static_cast<std::size_t>(i)] = {x[i], y[i]};
    const Side sides[4] = {
        {true, x1, false}, {true, x2, true}, {false, y1, false}, {false, y2, true}};
    int m = n;
    for (const Side &side : sides) {
        m = cutAtSide(a, m, side, b);
        if (m < 0) return -1;
        a = b;
    }
    for (int i = 0; i < m; ++i) {
        cx[i] = a[static_cast<std::size_t>(i)].x;
        cy[i] = a[static_cast<std::size_t>(i)].y;
    }
    return m;
}
