// curv3d: a data series in the 3-D axis system as markers and a polyline,
// with the attributes of the curve cycle, widened by repeated strokes and
// clipped as 3-D lines are; and the report of points outside its scaling.
#include <cstdio>
#include <cstdlib>

#include "graphics2d/axis_system.h"
#include "graphics2d/curve_pen.h"
#include "graphics3d/lines3d.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/c_format.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/message_stream.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

bool outside(float v, float lo, float hi) {
    return v < lo || v > hi;
}

// Markers at every step-th point that lies in the box, drawn solid.
void drawMarkers(GlobalRecord &rec, const float x[], const float y[], const float z[], int n,
                 long long step) {
    const LineStyleCopy curveStyle = copyLineStyle(rec);
    setLineStyle(rec, 0);
    for (long long i = 0; i < n; i += step) {
        float b[3];
        qqpos3(rec, x[i], y[i], z[i], b[0], b[1], b[2]);
        int cx, cy, cz;
        if (chkvl3(rec, b[0], b[1], b[2], cx, cy, cz) != 0) continue;
        float hx, hy, hz, hw, xp, yp;
        qqgsc3(rec, b[0], b[1], b[2], hx, hy, hz, hw);
        homogeneousToPage(rec, hx, hy, hw, xp, yp);
        dsymbl(rec, rec.curve.nmarker, nintqq(xp), nintqq(yp));
    }
    // The line between the markers keeps the curve's own style.
    restoreLineStyle(rec, curveStyle);
}

// The polyline, stroked side by side as often as the curve thickness asks.
void drawLine(GlobalRecord &rec, const float x[], const float y[], const float z[], int n) {
    const CurveState &c = rec.curve;
    LineState &line = rec.line;
    // The points are joined straight whatever the curve mode.
    if (c.ipolcrv != int(CurveMode::line)) warnin(Warning::linearInterpolationNeeded);
    sclpax(rec, 0);
    const float units = rec.page.xunits;
    int strokes = roundAddHalf(float(c.nthkcrv) * units);
    if (strokes < 1) strokes = 1;
    for (int j = 1; j <= strokes; ++j) {
        // Shifts 0, 1, -1, 2, -2 ... base units.
        line.xlinoff = float((j % 2 == 1 ? -j : j) / 2) / units;
        inityp(rec);
        polyl3(rec, x, y, z, n);
    }
    qqstrk(rec);
    line.xlinoff = 0.0f;
    sclpax(rec, 1);
}

} // namespace

void chksc3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n) {
    if (rec.msg.ichkpnt == 0 || rec.msg.iunit == 0) return;
    const float *u = rec.view3d.xusr3d;
    for (int i = 0; i < n; ++i) {
        if (!outside(x[i], u[0], u[1]) && !outside(y[i], u[2], u[3]) && !outside(z[i], u[4], u[5]))
            continue;
        qqerrfil(rec);
        if (rec.msg.fpmsg == nullptr) return;
        printC(rec.msg.fpmsg, " <<<< (%12.4e /%12.4e /%12.4e) out of axis scaling!\n", double(x[i]),
               double(y[i]), double(z[i]));
    }
}

extern "C" void curv3d(const float *x, const float *y, const float *z, int n) {
    GlobalRecord *recp = jqqlev(3, 3, "curv3d");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    CurveState &c = rec.curve;
    c.ilegpat = 0;
    if (rec.axsys.igrftyp != 3) {
        warnin(Warning::graf3dConfusion);
        return;
    }
    if (n <= 0) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(x, y, z)) return;
    if (jqqlg3(rec, x, y, z, n) != 0) return;

    const CurvePen saved = beginCurvePen(rec);
    chksc3(rec, x, y, z, n);
    rec.msg.ichkpnt = 0;
    if (c.nincmrk != 0) drawMarkers(rec, x, y, z, n, std::llabs(c.nincmrk));
    if (c.nincmrk >= 0) drawLine(rec, x, y, z, n);
    endCurvePen(rec, saved);
}
