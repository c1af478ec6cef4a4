// curve: a data series in the current axis system as a polyline, steps,
// stairs, stems, bars, filled bars or a spline; widened by repeated strokes,
// clipped to the axis system, with the attributes of the cycle and a legend
// entry.
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/curve_pen.h"
#include "graphics2d/curve_spline.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// The pen in user coordinates.
inline void moveTo(GlobalRecord &rec, float x, float y) {
    float xp, yp;
    qqrel2(rec, x, y, xp, yp);
    strtqq(rec, xp, yp);
}

inline void drawTo(GlobalRecord &rec, float x, float y) {
    float xp, yp;
    qqrel2(rec, x, y, xp, yp);
    connqq(rec, xp, yp);
}

void drawPolyline(GlobalRecord &rec, const float *x, const float *y, int n) {
    const CurveState &c = rec.curve;
    const bool gaps = c.igapcrv == 1;
    const float gap = c.xgapcrv;
    moveTo(rec, x[0], y[0]);
    for (int i = 1; i < n; ++i) {
        if (gaps && std::fabs(x[i] - x[i - 1]) > gap)
            moveTo(rec, x[i], y[i]);
        else
            drawTo(rec, x[i], y[i]);
    }
}

// Half steps before the first and after the last point, steps halfway
// between the points.
void drawSteps(GlobalRecord &rec, const float *x, const float *y, int n) {
    const CurveState &c = rec.curve;
    const bool gaps = c.igapcrv == 1;
    float d = (x[1] - x[0]) / 2.0f;
    moveTo(rec, x[0] - d, y[0]);
    drawTo(rec, x[0], y[0]);
    bool lastHalfStep = true;
    for (int i = 1; i < n; ++i) {
        if (gaps && x[i] - x[i - 1] > c.xgapcrv) {
            moveTo(rec, x[i], y[i]);
            if (i == n - 1) lastHalfStep = false;
            continue;
        }
        d = (x[i] - x[i - 1]) / 2.0f;
        drawTo(rec, x[i - 1] + d, y[i - 1]);
        drawTo(rec, x[i - 1] + d, y[i]);
        drawTo(rec, x[i], y[i]);
    }
    if (lastHalfStep) drawTo(rec, x[n - 1] + d, y[n - 1]);
}

void drawStairs(GlobalRecord &rec, const float *x, const float *y, int n) {
    const CurveState &c = rec.curve;
    const bool gaps = c.igapcrv == 1;
    moveTo(rec, x[0], y[0]);
    for (int i = 1; i < n; ++i) {
        if (gaps && x[i] - x[i - 1] > c.xgapcrv) {
            moveTo(rec, x[i], y[i]);
            continue;
        }
        drawTo(rec, x[i], y[i - 1]);
        drawTo(rec, x[i], y[i]);
    }
}

bool polarSystem(const GlobalRecord &rec) {
    return rec.axsys.igrftyp == 1;
}

// Stems rise from y = 0, in polar systems from the pole.
void drawStems(GlobalRecord &rec, const float *x, const float *y, int n) {
    const bool fromPole = polarSystem(rec);
    for (int i = 0; i < n; ++i) {
        moveTo(rec, fromPole ? 0.0f : x[i], 0.0f);
        drawTo(rec, x[i], y[i]);
    }
}

// Bars from the bottom of the axis system to each point: a fraction of the
// first x interval wide, or a width in plot units; filled bars take the
// solid pattern.
// Bars of polar systems: sectors from the pole to each point's radius, a
// fraction of the first angle interval wide or a width in degrees.
void drawSectors(GlobalRecord &rec, const float *x, const float *y, int n, bool fill) {
    const CurveState &c = rec.curve;
    const float w = c.xbarwth > 0.0f ? (n > 1 ? (y[1] - y[0]) * c.xbarwth / 2.0f : 0.0f)
                                     : std::fabs(c.xbarwth) * rec.core.xdegrad / 2.0f;
    const int pattern = rec.fill.nshdpat;
    if (fill) selectPattern(rec, kSolidPattern);
    for (int i = 0; i < n; ++i) {
        float bx[3], by[3];
        qqrel2(rec, 0.0f, 0.0f, bx[0], by[0]);
        qqrel2(rec, x[i], y[i] + w, bx[1], by[1]);
        qqrel2(rec, x[i], y[i] - w, bx[2], by[2]);
        if (fill) dareaf(rec, bx, by, 3);
        strtqq(rec, bx[0], by[0]);
        connqq(rec, bx[1], by[1]);
        connqq(rec, bx[2], by[2]);
        connqq(rec, bx[0], by[0]);
    }
    if (fill) selectPattern(rec, pattern);
}

