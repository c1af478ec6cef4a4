// Lines on maps: movemp, drawmp and pjdraw carry a line through the
// projection in the modes of mapmod; curvmp draws a whole curve of map points
// with the attributes of curve.
#include "graphics2d/map_lines.h"

#include <algorithm>
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/curve_pen.h"
#include "graphics2d/curves.h"
#include "graphics2d/map_projections.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Steps of one interpolated segment at most: a degree each round the globe
// ten times over; far points off the globe take longer steps.
constexpr int kMaxSteps = 3600;

constexpr double kDegrees = 57.29577951308232;

void setLast(MapState &m, float x, float y) {
    m.xmaplast[0] = x;
    m.xmaplast[1] = y;
}

// Steps of about a degree in longitude and latitude.
void interpolated(GlobalRecord &rec, float x, float y) {
    const float x0 = rec.map.xmaplast[0], y0 = rec.map.xmaplast[1];
    const int k =
        std::min(truncToInt(std::sqrt((x0 - x) * (x0 - x) + (y0 - y) * (y0 - y))), kMaxSteps);
    if (k == 0) {
        pjdraw(rec, x, y);
        return;
    }
    const float dx = (x - x0) / float(k), dy = (y - y0) / float(k);
    for (int i = 1; i <= k; ++i)
        pjdraw(rec, x0 + float(i) * dx, y0 + float(i) * dy);
    setLast(rec.map, x, y);
    pjdraw(rec, x, y);
}

struct UnitVector {
    double x, y, z;
};

UnitVector unitVector(float lon, float lat) {
    const double l = lon / kDegrees, p = lat / kDegrees;
    return {std::cos(p) * std::cos(l), std::cos(p) * std::sin(l), std::sin(p)};
}

// Steps of about a degree along the shorter great circle. Longitudes run on
// continuously from the start, so that a line across the date line stays
// whole; the pen then moves to the end as given when it lies a turn away.
// Opposite points have no single great circle: they are interpolated.
void greatCircle(GlobalRecord &rec, float x, float y) {
    const float x0 = rec.map.xmaplast[0], y0 = rec.map.xmaplast[1];
    const UnitVector a = unitVector(x0, y0), b = unitVector(x, y);
    const double cx = a.y * b.z - a.z * b.y, cy = a.z * b.x - a.x * b.z, cz = a.x * b.y - a.y * b.x;
    const double sine = std::sqrt(cx * cx + cy * cy + cz * cz);
    const double omega = std::atan2(sine, a.x * b.x + a.y * b.y + a.z * b.z);
    const int k = std::min(truncToInt(float(omega * kDegrees)), kMaxSteps);
    if (k == 0) {
        pjdraw(rec, x, y);
        return;
    }
    if (sine < 1.0e-9) {
        interpolated(rec, x, y);
        return;
    }
    double lon = x0;
    for (int i = 1; i <= k; ++i) {
        const double t = double(i) / k;
        const double fa = std::sin((1.0 - t) * omega) / sine, fb = std::sin(t * omega) / sine;
        const double px = fa * a.x + fb * b.x, py = fa * a.y + fb * b.y, pz = fa * a.z + fb * b.z;
        double l = std::atan2(py, px) * kDegrees;
        l += 360.0 * std::round((lon - l) / 360.0);
        lon = l;
        pjdraw(rec, float(l), float(std::asin(std::clamp(pz, -1.0, 1.0)) * kDegrees));
    }
    if (std::fabs(lon - double(x)) > 1.0e-3) movemp(rec, x, y);
    setLast(rec.map, x, y);
}

} // namespace

void movemp(GlobalRecord &rec, float x, float y) {
    setLast(rec.map, x, y);
    float xp = 0, yp = 0;
    qqpos2(rec, x, y, xp, yp);
    strtqq(rec, xp, yp);
}

void pjdraw(GlobalRecord &rec, float x, float y) {
    MapState &m = rec.map;
    float xp = 0, yp = 0;
    if (!projectedMap(rec) || mapFamily(m.iprojct) != MapFamily::azimuthal) {
        const bool torn = mapLineTorn(rec, m.xmaplast[0], m.xmaplast[1], x, y);
        setLast(m, x, y);
        qqpos2(rec, x, y, xp, yp);
        if (torn)
            strtqq(rec, xp, yp);
        else
            connqq(rec, xp, yp);
        return;
    }
    float theta1 = m.xmaplast[0], gamma1 = m.xmaplast[1];
    float theta2 = x, gamma2 = y;
    setLast(m, x, y);
    azipxy(rec, theta1, gamma1);
    azipxy(rec, theta2, gamma2);
    const int cut = aziclp(rec, gamma1, gamma2);
    if (cut < 0) return;
    if (cut == 1) {
        // The line enters or leaves the cap: it starts anew at its first end.
        azimuthalPosition(rec, theta1, gamma1, xp, yp);
        strtqq(rec, xp, yp);
    }
    azimuthalPosition(rec, theta2, gamma2, xp, yp);
    connqq(rec, xp, yp);
}

void drawmp(GlobalRecord &rec, float x, float y) {
    const MapLineMode mode = MapLineMode(rec.map.imapmod);
    if (rec.map.iprojct == projection::kLinear || mode == MapLineMode::straight)
        pjdraw(rec, x, y);
    else if (mode == MapLineMode::interpolated)
        interpolated(rec, x, y);
    else
        greatCircle(rec, x, y);
}

extern "C" void curvmp(const float *xray, const float *yray, int n) {
    GlobalRecord *recp = jqqlev(2, 3, "curvmp");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(xray, yray)) return;
    if (jqqlog(rec, xray, yray, n) != 0) return;
    CurveState &c = rec.curve;
    c.ilegpat = 0;
    const CurvePen saved = beginCurvePen(rec);
    chkscl(rec, xray, yray, n);
    rec.msg.ichkpnt = 0;
    AxisClip clip(rec);
    if (c.nincmrk != 0) {
        const long long every = c.nincmrk < 0 ? -(long long)c.nincmrk : c.nincmrk;
        for (long long i = 0; i < n; i += every) {
            float xp = 0, yp = 0;
            qqpos2(rec, xray[i], yray[i], xp, yp);
            dsymbl(rec, c.nmarker, roundAddHalf(xp), roundAddHalf(yp));
        }
    }
    if (c.nincmrk >= 0) {
        LineState &line = rec.line;
        const float units = rec.page.xunits;
        const int strokes = std::max(truncToInt(float(c.nthkcrv) * units + 0.5f), 1);
        for (int j = 1; j <= strokes; ++j) {
            // Offsets 0, 1, -1, 2, -2 ... base units, alternating sides.
            line.xlinoff = float((j % 2 == 1 ? -j : j) / 2) / units;
            inityp(rec);
            // Map curves join their points with lines whatever the curve mode.
            if (CurveMode(c.ipolcrv) != CurveMode::line) warnin(Warning::linearInterpolationNeeded);
            movemp(rec, xray[0], yray[0]);
            for (int i = 1; i < n; ++i)
                drawmp(rec, xray[i], yray[i]);
        }
        qqstrk(rec);
        line.xlinoff = 0.0f;
    }
    endCurvePen(rec, saved);
}
