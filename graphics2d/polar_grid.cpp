// grdpol: a polar grid of circles about the origin at the radius labels and
// of rays from it, in polar systems and in plain systems that contain the
// user origin. Rays start at the right and turn counter-clockwise whatever
// polmod sets.
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/figures.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

bool originInUserWindow(const GlobalRecord &rec) {
    const float eps = rec.core.xeps;
    const float *w = rec.axsys.xusrwin;
    return w[0] - eps <= 0.0f && 0.0f <= w[1] + eps && w[2] - eps <= 0.0f && 0.0f <= w[3] + eps;
}

// The distance in plot units from the centre to the user point (x, 0), taken
// + 0.5 and truncated. Measured as a distance, not along x, so that a polar
// system whose angle 0 polmod turns away from the right keeps its grid.
int radiusOf(const GlobalRecord &rec, float x, int cx, int cy) {
    float xp = 0.0f, yp = 0.0f;
    qqrel2(rec, x, 0.0f, xp, yp);
    const int dx = roundAddHalf(xp) - cx, dy = roundAddHalf(yp) - cy;
    return roundAddHalf(std::hypot(float(dx), float(dy)));
}

void drawCircles(GlobalRecord &rec, int cx, int cy, int perInterval) {
    const float *grf = rec.axsys.xgrfx;
    const float r = grf[3] / float(perInterval);
    const int count = truncToInt(grf[1] / r + 0.0001f);
    if (!marksFit(count, radiusOf(rec, grf[1], cx, cy))) {
        warnNotSeen("Grid circles closer than a plot unit");
        return;
    }
    for (int k = 1; k <= count; ++k) {
        const int radius = radiusOf(rec, float(k) * r, cx, cy);
        if (radius != 0) elpsln(rec, cx, cy, radius, radius, 0.0f, 360.0f, 0.0f, 0, 0);
    }
}

void drawRays(GlobalRecord &rec, int cx, int cy, int rays) {
    const float a = 360.0f / float(rays) * rec.core.xdegrad;
    const float reach = float(radiusOf(rec, rec.axsys.xgrfx[1], cx, cy));
    if (!marksFit(rays, truncToInt(2.0f * 3.1415927f * reach))) {
        warnNotSeen("Grid rays closer than a plot unit");
        return;
    }
    for (int k = 1; k <= rays; ++k) {
        const float t = float(k) * a;
        lineqq(rec, cx, cy, truncToInt(float(cx) + reach * std::cos(t)),
               truncToInt(float(cy) - reach * std::sin(t)));
    }
}

} // namespace

extern "C" void grdpol(int igrid, int jgrid) {
    GlobalRecord *recp = jqqlev(2, 3, "grdpol");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // A negative count is reported; it then draws nothing.
    if (igrid < 0) warni1(Warning::incorrectParameter, igrid);
    if (jgrid < 0) warni1(Warning::incorrectParameter, jgrid);
    if (rec.axes.ilogax[0] == 1 || rec.axes.ilogax[1] == 1) {
        qqserr("Non linear scaling");
        warnin(Warning::ownText);
        return;
    }
    const bool polarSystem = rec.axsys.igrftyp == 1;
    if (!polarSystem && !originInUserWindow(rec)) {
        qqserr("No origin found in axis system scaling");
        warnin(Warning::ownText);
        return;
    }
    const int pattern = rec.fill.nshdpat;
    if (pattern != 0) selectPattern(rec, 0);
    int cx = rec.axsys.naxsorg[0], cy = rec.axsys.naxsorg[1];
    if (!polarSystem) {
        float xp = 0.0f, yp = 0.0f;
        qqrel2(rec, 0.0f, 0.0f, xp, yp);
        cx = roundAddHalf(xp);
        cy = roundAddHalf(yp);
        sclpax(rec, 0);
    }
    if (igrid > 0) drawCircles(rec, cx, cy, igrid);
    if (jgrid > 0) drawRays(rec, cx, cy, jgrid);
    if (!polarSystem) sclpax(rec, 1);
    if (pattern != 0) selectPattern(rec, pattern);
}