void drawBars(GlobalRecord &rec, const float *x, const float *y, int n, bool fill) {
    if (polarSystem(rec)) {
        drawSectors(rec, x, y, n, fill);
        return;
    }
    const CurveState &c = rec.curve;
    const AxisSystemState &s = rec.axsys;
    const bool relative = c.xbarwth > 0.0f;
    const float w =
        relative ? (n > 1 ? (x[1] - x[0]) * c.xbarwth / 2.0f : 0.0f) : std::fabs(c.xbarwth) / 2.0f;
    const float bottom = rec.axes.ilogax[1] == 1 ? std::pow(10.0f, s.xgrfy[0]) : s.xgrfy[0];
    const int pattern = rec.fill.nshdpat;
    if (fill) selectPattern(rec, kSolidPattern);
    for (int i = 0; i < n; ++i) {
        float bx[4], by[4];
        if (relative) {
            qqrel2(rec, x[i] - w, bottom, bx[0], by[0]);
            qqrel2(rec, x[i] - w, y[i], bx[1], by[1]);
            qqrel2(rec, x[i] + w, y[i], bx[2], by[2]);
            qqrel2(rec, x[i] + w, bottom, bx[3], by[3]);
        } else {
            float px, py;
            qqrel2(rec, x[i], y[i], px, py);
            bx[0] = bx[1] = px - w;
            bx[2] = bx[3] = px + w;
            by[0] = by[3] = float(s.naxspos[1]);
            by[1] = by[2] = py;
        }
        if (fill) dareaf(rec, bx, by, 4);
        strtqq(rec, bx[0], by[0]);
        for (int k = 1; k < 4; ++k)
            connqq(rec, bx[k], by[k]);
    }
    if (fill) selectPattern(rec, pattern);
}

// One stroke of the whole curve in its mode.
void drawStroke(GlobalRecord &rec, const float *x, const float *y, int n,
                const SplinePoints &spline, bool fillBars) {
    switch (CurveMode(rec.curve.ipolcrv)) {
    case CurveMode::line: drawPolyline(rec, x, y, n); break;
    case CurveMode::step: drawSteps(rec, x, y, n); break;
    case CurveMode::stai: drawStairs(rec, x, y, n); break;
    case CurveMode::stem: drawStems(rec, x, y, n); break;
    case CurveMode::bars: drawBars(rec, x, y, n, false); break;
    case CurveMode::fbar: drawBars(rec, x, y, n, fillBars); break;
    case CurveMode::spli:
    case CurveMode::pspl: {
        // The interpolated points joined, gaps or not.
        moveTo(rec, spline.x[0], spline.y[0]);
        for (int i = 1; i < spline.count; ++i)
            drawTo(rec, spline.x[i], spline.y[i]);
        break;
    }
    }
}

bool allowedInPolarSystems(CurveMode mode) {
    return mode == CurveMode::line || mode == CurveMode::bars || mode == CurveMode::stem ||
           mode == CurveMode::fbar;
}

} // namespace

extern "C" void curve(const float *x, const float *y, int n) {
    GlobalRecord *recp = jqqlev(2, 3, "curve");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    CurveState &c = rec.curve;
    c.ilegpat = 0;
    const bool lines = c.nincmrk >= 0;
    if (n < 1 || (n == 1 && lines) || x == nullptr || y == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const CurveMode mode = CurveMode(c.ipolcrv);
    if (polarSystem(rec) && !allowedInPolarSystems(mode)) {
        qqserr("Bad interpolation method for polar scaling");
        warnin(Warning::ownText);
        return;
    }
    if (jqqlog(rec, x, y, n) != 0) return;
    // Splines are interpolated first: a curve that cannot be one draws nothing.
    SplinePoints spline;
    if (lines && (mode == CurveMode::spli || mode == CurveMode::pspl) &&
        !bspllx(rec, x, y, n, spline))
        return;

    LineState &line = rec.line;
    const CurvePen saved = beginCurvePen(rec);
    chkscl(rec, x, y, n);
    rec.msg.ichkpnt = 0;
    sclpax(rec, 0);

    if (c.nincmrk != 0) {
        const long long every = c.nincmrk < 0 ? -(long long)c.nincmrk : c.nincmrk;
        for (long long i = 0; i < n; i += every) {
            float xp, yp;
            qqrel2(rec, x[i], y[i], xp, yp);
            dsymbl(rec, c.nmarker, roundAddHalf(xp), roundAddHalf(yp));
        }
    }
    if (lines) {
        const float units = rec.page.xunits;
        int strokes = truncToInt(float(c.nthkcrv) * units + 0.5f);
        if (strokes < 1) strokes = 1;
        for (int j = 1; j <= strokes; ++j) {
            // Offsets 0, 1, -1, 2, -2 ... base units.
            line.xlinoff = float((j % 2 == 1 ? -j : j) / 2) / units;
            inityp(rec);
            drawStroke(rec, x, y, n, spline, j == 1);
        }
        qqstrk(rec);
        line.xlinoff = 0.0f;
    }

    sclpax(rec, 1);
    endCurvePen(rec, saved);
}
