// User-to-plot transformations of the axis systems and their public forms:
// xposn, yposn, x2dpos, y2dpos, pos2pt, xinvrs, yinvrs, nxposn, nyposn, trfrel.
#include "graphics2d/transforms.h"

#include <cmath>
#include <cstdint>

#include "graphics2d/map_projections.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// A value of axis 0 (X) or 1 (Y) as the linear transformation takes it.
float axisValue(const GlobalRecord &rec, int axis, float v, bool neglogAllowed) {
    if (rec.axes.ilogax[axis] != 1) return v;
    if (neglogAllowed && v <= 0.0f && rec.axes.ineglog == 1) return rec.axes.xneglog;
    return std::log10(v);
}

float plotX(const GlobalRecord &rec, float x) {
    const AxisSystemState &s = rec.axsys;
    return (x - s.xgrfx[0]) * s.xsclxy[0] + s.xaxsorg[0];
}

float plotY(const GlobalRecord &rec, float y) {
    const AxisSystemState &s = rec.axsys;
    return s.xaxsorg[1] - (y - s.xgrfy[0]) * s.xsclxy[1];
}

bool polar(const GlobalRecord &rec) {
    return rec.axsys.igrftyp == 1;
}

float powerOfTen(float v) {
    return std::pow(10.0f, v);
}

} // namespace

float userPageY(const GlobalRecord &rec, float yp) {
    if (rec.page.ipagorg == 1 && rec.page.iusrdrw != 1) return float(rec.page.nypage) - yp;
    return yp;
}

float polarScreenAngle(const GlobalRecord &rec, float angle) {
    const float quarter = rec.core.xpi / 2.0f;
    const float origin = float(rec.polar.ipolmod[0]) * quarter;
    if (PolarDirection(rec.polar.ipolmod[1]) == PolarDirection::clockwise)
        return 2.0f * rec.core.xpi - angle + origin;
    return origin + angle;
}

void qqrel2(const GlobalRecord &rec, float x, float y, float &xp, float &yp) {
    if (polar(rec)) {
        // x is the radius, y the angle in radians, about the centre of the circle.
        const float r = x * rec.axsys.xsclxy[0];
        const float theta = polarScreenAngle(rec, y);
        xp = std::cos(theta) * r + float(rec.axsys.naxsorg[0]);
        yp = float(rec.axsys.naxsorg[1]) - std::sin(theta) * r;
        return;
    }
    xp = clampPlot(plotX(rec, axisValue(rec, 0, x, true)));
    yp = clampPlot(plotY(rec, axisValue(rec, 1, y, true)));
}

void qqpos2(const GlobalRecord &rec, float x, float y, float &xp, float &yp) {
    if (projectedMap(rec))
        mapPosition(rec, x, y, xp, yp);
    else
        qqrel2(rec, x, y, xp, yp);
}

extern "C" float xposn(float x) {
    GlobalRecord *rec = jqqlev(2, 3, "xposn");
    if (rec == nullptr) return 0.0f;
    return plotX(*rec, axisValue(*rec, 0, x, false));
}

extern "C" float yposn(float y) {
    GlobalRecord *rec = jqqlev(2, 3, "yposn");
    if (rec == nullptr) return 0.0f;
    if (polar(*rec)) {
        qqserr("YPOSN does not work for polar axis systems");
        warnin(Warning::ownText);
        return 0.0f;
    }
    return userPageY(*rec, plotY(*rec, axisValue(*rec, 1, y, false)));
}

extern "C" float x2dpos(float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "x2dpos");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    qqpos2(*rec, x, y, xp, yp);
    return xp;
}

extern "C" float y2dpos(float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "y2dpos");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    qqpos2(*rec, x, y, xp, yp);
    return userPageY(*rec, yp);
}

extern "C" void pos2pt(float x, float y, float *xp, float *yp) {
    // No level check: the last axis system's values serve at any level, and a
    // thread without a record has nothing to convert.
    const GlobalRecord *rec = qqgglb();
    if (rec == nullptr) return;
    float px = 0, py = 0;
    qqpos2(*rec, x, y, px, py);
    *xp = px;
    *yp = userPageY(*rec, py);
}

extern "C" float xinvrs(int nx) {
    GlobalRecord *rec = jqqlev(2, 3, "xinvrs");
    if (rec == nullptr) return 0.0f;
    const AxisSystemState &s = rec->axsys;
    const float v = float(std::int64_t(nx) - s.naxspos[0]) / s.xsclxy[0] + s.xgrfx[0];
    return rec->axes.ilogax[0] == 1 ? powerOfTen(v) : v;
}

extern "C" float yinvrs(int ny) {
    GlobalRecord *rec = jqqlev(2, 3, "yinvrs");
    if (rec == nullptr) return 0.0f;
    const AxisSystemState &s = rec->axsys;
    const float v = float(s.naxspos[1] - std::int64_t(jqqyvl(*rec, ny))) / s.xsclxy[1] + s.xgrfy[0];
    return rec->axes.ilogax[1] == 1 ? powerOfTen(v) : v;
}

extern "C" int nxposn(float x) {
    GlobalRecord *rec = jqqlev(2, 3, "nxposn");
    if (rec == nullptr) return 0;
    return truncToInt(plotX(*rec, axisValue(*rec, 0, x, false)) + 0.5f);
}

extern "C" int nyposn(float y) {
    GlobalRecord *rec = jqqlev(2, 3, "nyposn");
    if (rec == nullptr) return 0;
    if (polar(*rec)) {
        qqserr("NYPOSN does not work for polar axis systems");
        warnin(Warning::ownText);
        return 0;
    }
    const AxisSystemState &s = rec->axsys;
    const int v =
        truncToInt(s.xaxsorg[1] + 0.5f - (axisValue(*rec, 1, y, false) - s.xgrfy[0]) * s.xsclxy[1]);
    return jqqyvl(*rec, v);
}

extern "C" void trfrel(float *x, float *y, int n) {
    GlobalRecord *rec = jqqlev(2, 3, "trfrel");
    if (rec == nullptr) return;
    if (n > 0 && (x == nullptr || y == nullptr)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    for (int i = 0; i < n; ++i) {
        float xp = 0, yp = 0;
        qqpos2(*rec, x[i], y[i], xp, yp);
        x[i] = xp;
        y[i] = userPageY(*rec, yp);
    }
}
