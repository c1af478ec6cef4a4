// Splitting segments at shield boundaries: qqbl01 to qqbl06, qqrmsr, qqbldr.
#include <cmath>

#include "kernel/clipping.h"
#include "kernel/dispatch.h"
#include "kernel/line_geometry.h"
#include "kernel/pair_sort.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/shield_list.h"
#include "kernel/shields.h"
#include "kernel/warnings.h"

namespace {

constexpr float kFullTurn = 6.2831853f;
// Shorter pieces are neither tested nor drawn on their own.
constexpr float kShortPiece = 0.001f;
constexpr int kMaxSplitPoints = 300;
// Both ends inside a shape: the whole segment is hidden.
constexpr int kBothInside = 3;

// The points at which a segment is split, in fixed room.
struct SplitPoints {
    float x[kMaxSplitPoints];
    float y[kMaxSplitPoints];
    int m = 0;
    bool full = false;

    void add(float px, float py) {
        if (m == kMaxSplitPoints) {
            full = true;
            return;
        }
        x[m] = px;
        y[m] = py;
        ++m;
    }
};

// A segment in the frame of a shape: translated to its reference point and
// turned by its angle; points found there are turned and moved back.
struct ShapeFrame {
    float cx, cy, s, c;

    void toShape(float &x, float &y) const {
        float px[1] = {x - cx}, py[1] = {y - cy};
        trfro2(px, py, 1, s, c);
        x = px[0];
        y = py[0];
    }
    void toPage(float x, float y, SplitPoints &points) const {
        float px[1] = {x}, py[1] = {y};
        trfro2(px, py, 1, -s, c);
        points.add(px[0] + cx, py[0] + cy);
    }
};

ShapeFrame frameOf(float cx, float cy, int storedAngle) {
    const float a = float(storedAngle) / 1000.0f;
    return {cx, cy, std::sin(a), std::cos(a)};
}

// Rectangle: the segment clipped to it as the clipper does; the points where
// it enters and leaves. kBothInside when both ends lie inside.
int qqbl02(float x1, float y1, float x2, float y2, int rx1, int ry1, int rx2, int ry2, float xs[2],
           float ys[2], int &count) {
    count = 0;
    bool moved1 = false, moved2 = false;
    if (!cutToWindow(x1, y1, x2, y2, rx1, ry1, rx2, ry2, moved1, moved2)) return 0;
    if (!moved1 && !moved2) return kBothInside;
    if (moved1) {
        xs[count] = x1;
        ys[count++] = y1;
    }
    if (moved2) {
        xs[count] = x2;
        ys[count++] = y2;
    }
    return 0;
}

bool insideEllipse(float x, float y, float a, float b) {
    return x * x / (a * a) + y * y / (b * b) <= 1.0f;
}

// Ellipse centred at the origin: the crossings of the segment's line with it.
// kBothInside when both ends lie inside.
int qqbl03(float x1, float y1, float x2, float y2, float a, float b, float xs[2], float ys[2],
           int &count) {
    count = 0;
    if (insideEllipse(x1, y1, a, b) && insideEllipse(x2, y2, a, b)) return kBothInside;
    count = cutcrc(a, b, x1, y1, x2, y2, xs, ys);
    return 0;
}

// Pie sector centred at the origin: the crossings of the segment's line with
// its circle and with the lines of its two radii.
void qqbl04(float x1, float y1, float x2, float y2, float r, float start, float end,
            SplitPoints &points, float cx, float cy) {
    float xs[2], ys[2];
    const int k = cutcrc(r, r, x1, y1, x2, y2, xs, ys);
    for (int i = 0; i < k; ++i)
        points.add(xs[i] + cx, ys[i] + cy);
    const float xa[2] = {x1, x2}, ya[2] = {y1, y2};
    for (const float angle : {start, end}) {
        const float xb[2] = {0.0f, std::cos(angle)}, yb[2] = {0.0f, -std::sin(angle)};
        float x, y;
        if (qqcut2(xa, ya, xb, yb, x, y) == 1) points.add(x + cx, y + cy);
    }
}

// Polygon: the crossings of the segment's line with the line of every edge,
// from the last vertex to the first and then in order.
void qqbl05(float x1, float y1, float x2, float y2, const int *polygon, SplitPoints &points) {
    const int n = polygon[0];
    const int *v = polygon + 1;
    const float xa[2] = {x1, x2}, ya[2] = {y1, y2};
    for (int i = 0, j = n - 1; i < n && !points.full; j = i++) {
        const float xb[2] = {float(v[2 * j]), float(v[2 * i])};
        const float yb[2] = {float(v[2 * j + 1]), float(v[2 * i + 1])};
        float x, y;
        if (qqcut2(xa, ya, xb, yb, x, y) == 1) points.add(x, y);
    }
}

// Adds the points of a shape that reported them in its own frame.
void addFromShape(const ShapeFrame &frame, const float xs[], const float ys[], int count,
                  SplitPoints &points) {
    for (int i = 0; i < count; ++i)
        frame.toPage(xs[i], ys[i], points);
}

// Collects the split points of one shield; kBothInside when it hides the segment.
int splitAt(const int *entry, float x1, float y1, float x2, float y2, SplitPoints &points) {
    const int *w = entry + 2;
    float xs[2], ys[2];
    int count = 0;
    switch (shieldKind(entry)) {
    case ShieldKind::Rectangle:
        if (qqbl02(x1, y1, x2, y2, w[0], w[1], w[2], w[3], xs, ys, count) == kBothInside)
            return kBothInside;
        for (int i = 0; i < count; ++i)
            points.add(xs[i], ys[i]);
        return 0;
    case ShieldKind::RotatedRectangle: {
        const ShapeFrame frame = frameOf(float(w[0]), float(w[1]), w[4]);
        float u1 = x1, v1 = y1, u2 = x2, v2 = y2;
        frame.toShape(u1, v1);
        frame.toShape(u2, v2);
        if (qqbl02(u1, v1, u2, v2, 0, 0, w[2] - w[0], w[3] - w[1], xs, ys, count) == kBothInside)
            return kBothInside;
        addFromShape(frame, xs, ys, count, points);
        return 0;
    }
    case ShieldKind::Circle:
    case ShieldKind::Ellipse: {
        const bool circle = shieldKind(entry) == ShieldKind::Circle;
        const ShapeFrame frame = frameOf(float(w[0]), float(w[1]), circle ? 0 : w[4]);
        const float a = float(w[2]), b = float(circle ? w[2] : w[3]);
        float u1 = x1, v1 = y1, u2 = x2, v2 = y2;
        frame.toShape(u1, v1);
        frame.toShape(u2, v2);
        if (qqbl03(u1, v1, u2, v2, a, b, xs, ys, count) == kBothInside) return kBothInside;
        addFromShape(frame, xs, ys, count, points);
        return 0;
    }
    case ShieldKind::Pie: {
        const float cx = float(w[0]), cy = float(w[1]);
        qqbl04(x1 - cx, y1 - cy, x2 - cx, y2 - cy, float(w[2]), float(w[3]) / 1000.0f,
               float(w[4]) / 1000.0f, points, cx, cy);
        return 0;
    }
    case ShieldKind::Polygon: qqbl05(x1, y1, x2, y2, w, points); return 0;
    }
    return 0;
}

bool insidePie(const int *w, float x, float y) {
    const float dx = x - float(w[0]), dy = y - float(w[1]);
    const float r = float(w[2]);
    if (dx * dx + dy * dy > r * r) return false;
    if (std::sqrt(dx * dx + dy * dy) <= 0.00001f) return true;
    const float start = float(w[3]) / 1000.0f;
    float end = float(w[4]) / 1000.0f;
    // A sector that runs through angle 0 ends after a full turn.
    if (end < start) end += kFullTurn;
    float angle = std::atan2(-dy, dx);
    while (angle < start)
        angle += kFullTurn;
    while (angle >= start + kFullTurn)
        angle -= kFullTurn;
    return angle <= end;
}

// Even-odd count of the edges crossed by the ray from the point towards smaller x.
bool insidePolygon(const int *polygon, float x, float y) {
    const int n = polygon[0];
    const int *v = polygon + 1;
    // The vertices are whole numbers: a test line through one is moved off it.
    if (std::fabs(y - std::round(y)) < 0.01f) y += 0.1f;
    bool inside = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const float xa = float(v[2 * j]), ya = float(v[2 * j + 1]);
        const float xb = float(v[2 * i]), yb = float(v[2 * i + 1]);
        if (std::fabs(yb - ya) <= 0.001f) continue;
        if (y < std::fmin(ya, yb) || y > std::fmax(ya, yb)) continue;
        if (xa + (y - ya) / (yb - ya) * (xb - xa) <= x) inside = !inside;
    }
    return inside;
}

