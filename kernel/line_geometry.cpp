// Angles and intersections of straight lines.
#include "kernel/line_geometry.h"

#include <cmath>

float qqatan(float a, float b) {
    if (std::fabs(b) > 1.0e-6f) return std::atan2(a, b);
    return a >= 0.0f ? 1.570796f : -1.570796f;
}

int qqcut2(const float xa[2], const float ya[2], const float xb[2], const float yb[2], float &x,
           float &y) {
    // A line is vertical when both its points have exactly the same x.
    const bool aVertical = xa[0] == xa[1];
    const bool bVertical = xb[0] == xb[1];
    if (aVertical && bVertical) return 0;
    if (aVertical) {
        const float mb = (yb[1] - yb[0]) / (xb[1] - xb[0]);
        x = xa[0];
        y = yb[0] + mb * (x - xb[0]);
        return 1;
    }
    if (bVertical) {
        const float ma = (ya[1] - ya[0]) / (xa[1] - xa[0]);
        x = xb[0];
        y = ya[0] + ma * (x - xa[0]);
        return 1;
    }
    const float ma = (ya[1] - ya[0]) / (xa[1] - xa[0]);
    const float mb = (yb[1] - yb[0]) / (xb[1] - xb[0]);
    if (std::fabs(ma - mb) < 0.001f) return 0;
    const float ca = ya[0] - ma * xa[0];
    const float cb = yb[0] - mb * xb[0];
    x = (ca - cb) / (mb - ma);
    y = (mb * ca - ma * cb) / (mb - ma);
    return 1;
}
