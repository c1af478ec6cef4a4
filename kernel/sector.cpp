// Annulus sectors: sector, drawn by the devices that draw them (the driver's
// sector entry), or filled with scan lines.
#include <cmath>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/driver.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/solid_fill.h"
#include "kernel/warnings.h"

namespace {

// Points of a sector polygon: two arcs of at most 360 one-degree steps and
// their end points, and the centre.
constexpr int kSectorPoints = 800;

// The outer arc from alpha to the end, then the inner arc back, or the centre.
int sectorPolygon(const GlobalRecord &rec, float cx, float cy, int nr1, int nr2, float alpha,
                  float end, float x[], float y[]) {
    const float degrad = rec.core.xdegrad;
    int m = 0;
    auto add = [&](float t, int radius) {
        x[m] = cx + std::cos(t * degrad) * float(radius);
        y[m] = cy - std::sin(t * degrad) * float(radius);
        ++m;
    };
    for (int k = 0; k < 360; ++k) {
        const float t = alpha + float(k);
        if (!(t < end)) break;
        add(t, nr2);
    }
    add(end, nr2);
    if (nr1 <= 0) {
        x[m] = cx;
        y[m] = cy;
        ++m;
        return m;
    }
    for (int k = 0; k < 360; ++k) {
        const float t = end - float(k);
        if (!(t > alpha)) break;
        add(t, nr1);
    }
    add(alpha, nr1);
    return m;
}

} // namespace

extern "C" void sector(int nx, int ny, int nr1, int nr2, float alpha, float beta, int colour) {
    GlobalRecord *recp = jqqlev(1, 3, "sector");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (nr2 < 1) {
        warni1(Warning::nonPositiveParameter, nr2);
        return;
    }
    if (nr1 < 0) {
        warni1(Warning::negativeParameter, nr1);
        return;
    }
    if (!(beta - alpha >= rec.core.xeps)) {
        warnin(Warning::startAngleNotBelowEnd);
        return;
    }
    if (nr1 > nr2) {
        warnin(Warning::firstRadiusGreater);
        return;
    }
    const int y = jqqyvl(rec, ny);
    if (currentDriver(rec).sector(rec, nx, y, nr1, nr2, alpha, beta, colour)) return;
    const float cx = float(pageSum(nx, rec.page.nxorg)), cy = float(pageSum(y, rec.page.nyorg));
    const float end = beta - alpha > 360.0f ? alpha + 360.0f : beta;
    float x[kSectorPoints], yy[kSectorPoints];
    const int m = sectorPolygon(rec, cx, cy, nr1, nr2, alpha, end, x, yy);
    const int previous = rec.colour.ncolor;
    qqsclr(rec, colour);
    const float spacing = solidFillSpacing(rec.core.idevice, 1.0f) / rec.page.xunits;
    fillSolid(rec, x, yy, m, spacing);
    qqsclr(rec, previous);
}
