// Polygons of ellipses, arcs and pies: ellipsePoints, elpsln, and the
// outline-and-fill step of figures.
#include <cmath>
#include <cstddef>

#include "kernel/area_fill.h"
#include "kernel/figures.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/rounding.h"
#include "kernel/shield_geometry.h"
#include "kernel/warnings.h"

namespace {

constexpr float kFullTurn = 6.283185f;
// Arcs longer than this are full turns: a circle or ellipse, never a pie.
constexpr float kAlmostFullTurn = 6.28f;
constexpr int kMaxSteps = 1000;
constexpr int kMinSteps = 5;

} // namespace

int ellipsePoints(GlobalRecord &rec, int na, int nb, float alpha, float beta, float theta,
                  bool closeArc, float *&x, float *&y) {
    const float a1 = qqang2(alpha * rec.core.xdegrad);
    float a2 = qqang2(beta * rec.core.xdegrad);
    if (a2 <= a1) a2 += kFullTurn;
    const float delta = a2 - a1;

    // One step per xcircsp of the longer semi-axis' arc.
    const float larger = float(na > nb ? na : nb);
    const float steps = delta * larger / rec.figure.xcircsp;
    if (!(steps >= 1.0f)) return 0; // too short an arc (or angles that are no numbers)
    int n = steps >= float(kMaxSteps) ? kMaxSteps : truncToInt(steps);
    if (n < kMinSteps) n = kMinSteps;

    // The steps, the exact end point, and the centre and start of a pie.
    const std::size_t capacity = std::size_t(n) + 4;
    float *points = rec.figure.points.reserve(2 * capacity);
    if (points == nullptr) {
        warnin(Warning::noMemory);
        return -1;
    }
    x = points;
    y = points + capacity;
    const float a = float(na), b = float(nb);
    const bool parametric = na == nb || delta > kAlmostFullTurn;
    auto pointAt = [&](float t, float &px, float &py) {
        const float c = std::cos(t), s = std::sin(t);
        if (parametric) {
            px = std::trunc(c * a);
            py = std::trunc(-s * b);
        } else {
            // The point at polar angle t.
            const float rho = 1.0f / std::sqrt(s * s / (b * b) + c * c / (a * a));
            px = std::trunc(c * rho);
            py = std::trunc(-rho * s);
        }
    };
    const float step = delta / float(n);
    int m = 0;
    for (int k = 0; k <= n; ++k) {
        const float t = a1 + float(k) * step;
        if (t > a2) break;
        pointAt(t, x[m], y[m]);
        ++m;
    }
    pointAt(a2, x[m], y[m]);
    ++m;
    if (delta < kAlmostFullTurn && closeArc) {
        x[m] = 0.0f;
        y[m] = 0.0f;
        x[m + 1] = x[0];
        y[m + 1] = y[0];
        m += 2;
    }
    if (std::fabs(theta) > 0.001f) {
        // Counter-clockwise on the page, as the angles of the arc run.
        const float r = theta * rec.core.xdegrad;
        trfro2(x, y, m, -std::sin(r), std::cos(r));
        for (int i = 0; i < m; ++i) {
            x[i] = std::trunc(x[i]);
            y[i] = std::trunc(y[i]);
        }
    }
    return m;
}

void outlineAndFill(GlobalRecord &rec, const float x[], const float y[], int n, bool close) {
    if (n < 1) return;
    if (rec.fill.inoarln == 1) {
        strtqq(rec, x[0], y[0]);
        for (int i = 1; i < n; ++i)
            connqq(rec, x[i], y[i]);
        if (close) connqq(rec, x[0], y[0]);
    }
    if (rec.fill.ihattyp != 0) dareaf(rec, x, y, n);
}

void elpsln(GlobalRecord &rec, int nx, int ny, int na, int nb, float alpha, float beta, float theta,
            int keep, int pie) {
    if (na < 1 || nb < 1) {
        warni1(Warning::incorrectParameter, na < 1 ? na : nb);
        return;
    }
    float *x = nullptr, *y = nullptr;
    const int m =
        ellipsePoints(rec, na, nb, alpha, beta, theta, pie != 0 || rec.fill.ihattyp != 0, x, y);
    if (m <= 0) return;
    for (int i = 0; i < m; ++i) {
        x[i] += float(nx);
        y[i] += float(ny);
    }
    const int dashes = rec.line.ndashel;
    if (keep == 0) rec.line.ndashel = 1;
    outlineAndFill(rec, x, y, m, false);
    rec.line.ndashel = dashes;
}
