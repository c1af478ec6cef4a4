// The plain 2-D axis system: graf opens it (level 1 to 2), endgrf closes any
// axis system. The checks of an axis (erraxs), the transformation (sxyscl) and
// the side restrictions of setgrf (sgrafp) serve the other axis systems too.
#include "graphics2d/axis_system.h"

#include <cmath>
#include <utility>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/curves.h"
#include "graphics2d/scaling.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

int erraxs(GlobalRecord &rec, float a, float e, float orig, float step, int n, int ix, int iy) {
    const float eps = rec.core.xeps;
    int unusable = 0;
    // Limits and steps that are no numbers, or infinite, are as unusable as
    // equal limits and a zero step.
    if (!std::isfinite(a) || !std::isfinite(e) || !(std::fabs(e - a) >= eps)) {
        warnin(Warning::equalScalingLimits);
        unusable = 1;
    }
    if (!std::isfinite(step) || !(std::fabs(step) >= eps)) {
        warnin(Warning::zeroStep);
        unusable = 1;
    }
    if (n <= 1) {
        warnin(Warning::axisTooShort);
        unusable = 1;
    }
    if (pageSum(ix, rec.page.nxorg) < 0) warni1(Warning::xOutOfPage, pageSum(ix, rec.page.nxorg));
    if (pageSum(iy, rec.page.nyorg) < 0) warni1(Warning::yOutOfPage, pageSum(iy, rec.page.nyorg));
    if (!(orig >= std::fmin(a, e) && orig <= std::fmax(a, e))) {
        warnin(Warning::startLabelOutOfScaling);
        if (!std::isfinite(orig)) unusable = 1;
    }
    if ((e > a && step < 0.0f) || (e <= a && step > 0.0f)) warnin(Warning::incorrectStepSign);
    return unusable;
}

namespace {

// One axis of sxyscl: axis values, scale, origin and user limits.
void scaleAxis(GlobalRecord &rec, int axis, float a, float e, float orig, float step, float *grf) {
    AxisSystemState &s = rec.axsys;
    grf[0] = a;
    grf[1] = e;
    grf[2] = orig;
    grf[3] = step;
    s.xsclxy[axis] = float(s.naxslen[axis] - 1) / (e - a);
    s.xaxsorg[axis] = float(s.naxspos[axis]);
    userLimits(rec.axes, axis, a, e, s.xusrwin[2 * axis], s.xusrwin[2 * axis + 1]);
}

} // namespace

void userLimits(const AxisOptionState &o, int axis, float a, float e, float &lo, float &hi) {
    lo = a;
    hi = e;
    if (o.ilogax[axis] == 1) {
        if (o.isetscl[axis] == 1) {
            lo = o.xsclmin[axis];
            hi = o.xsclmax[axis];
        } else {
            lo = std::pow(10.0f, a);
            hi = std::pow(10.0f, e);
        }
    }
    if (lo > hi) std::swap(lo, hi);
}

void sxyscl(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
            float yor, float ystp) {
    scaleAxis(rec, 0, xa, xe, xor_, xstp, rec.axsys.xgrfx);
    scaleAxis(rec, 1, ya, ye, yor, ystp, rec.axsys.xgrfy);
}

void sgrafp(GlobalRecord &rec, int side, int mode) {
    AxisSystemState &s = rec.axsys;
    AxisOptionState &o = rec.axes;
    const int axis = (side == 1 || side == 3) ? 0 : 1;
    if (mode == 0) {
        s.isavlin = o.inoline[axis];
        s.isavtic = o.nticks[axis];
        s.isavlab = o.ilabels[axis];
        qqcopy(s.csavnam, o.caxname[axis]);
        const SideLevel allowed = SideLevel(s.isetgrf[side - 1]);
        if (allowed < SideLevel::name) s.csavnam[0] = '\0';
        if (allowed < SideLevel::label) s.isavlab = 0;
        if (allowed < SideLevel::tick) s.isavtic = 0;
        if (allowed == SideLevel::none) s.isavlin = 0;
    }
    std::swap(s.isavlin, o.inoline[axis]);
    std::swap(s.isavtic, o.nticks[axis]);
    std::swap(s.isavlab, o.ilabels[axis]);
    std::swap(s.csavnam, o.caxname[axis]);
}

