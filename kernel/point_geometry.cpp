// Point geometry: the circle through three points and points of a Bezier curve.
#include <array>
#include <cmath>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void circ3p(float x1, float y1, float x2, float y2, float x3, float y3, float *xm,
                       float *ym, float *r) {
    GlobalRecord *rec = jqqlev(0, 3, "circ3p");
    const float ax = x2 - x1;
    const float ay = y2 - y1;
    const float bx = x3 - x1;
    const float by = y3 - y1;
    const float d = ax * by - ay * bx;
    if (std::fabs(d) < rec->core.xeps) {
        qqserr("Points are collinear");
        warnin(Warning::ownText);
        return;
    }
    const float f = 0.5f / d;
    const float sa = ax * ax + ay * ay;
    const float sb = bx * bx + by * by;
    const float cx = (by * sa - ay * sb) * f;
    const float cy = (ax * sb - bx * sa) * f;
    *r = std::sqrt(cx * cx + cy * cy);
    *xm = x1 + cx;
    *ym = y1 + cy;
}

extern "C" void bezier(const float *xc, const float *yc, int nc, float *xp, float *yp, int np) {
    jqqlev(0, 3, "bezier");
    if (!arraysGiven(xc, yc, xp, yp)) return;
    constexpr int kMaxControlPoints = 21;
    if (nc < 2 || nc > kMaxControlPoints || np < 2 || np > 32000) {
        warnin(Warning::incorrectParameter);
        return;
    }
    xp[0] = xc[0];
    yp[0] = yc[0];
    xp[np - 1] = xc[nc - 1];
    yp[np - 1] = yc[nc - 1];
    // The parameter grows in single precision, step by step; each point is the
    // de Casteljau evaluation at it.
    const float step = 1.0f / float(np - 1);
    float t = 0.0f;
    for (int i = 1; i < np - 1; ++i) {
        t += step;
        std::array<float, kMaxControlPoints> px;
        std::array<float, kMaxControlPoints> py;
        for (int j = 0; j < nc; ++j) {
            px[j] = xc[j];
            py[j] = yc[j];
        }
        for (int left = nc - 1; left > 0; --left)
            for (int j = 0; j < left; ++j) {
                px[j] = px[j] + (px[j + 1] - px[j]) * t;
                py[j] = py[j] + (py[j + 1] - py[j]) * t;
            }
        xp[i] = px[0];
        yp[i] = py[0];
    }
}
