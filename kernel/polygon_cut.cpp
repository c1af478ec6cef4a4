// cutPolygonToRectangle: the polygon cut at the rectangle's four sides in
// turn, each cut keeping the part on the inner side.
#include "kernel/polygon_cut.h"

#include <utility>

namespace {

struct Point {
    float x, y;
    bool operator==(const Point &) const = default;
};

// One side of the rectangle: x = at (vertical) or y = at, and which half is inside.
struct Side {
    bool vertical;
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
                     : (b.y < a.y || (b.y == a.y && b.x < a.x)))
            std::swap(a, b);
        if (vertical) return {at, a.y + (b.y - a.y) * ((at - a.x) / (b.x - a.x))};
        return {a.x + (b.x - a.x) * ((at - a.y) / (b.y - a.y)), at};
    }
};

// The part of the n points of in on the inner side of the side, into out;
// -1 when it would not fit. A point where the one before lies is left out (a
// device may paint a pixel for a polygon of one point repeated).
int cutAtSide(const Point in[], int n, const Side &side, Point out[]) {
    int m = 0;
    const auto add = [&](Point p) {
        if (m > 0 && out[m - 1] == p) return true;
        if (m == kMaxCutPolygon) return false;
        out[m++] = p;
        return true;
    };
    for (int i = 0; i < n; ++i) {
        const Point a = in[i == 0 ? n - 1 : i - 1], b = in[i];
        const bool aIn = side.inside(a), bIn = side.inside(b);
        if (aIn != bIn && !add(side.crossing(a, b))) return -1;
        if (bIn && !add(b)) return -1;
    }
    if (m > 1 && out[0] == out[m - 1]) --m;
    return m;
}

} // namespace

int cutPolygonToRectangle(const float x[], const float y[], int n, float x1, float y1, float x2,
                          float y2, float cx[], float cy[]) {
    if (n > kMaxCutPolygon) return -1;
    Point first[kMaxCutPolygon], second[kMaxCutPolygon];
    Point *from = first, *to = second;
    for (int i = 0; i < n; ++i)
        from[i] = {x[i], y[i]};
    const Side sides[4] = {
        {true, x1, false}, {true, x2, true}, {false, y1, false}, {false, y2, true}};
    int m = n;
    for (const Side &side : sides) {
        m = cutAtSide(from, m, side, to);
        if (m < 0) return -1;
        std::swap(from, to);
    }
    for (int i = 0; i < m; ++i) {
        cx[i] = from[i].x;
        cy[i] = from[i].y;
    }
    return m;
}
