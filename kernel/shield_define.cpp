// Defining shields: shlrec, shlrct, shlcir, shlell, shlpie, shlpol.
#include <algorithm>
#include <cmath>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/shield_geometry.h"
#include "kernel/shield_list.h"
#include "kernel/shields.h"
#include "kernel/warnings.h"

namespace {

constexpr int kMaxRadius = 10000;
constexpr int kMaxPolygonPoints = 2000;

// An angle in degrees as the list stores it: radians in one turn, times 1000.
float storedAngle(float degrees) {
    return qqang2(qqang1(degrees)) * 1000.0f;
}

// A width and height (or two semi-axes) must both be positive.
bool positiveSizes(int a, int b) {
    if (a >= 1 && b >= 1) return true;
    warni1(Warning::incorrectParameter, std::min(a, b));
    return false;
}

void addRectangle(GlobalRecord &rec, int nx, int ny, int nw, int nh) {
    if (!positiveSizes(nw, nh)) return;
    qqstrk(rec);
    frameRectangleShield(rec, nx, ny, nw, nh, 0.0f);
    const float x1 = float(pageSum(nx, rec.page.nxorg)), y1 = float(pageSum(ny, rec.page.nyorg));
    const float values[4] = {x1, y1, x1 + float(nw - 1), y1 + float(nh - 1)};
    qqbl07(rec, ShieldKind::Rectangle, values, nullptr, 4);
}

void addCircle(GlobalRecord &rec, int nx, int ny, int nr) {
    if (jqqval(nr, 1, kMaxRadius) != 0) return;
    qqstrk(rec);
    const float values[3] = {float(pageSum(nx, rec.page.nxorg)),
                             float(pageSum(jqqyvl(rec, ny), rec.page.nyorg)), float(nr)};
    frameEllipseShield(rec, values[0], values[1], nr, nr, 0.0f);
    qqbl07(rec, ShieldKind::Circle, values, nullptr, 3);
}

} // namespace

extern "C" void shlrec(int nx, int ny, int nw, int nh) {
    GlobalRecord *rec = jqqlev(1, 3, "shlrec");
    if (rec == nullptr) return;
    addRectangle(*rec, nx, ny, nw, nh);
}

extern "C" void shlrct(int nx, int ny, int nw, int nh, float angle) {
    GlobalRecord *rec = jqqlev(1, 3, "shlrct");
    if (rec == nullptr) return;
    if (std::fabs(angle) < 0.001f) {
        addRectangle(*rec, nx, ny, nw, nh);
        return;
    }
    if (!positiveSizes(nw, nh)) return;
    qqstrk(*rec);
    frameRectangleShield(*rec, nx, jqqyvl(*rec, ny), nw, nh, angle);
    const float x1 = float(pageSum(nx, rec->page.nxorg));
    const float y1 = float(pageSum(jqqyvl(*rec, ny), rec->page.nyorg));
    const float values[5] = {x1, y1, x1 + float(nw - 1), y1 + float(nh - 1), storedAngle(angle)};
    qqbl07(*rec, ShieldKind::RotatedRectangle, values, nullptr, 5);
}

extern "C" void shlcir(int nx, int ny, int nr) {
    GlobalRecord *rec = jqqlev(1, 3, "shlcir");
    if (rec == nullptr) return;
    addCircle(*rec, nx, ny, nr);
}

extern "C" void shlell(int nx, int ny, int na, int nb, float angle) {
    GlobalRecord *rec = jqqlev(1, 3, "shlell");
    if (rec == nullptr || !positiveSizes(na, nb)) return;
    qqstrk(*rec);
    const float values[5] = {float(pageSum(nx, rec->page.nxorg)),
                             float(pageSum(jqqyvl(*rec, ny), rec->page.nyorg)), float(na),
                             float(nb), storedAngle(angle)};
    frameEllipseShield(*rec, values[0], values[1], na, nb, angle);
    qqbl07(*rec, ShieldKind::Ellipse, values, nullptr, 5);
}

extern "C" void shlpie(int nx, int ny, int nr, float alpha, float beta) {
    GlobalRecord *rec = jqqlev(1, 3, "shlpie");
    if (rec == nullptr) return;
    if (std::fabs(alpha - beta) >= 360.0f) {
        addCircle(*rec, nx, ny, nr);
        return;
    }
    if (jqqval(nr, 1, kMaxRadius) != 0) return;
    qqstrk(*rec);
    const float values[5] = {float(pageSum(nx, rec->page.nxorg)),
                             float(pageSum(jqqyvl(*rec, ny), rec->page.nyorg)), float(nr),
                             storedAngle(alpha), storedAngle(beta)};
    framePieShield(*rec, values[0], values[1], nr, alpha, beta);
    qqbl07(*rec, ShieldKind::Pie, values, nullptr, 5);
}

extern "C" void shlpol(const int *nx, const int *ny, int n) {
    GlobalRecord *rec = jqqlev(1, 3, "shlpol");
    if (rec == nullptr || jqqval(n, 3, kMaxPolygonPoints) != 0 || !arraysGiven(nx, ny)) return;
    qqstrk(*rec);
    // The points with the origin shift, without repeats of the point before
    // and without a last point equal to the first.
    float x[kMaxPolygonPoints], y[kMaxPolygonPoints];
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const float px = float(pageSum(nx[i], rec->page.nxorg));
        const float py = float(pageSum(jqqyvl(*rec, ny[i]), rec->page.nyorg));
        if (m > 0 && px == x[m - 1] && py == y[m - 1]) continue;
        x[m] = px;
        y[m] = py;
        ++m;
    }
    if (m > 1 && x[m - 1] == x[0] && y[m - 1] == y[0]) --m;
    if (m < 3) {
        warni1(Warning::incorrectPointCount, m);
        return;
    }
    framePolygonShield(*rec, x, y, m);
    // The shield blanks what is drawn onto the 3-D plane, so it lies there too.
    if (rec->view3d.ipln3d == 1)
        for (int i = 0; i < m; ++i)
            rec->view3d.planeProjection(*rec, x[i], y[i]);
    qqbl07(*rec, ShieldKind::Polygon, x, y, m);
}

void addAutomaticRectangleShield(GlobalRecord &rec, int cls, float x1, float y1, float width,
                                 float height, float angle) {
    qqstrk(rec); // what was drawn before the shield is not cut by it
    ShieldState &shield = rec.shield;
    shield.ishlcls = cls;
    if (std::fabs(angle) < 0.001f) {
        const float values[4] = {x1, y1, x1 + width - 1.0f, y1 + height - 1.0f};
        qqbl07(rec, ShieldKind::Rectangle, values, nullptr, 4);
    } else {
        const float values[5] = {x1, y1, x1 + width - 1.0f, y1 + height - 1.0f, storedAngle(angle)};
        qqbl07(rec, ShieldKind::RotatedRectangle, values, nullptr, 5);
    }
    shield.ishlcls = kShieldUser;
}