bool insideShield(const int *entry, float x, float y) {
    const int *w = entry + 2;
    switch (shieldKind(entry)) {
    case ShieldKind::Rectangle:
        return float(w[0]) <= x && x <= float(w[2]) && float(w[1]) <= y && y <= float(w[3]);
    case ShieldKind::RotatedRectangle: {
        float u = x, v = y;
        frameOf(float(w[0]), float(w[1]), w[4]).toShape(u, v);
        return 0.0f <= u && u <= float(w[2] - w[0]) && 0.0f <= v && v <= float(w[3] - w[1]);
    }
    case ShieldKind::Circle: {
        const float dx = x - float(w[0]), dy = y - float(w[1]);
        return dx * dx + dy * dy <= float(w[2]) * float(w[2]);
    }
    case ShieldKind::Ellipse: {
        float u = x, v = y;
        frameOf(float(w[0]), float(w[1]), w[4]).toShape(u, v);
        return insideEllipse(u, v, float(w[2]), float(w[3]));
    }
    case ShieldKind::Pie: return insidePie(w, x, y);
    case ShieldKind::Polygon: return insidePolygon(w, x, y);
    }
    return false;
}

bool isShortPiece(float x1, float y1, float x2, float y2) {
    return std::fabs(x2 - x1) < kShortPiece && std::fabs(y2 - y1) < kShortPiece;
}

} // namespace

