// errbar: a marker with an error bar and two caps at each data point of the
// current axis system, vertical or horizontal as bartyp says.
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kMaxErrorBars = 32000;

// An end of an error bar on axis 0 (X) or 1 (Y). On a logarithmic axis an end
// at or below zero lies at minus infinity: it is taken as 0, whose logarithm
// the conversion puts at its plot limit, so the bar runs out of the axis system
// and is clipped there (a negative value would have no logarithm at all).
float errorEnd(const GlobalRecord &rec, int axis, float v) {
    if (rec.axes.ilogax[axis] == 1 && rec.axes.ineglog != 1 && v < 0.0f) return 0.0f;
    return v;
}

struct PlotPoint {
    int x, y;
};

PlotPoint plotPoint(const GlobalRecord &rec, float x, float y) {
    float xp = 0, yp = 0;
    qqrel2(rec, x, y, xp, yp);
    return {roundAddHalf(xp), roundAddHalf(yp)};
}

void drawErrorBar(GlobalRecord &rec, float x, float y, float lower, float upper) {
    const PlotPoint p = plotPoint(rec, x, y);
    dsymbl(rec, rec.curve.nmarker, p.x, p.y);
    const int w = rec.symbol.nhsymb / 3;
    if (rec.bar.ibartyp == int(BarKind::vertical)) {
        const int ylo = plotPoint(rec, x, errorEnd(rec, 1, y - lower)).y;
        const int yhi = plotPoint(rec, x, errorEnd(rec, 1, y + upper)).y;
        lineqq(rec, p.x, ylo, p.x, yhi);
        lineqq(rec, p.x - w, ylo, p.x + w, ylo);
        lineqq(rec, p.x - w, yhi, p.x + w, yhi);
    } else {
        const int xlo = plotPoint(rec, errorEnd(rec, 0, x - lower), y).x;
        const int xhi = plotPoint(rec, errorEnd(rec, 0, x + upper), y).x;
        lineqq(rec, xlo, p.y, xhi, p.y);
        lineqq(rec, xlo, p.y - w, xlo, p.y + w);
        lineqq(rec, xhi, p.y - w, xhi, p.y + w);
    }
}

} // namespace

extern "C" void errbar(const float *x, const float *y, const float *err1, const float *err2,
                       int n) {
    GlobalRecord *recp = jqqlev(2, 3, "errbar");
    if (recp == nullptr || jqqval(n, 1, kMaxErrorBars) != 0) return;
    GlobalRecord &rec = *recp;
    if (!arraysGiven(x, y, err1, err2)) return;
    if (jqqlog(rec, x, y, n) != 0) return;
    chkscl(rec, x, y, n);
    sclpax(rec, 0);
    for (int k = 0; k < n; ++k)
        drawErrorBar(rec, x[k], y[k], err1[k], err2[k]);
    sclpax(rec, 1);
}
