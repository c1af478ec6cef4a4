// The frames of user shields: rings round rectangles (dframe), ellipses and
// pie sectors (their arcs), and offset outlines of polygons (qqbl08); qqbl09
// takes the base transformation off while a frame is drawn.
#include <algorithm>
#include <cmath>

#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/line_geometry.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/shield_geometry.h"
#include "kernel/shields.h"
#include "kernel/visible_counts.h"

namespace {

constexpr float kPi = 3.1415927f;

// Edges whose angles differ by less than this run in one line.
bool inOneLine(float a1, float a2) {
    const float d = std::fabs(a2 - a1);
    return d < 0.001f || std::fabs(d - kPi) < 0.001f || std::fabs(d - 2.0f * kPi) < 0.001f;
}

} // namespace

void qqbl08(GlobalRecord &rec, const float x[], const float y[], int n, float offset) {
    if (n < 2) return;
    float firstX = 0.0f, firstY = 0.0f;
    for (int i = 0; i < n; ++i) {
        const int prev = (i + n - 1) % n, next = (i + 1) % n;
        // Edge angles with y up; the shift runs along the side vector (sin a, cos a).
        const float a1 = qqatan(y[prev] - y[i], x[i] - x[prev]);
        const float a2 = qqatan(y[i] - y[next], x[next] - x[i]);
        const float s1x = offset * std::sin(a1), s1y = offset * std::cos(a1);
        const float s2x = offset * std::sin(a2), s2y = offset * std::cos(a2);
        float cx = x[i] + s1x, cy = y[i] + s1y; // the shifted vertex
        if (!inOneLine(a1, a2)) {
            const float xa[2] = {x[prev] + s1x, x[i] + s1x}, ya[2] = {y[prev] + s1y, y[i] + s1y};
            const float xb[2] = {x[i] + s2x, x[next] + s2x}, yb[2] = {y[i] + s2y, y[next] + s2y};
            float ix, iy;
            if (qqcut2(xa, ya, xb, yb, ix, iy) == 1) {
                cx = ix;
                cy = iy;
            }
        }
        if (i == 0) {
            firstX = cx;
            firstY = cy;
            qqmove(rec, cx, cy);
        } else {
            qqdraw(rec, cx, cy);
        }
    }
    qqdraw(rec, firstX, firstY);
}

namespace {

// Frames are drawn round user shields only, and only while nframe asks for them.
bool framesShield(const GlobalRecord &rec) {
    return rec.shield.ishlcls == 0 && rec.frame.nframe != 0;
}

// Offsets of the rings of a frame: 0, 1, .. |nframe| - 1, negated inwards;
// rings round a shape extent plot units across stop where the page ends.
int ringCount(const GlobalRecord &rec, long long extent) {
    const long long n = rec.frame.nframe;
    return ringsShown(rec.page, extent, n < 0 ? -n : n);
}
float ringOffset(const GlobalRecord &rec, int k) {
    return rec.frame.nframe > 0 ? float(k) : -float(k);
}

// The larger side of the box round a polygon.
long long polygonExtent(const float x[], const float y[], int n) {
    if (n < 1) return 0;
    const auto [x0, x1] = std::minmax_element(x, x + n);
    const auto [y0, y1] = std::minmax_element(y, y + n);
    return truncToInt(std::max(*x1 - *x0, *y1 - *y0));
}

// One ring of an ellipse or arc about (cx, cy): the points elpsln takes.
void drawArcRing(GlobalRecord &rec, float cx, float cy, int a, int b, float alpha, float beta,
                 float angle, bool fromCorner, float cornerX, float cornerY) {
    float *x = nullptr, *y = nullptr;
    const int m = ellipsePoints(rec, a, b, alpha, beta, angle, false, x, y);
    if (m <= 0) return;
    if (fromCorner) {
        qqmove(rec, cornerX, cornerY);
        qqdraw(rec, x[0] + cx, y[0] + cy);
    } else {
        qqmove(rec, x[0] + cx, y[0] + cy);
    }
    for (int i = 1; i < m; ++i)
        qqdraw(rec, x[i] + cx, y[i] + cy);
    if (fromCorner) qqdraw(rec, cornerX, cornerY);
}

} // namespace

void qqbl09(GlobalRecord &rec, int mode) {
    qqstrk(rec);
    ShieldState &shield = rec.shield;
    // The frame of a shield lies on the page as the shield itself: neither
    // the base transformation nor the 3-D plane moves it.
    if (mode == 1) {
        shield.ishlsav[0] = rec.trf.itrfon;
        shield.ishlsav[1] = rec.view3d.ipln3d;
        rec.trf.itrfon = 0;
        rec.view3d.ipln3d = 0;
    } else {
        rec.trf.itrfon = shield.ishlsav[0];
        rec.view3d.ipln3d = shield.ishlsav[1];
    }
}

void frameRectangleShield(GlobalRecord &rec, int nx, int ny, int nw, int nh, float angle) {
    if (!framesShield(rec)) return;
    qqbl09(rec, 1);
    dframe(rec, nx, ny, nw, nh, rec.frame.nframe, angle);
    qqbl09(rec, 2);
}

void frameEllipseShield(GlobalRecord &rec, float cx, float cy, int a, int b, float angle) {
    if (!framesShield(rec)) return;
    qqbl09(rec, 1);
    const int rings = ringCount(rec, 2LL * std::max(a, b));
    for (int k = 0; k < rings; ++k) {
        const int d = truncToInt(ringOffset(rec, k));
        if (a + d < 1 || b + d < 1) break;
        drawArcRing(rec, cx, cy, a + d, b + d, 0.0f, 360.0f, angle, false, 0.0f, 0.0f);
    }
    qqbl09(rec, 2);
}

void framePieShield(GlobalRecord &rec, float cx, float cy, int r, float alpha, float beta) {
    if (!framesShield(rec)) return;
    qqbl09(rec, 1);
    const float a1 = qqang2(qqang1(alpha)), a2 = qqang2(qqang1(beta));
    const int rings = ringCount(rec, 2LL * r);
    for (int k = 0; k < rings; ++k) {
        const float d = ringOffset(rec, k);
        if (float(r) + d < 1.0f) break;
        // The radii move outwards by d, away from the sector; they meet at
        // the corner behind the centre.
        const float px1 = cx + d * std::sin(a1), py1 = cy + d * std::cos(a1);
        const float px2 = cx - d * std::sin(a2), py2 = cy - d * std::cos(a2);
        float kx = px1, ky = py1;
        if (qqcut1(px1, py1, px2, py2, a1, a2, kx, ky) == 0) {
            kx = px1;
            ky = py1;
        }
        drawArcRing(rec, cx, cy, r + truncToInt(d), r + truncToInt(d), alpha, beta, 0.0f, true, kx,
                    ky);
    }
    qqbl09(rec, 2);
}

void framePolygonShield(GlobalRecord &rec, const float x[], const float y[], int n) {
    if (!framesShield(rec)) return;
    qqbl09(rec, 1);
    // A polygon's frame follows its outline onto the 3-D plane.
    rec.view3d.ipln3d = rec.shield.ishlsav[1];
    const int rings = ringCount(rec, polygonExtent(x, y, n));
    for (int k = 0; k < rings; ++k)
        qqbl08(rec, x, y, n, ringOffset(rec, k));
    qqbl09(rec, 2);
}