int qqbl06(GlobalRecord &rec, float x, float y) {
    int code = kPenDraw;
    forEachShield(rec, [&](const int *entry) {
        if (code == kPenDraw && shieldInForce(entry) && insideShield(entry, x, y)) code = kPenMove;
    });
    return code;
}

void qqrmsr(float x1, float y1, float x2, float y2, float xs[], float ys[], int &m) {
    const bool alongY = std::fabs(y2 - y1) > std::fabs(x2 - x1);
    float *key = alongY ? ys : xs;
    float *other = alongY ? xs : ys;
    const float from = alongY ? y1 : x1, to = alongY ? y2 : x2;
    const float lo = std::fmin(from, to), hi = std::fmax(from, to);
    int kept = 0;
    for (int i = 0; i < m; ++i) {
        if (!(lo < key[i] && key[i] < hi)) continue;
        key[kept] = key[i];
        other[kept] = other[i];
        ++kept;
    }
    m = kept;
    sortPairs(key, other, m, to < from);
}

void qqbl01(GlobalRecord &rec, float x1, float y1, float x2, float y2) {
    float sx = x1, sy = y1; // start of the next piece
    if (!isShortPiece(x1, y1, x2, y2)) {
        SplitPoints points;
        bool hidden = false;
        forEachShield(rec, [&](const int *entry) {
            if (hidden || points.full || !shieldInForce(entry)) return;
            hidden = splitAt(entry, x1, y1, x2, y2, points) == kBothInside;
        });
        if (hidden) {
            xjdraw(rec, x2, y2, kPenMove);
            return;
        }
        if (points.full) warnin(Warning::tooManyIntersections);
        qqrmsr(x1, y1, x2, y2, points.x, points.y, points.m);
        for (int i = 0; i < points.m; ++i) {
            const float px = points.x[i], py = points.y[i];
            if (std::fabs(px - sx) <= kShortPiece && std::fabs(py - sy) <= kShortPiece) continue;
            xjdraw(rec, px, py, qqbl06(rec, (sx + px) * 0.5f, (sy + py) * 0.5f));
            sx = px;
            sy = py;
        }
    }
    xjdraw(rec, x2, y2, qqbl06(rec, (sx + x2) * 0.5f, (sy + y2) * 0.5f));
}

void qqbldr(GlobalRecord &rec, float x, float y, int code) {
    ShieldState &list = rec.shield;
    if (list.nshield == 0 || code == kPenMove)
        xjdraw(rec, x, y, code);
    else
        qqbl01(rec, list.xshllst[0], list.xshllst[1], x, y);
    list.xshllst[0] = x;
    list.xshllst[1] = y;
}
