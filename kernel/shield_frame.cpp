// Outlines of polygon shields at an offset (qqbl08): the rings of a shield's frame.
#include <cmath>

#include "kernel/line_geometry.h"
#include "kernel/polyline.h"
#include "kernel/shields.h"

namespace {

constexpr float kPi = 3.1415927f;

// Edges whose angles differ by less than this run in one line.
bool inOneLine(float a1, float a2) {
    const float d = std::fabs(a2 - a1);
    return d < 0.001f || std::fabs(d - kPi) < 0.001f || std::fabs(d - 2.0f * kPi) < 0.001f;
}

}  // namespace

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
        float cx = x[i] + s1x, cy = y[i] + s1y;  // the shifted vertex
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