namespace {

// The axis of one side, drawn with what setgrf allows it.
void drawSide(GlobalRecord &rec, int side, const float *grf, int length, int sideFlag, int x0,
              int y0, int axis) {
    sgrafp(rec, side, 0);
    daxis(rec, grf[0], grf[1], grf[2], grf[3], length, rec.axes.caxname[axis - 1], sideFlag, x0, y0,
          rec.axes.ilogax[axis - 1], axis);
    sgrafp(rec, side, 1);
}

// The crossed system's origin: given by axsorg (the corner follows from it) or
// the plot position of the user origin. False when the user origin lies
// outside the user window.
bool placeCrossedOrigin(GlobalRecord &rec, float xa, float xe, float ya, float ye) {
    AxisSystemState &s = rec.axsys;
    const float eps = rec.core.xeps;
    const float *w = s.xusrwin;
    if (!(w[0] - eps <= 0.0f && 0.0f <= w[1] + eps && w[2] - eps <= 0.0f && 0.0f <= w[3] + eps)) {
        qqserr("No origin found for crossed axis system");
        warnin(Warning::ownText);
        return false;
    }
    if (s.iaxspos == 1) {
        const float lx = float(s.naxslen[0]), ly = float(s.naxslen[1]);
        s.naxspos[0] = truncToInt((lx - 1.0f) * xa / (xe - xa)) + s.naxsorg[0];
        s.naxspos[1] = truncToInt(ly - (ly - 1.0f) * ye / (ye - ya)) + s.naxsorg[1] - 1;
        s.xaxsorg[0] = float(s.naxspos[0]);
        s.xaxsorg[1] = float(s.naxspos[1]);
    } else {
        float xp = 0, yp = 0;
        qqrel2(rec, 0.0f, 0.0f, xp, yp);
        s.naxsorg[0] = roundAddHalf(xp);
        s.naxsorg[1] = roundAddHalf(yp);
    }
    return true;
}

} // namespace

void openPlainAxisSystem(GlobalRecord &rec, float xa, float xe, float xorg, float xstp, float ya,
                         float ye, float yorg, float ystp) {
    AxisSystemState &s = rec.axsys;
    rec.core.ilevel = 2;
    s.igrftyp = 0;
    gscale(rec, xa, xe, xorg, xstp, 1);
    gscale(rec, ya, ye, yorg, ystp, 2);
    const int bad = erraxs(rec, xa, xe, xorg, xstp, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg) +
                    erraxs(rec, ya, ye, yorg, ystp, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg);
    if (bad != 0) {
        rec.core.ilevel = 1;
        return;
    }
    const bool crossed = s.iaxstyp == 1;
    if (crossed && (rec.axes.ilogax[0] == 1 || rec.axes.ilogax[1] == 1)) {
        qqserr("Crossed axis systems must have linear scaling");
        warnin(Warning::ownText);
        rec.core.ilevel = 1;
        return;
    }
    sxyscl(rec, xa, xe, xorg, xstp, ya, ye, yorg, ystp);
    if (crossed && !placeCrossedOrigin(rec, xa, xe, ya, ye)) {
        rec.core.ilevel = 1;
        return;
    }
    // An axis system on the 3-D plane is placed by the plane, not centred on the page.
    if (s.icenter == 1 && rec.view3d.ipln3d != 1) {
        newori(rec);
        s.icenter = 2;
    }
    setclp(rec);
    if (s.inograf != 0) return;

    const int cx = s.naxspos[0], cy = s.naxspos[1];
    const int lx = s.naxslen[0], ly = s.naxslen[1];
    if (s.naxsbgd != -1) colourBox(rec, cx, cy - ly + 1, cx + lx - 1, cy, s.naxsbgd);
    if (crossed) {
        drawSide(rec, 1, s.xgrfx, lx, 0, cx, s.naxsorg[1], 1);
        drawSide(rec, 4, s.xgrfy, ly, 1, s.naxsorg[0], cy, 2);
        return;
    }
    drawSide(rec, 1, s.xgrfx, lx, 0, cx, cy, 1);
    drawSide(rec, 4, s.xgrfy, ly, 1, cx, cy, 2);
    if (s.iax2grf != 1) {
        drawSide(rec, 3, s.xgrfx, lx, 1, cx, cy - ly + 1, 1);
        drawSide(rec, 2, s.xgrfy, ly, 0, cx + lx - 1, cy, 2);
    }
    if (rec.frame.nframe != 0) dframe(rec, cx, cy - ly + 1, lx, ly, rec.frame.nframe, 0.0f);
}

extern "C" void graf(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                     float ystp) {
    GlobalRecord *rec = jqqlev(1, 1, "graf");
    if (rec != nullptr) openPlainAxisSystem(*rec, xa, xe, xorg, xstp, ya, ye, yorg, ystp);
}

void clearAxisSystemCounters(GlobalRecord &rec) {
    rec.contour.ncrvnum = 0;
    rec.bar.ncrvcnt = 0;
    rec.shdcrv.nshdcnt = 0;
    rec.legend.nlegcrv = 0;
    rec.curve.nlegcrv = 1;
}

extern "C" void endgrf(void) {
    GlobalRecord *rec = jqqlev(1, 3, "endgrf");
    if (rec == nullptr) return;
    if (rec->clip.iclpbor == 2) {
        rec->clip.iclpbor = 0;
        sclpax(*rec, 1);
    }
    rec->axsys.igraf3 = 0;
    clearAxisSystemCounters(*rec);
    resetCurveAttributes(*rec);
    rec->core.ilevel = 1;
    sendbf();
}
