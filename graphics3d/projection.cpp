// The conversions of the 3-D world: user values to the absolute box, the box
// to homogeneous points through the view matrix, homogeneous points to the
// page; the plane of grfini; the logarithmic test of 3-D data.
#include <cmath>

#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "graphics3d/projection.h"
#include "graphics3d/projection_internal.h"
#include "kernel/record.h"

float boxCoordinate(const GlobalRecord &rec, int axis, float value) {
    const Projection3DState &v = rec.view3d;
    const float a = v.xgrf3d[axis][0], e = v.xgrf3d[axis][1], l = v.xaxis3d[axis];
    const float u = rec.axes.ilogax[axis] == 1 ? std::log10(value) : value;
    return linearToBox(u, a, e, l);
}

void angularToAbsolute(const GlobalRecord &rec, float alpha, float beta, float r, float p[3]) {
    const float a = alpha * rec.core.xdegrad, b = beta * rec.core.xdegrad;
    p[0] = r * std::cos(b) * std::sin(a);
    p[1] = r * std::cos(b) * std::cos(a);
    p[2] = r * std::sin(b);
}

void qqpos3(const GlobalRecord &rec, float x, float y, float z, float &bx, float &by, float &bz) {
    bx = boxCoordinate(rec, 0, x);
    by = boxCoordinate(rec, 1, y);
    bz = boxCoordinate(rec, 2, z);
}

void qqgsc3(const GlobalRecord &rec, float bx, float by, float bz, float &hx, float &hy, float &hz,
            float &hw) {
    const float *m = rec.view3d.xmat3d;
    hx = m[0] * bx + m[1] * by + m[2] * bz + m[3];
    hy = m[4] * bx + m[5] * by + m[6] * bz + m[7];
    hz = m[8] * bx + m[9] * by + m[10] * bz + m[11];
    hw = m[12] * bx + m[13] * by + m[14] * bz + m[15];
}

namespace {

// s h / hw as a plot offset. A point in the plane of the eye (hw 0) lies
// infinitely far out: it is kept at the plot limit, on the side of h, so
// that the kernel never gets an infinite or undefined coordinate.
float projected(float s, float h, float hw) {
    const float q = s * h / hw;
    if (std::isnan(q)) return clampPlot(h < 0.0f ? -INFINITY : INFINITY);
    return q;
}

} // namespace

void homogeneousToPage(const GlobalRecord &rec, float hx, float hy, float hw, float &xp,
                       float &yp) {
    const Projection3DState &v = rec.view3d;
    xp = clampPlot(projected(v.xprjscl, hx, hw) + v.xprjcen[0]);
    yp = clampPlot(-projected(v.xprjscl, hy, hw) + v.xprjcen[1]);
}

void absoluteToPage(const GlobalRecord &rec, float bx, float by, float bz, float &xp, float &yp) {
    float hx = 0, hy = 0, hz = 0, hw = 0;
    qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
    homogeneousToPage(rec, hx, hy, hw, xp, yp);
}

void qqrel3(const GlobalRecord &rec, float x, float y, float z, float &xp, float &yp) {
    float bx = 0, by = 0, bz = 0;
    qqpos3(rec, x, y, z, bx, by, bz);
    absoluteToPage(rec, bx, by, bz, xp, yp);
    yp = userPageY(rec, yp);
}

void proj3d(const GlobalRecord &rec, float &x, float &y) {
    const AxisSystemState &s = rec.axsys;
    const Projection3DState &v = rec.view3d;
    const int nxorg = rec.page.nxorg, nyorg = rec.page.nyorg;
    // Position in the 2-D axis-system area, 0..1 from the left and from the
    // bottom; a system one unit long has no extent to spread over.
    const float spanX = float(s.naxslen[0] - 1 > 0 ? s.naxslen[0] - 1 : 1);
    const float spanY = float(s.naxslen[1] - 1 > 0 ? s.naxslen[1] - 1 : 1);
    const float u = (x - float(s.naxspos[0]) - float(nxorg)) / spanX;
    const float w = (float(s.naxspos[1]) + float(nyorg) - y) / spanY;
    const float *p = v.xpln3d;
    const float px = p[0] + u * p[3] + w * p[6];
    const float py = p[1] + u * p[4] + w * p[7];
    const float pz = p[2] + u * p[5] + w * p[8];
    float xp = 0, yp = 0;
    absoluteToPage(rec, px, py, pz, xp, yp);
    x = xp + float(nxorg);
    y = yp + float(nyorg);
}

int jqqlg3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n) {
    if (jqqlgx(rec, x, n, 1) != 0) return 1;
    if (jqqlgx(rec, y, n, 2) != 0) return 1;
    return jqqlgx(rec, z, n, 3);
}
