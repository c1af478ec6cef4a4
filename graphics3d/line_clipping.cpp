// The geometry of clipping 3-D lines: the box test and the plane cuts of the
// WORL mode, the view-volume test and the parametric clip of the EYE mode.
#include <cmath>

#include "graphics3d/lines3d.h"
#include "kernel/record.h"

namespace {

// Below -l/2, above +l/2, or on and within the box, per coordinate.
constexpr int kBelow = 1;
constexpr int kWithin = 2;
constexpr int kAbove = 3;

// A cut is taken as parallel when the segment hardly moves across the plane.
constexpr float kCutTolerance = 1.0e-35f;

int boxClass(float v, float length) {
    const float half = length / 2.0f;
    if (v < -half) return kBelow;
    if (v > half) return kAbove;
    return kWithin;
}

// The six boundary values of a homogeneous point (planes 1, 2, 4, 8, 16,
// 32): it lies outside a plane where its value is negative.
void boundaryValues(float x, float y, float z, float w, float b[6]) {
    b[0] = w + x;
    b[1] = w - x;
    b[2] = w + y;
    b[3] = w - y;
    b[4] = z;
    b[5] = w - z;
}

// The point at c of the coordinate running from c1 to c2; u and v are the
// two other coordinates, interpolated.
int cutAt(float c1, float c2, float u1, float u2, float v1, float v2, float c, float &u, float &v) {
    const float d = c2 - c1;
    if (std::fabs(d) >= kCutTolerance) {
        const float t = (c - c1) / d;
        u = u1 + t * (u2 - u1);
        v = v1 + t * (v2 - v1);
        return 0;
    }
    if (std::fabs(c - c1) <= kCutTolerance) {
        u = u1;
        v = v1;
        return 0;
    }
    return 1;
}

} // namespace

int chkvl3(const GlobalRecord &rec, float x, float y, float z, int &cx, int &cy, int &cz) {
    const float *l = rec.view3d.xaxis3d;
    cx = boxClass(x, l[0]);
    cy = boxClass(y, l[1]);
    cz = boxClass(z, l[2]);
    return int(cx != kWithin) + int(cy != kWithin) + int(cz != kWithin);
}

int qqcsc3(float x, float y, float z, float w) {
    const bool inside = -w <= x && x <= w && -w <= y && y <= w && 0.0f <= z && z <= w;
    return inside ? 0 : 1;
}

int qqclp3(float &x0, float &y0, float &z0, float &w0, float &x1, float &y1, float &z1, float &w1) {
    float b0[6], b1[6];
    boundaryValues(x0, y0, z0, w0, b0);
    boundaryValues(x1, y1, z1, w1, b1);
    int c0 = 0, c1 = 0;
    for (int i = 0; i < 6; ++i) {
        if (b0[i] < 0.0f) c0 |= 1 << i;
        if (b1[i] < 0.0f) c1 |= 1 << i;
    }
    // Both ends outside one plane: nothing of the segment is inside.
    if ((c0 & c1) != 0) return 0;

    float t0 = 0.0f, t1 = 1.0f;
    for (int i = 0; i < 6; ++i) {
        if (b0[i] >= 0.0f && b1[i] >= 0.0f) continue;
        const float t = b0[i] / (b0[i] - b1[i]);
        if (b0[i] < 0.0f)
            t0 = std::fmax(t0, t); // entering
        else
            t1 = std::fmin(t1, t); // leaving
    }
    // Nothing, or a single point, remains.
    if (t1 <= t0) return 0;

    // Both new ends lie on the segment as given.
    const float p[4] = {x0, y0, z0, w0};
    const float d[4] = {x1 - x0, y1 - y0, z1 - z0, w1 - w0};
    if (t1 != 1.0f) {
        x1 = p[0] + t1 * d[0];
        y1 = p[1] + t1 * d[1];
        z1 = p[2] + t1 * d[2];
        w1 = p[3] + t1 * d[3];
    }
    if (t0 != 0.0f) {
        x0 = p[0] + t0 * d[0];
        y0 = p[1] + t0 * d[1];
        z0 = p[2] + t0 * d[2];
        w0 = p[3] + t0 * d[3];
    }
    return 1;
}

int yzcut3(float x1, float y1, float z1, float x2, float y2, float z2, float xc, float &y,
           float &z) {
    return cutAt(x1, x2, y1, y2, z1, z2, xc, y, z);
}

int xzcut3(float x1, float y1, float z1, float x2, float y2, float z2, float yc, float &x,
           float &z) {
    return cutAt(y1, y2, x1, x2, z1, z2, yc, x, z);
}

int xycut3(float x1, float y1, float z1, float x2, float y2, float z2, float zc, float &x,
           float &y) {
    return cutAt(z1, z2, x1, x2, y1, y2, zc, x, y);
}
