// polar: the polar axis system, a circle in which user x is a radius and user
// y an angle, with two radius axes through its centre and the angle axis
// round it; polmod: where angle 0 lies and which way angles grow.
#include <algorithm>
#include <cstdlib>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/polar.h"
#include "graphics2d/scaling.h"
#include "kavlor.h"
#include "kernel/figures.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// Automatic scaling: the radius from 0 to the data maximum, angle labels
// every 30 degrees as integers.
void scalePolarAxes(GlobalRecord &rec, float &xe, float &xorg, float &xstp, float &yorg,
                    float &ystp) {
    AxisOptionState &o = rec.axes;
    if (o.isetscl[0] == 1) {
        const float minimum = o.xsclmin[0];
        o.xsclmin[0] = 0.0f;
        float xa = 0.0f;
        gscale(rec, xa, xe, xorg, xstp, 1);
        o.xsclmin[0] = minimum;
    }
    if (o.isetscl[1] == 1) {
        yorg = 0.0f;
        ystp = 30.0f;
        o.ndigits[1] = -1;
    }
}

// One radius axis through the centre with the X axis values.
void drawRadiusAxis(GlobalRecord &rec, int length, const char *name, int sideFlag, int x0, int y0,
                    int axis) {
    const float *grf = rec.axsys.xgrfx;
    daxis(rec, grf[0], grf[1], grf[2], grf[3], length, name, sideFlag, x0, y0, 0, axis);
}

// Frame circles: outwards (inwards for a negative frame) from the angle
// axis's circle, which is itself the frame of thickness 1 when its line is on.
void drawFrameCircles(GlobalRecord &rec, int cx, int cy, int radius) {
    const int frame = rec.frame.nframe;
    // Circles beyond the page are not drawn.
    const int page = std::max(rec.page.nxpage, rec.page.nypage);
    int n = page;
    if (frame < -page || frame > page)
        warnNotSeen("Frame thicker than the page");
    else
        n = std::abs(frame);
    if (n == 0 || (n == 1 && rec.axes.inoline[1] != 0)) return;
    PartColour colour(rec, rec.frame.nfrmclr);
    for (int i = 0; i < n; ++i) {
        const int r = frame < 0 ? radius - i : radius + i;
        if (r >= 1) elpsln(rec, cx, cy, r, r, 0.0f, 360.0f, 0.0f, 0, 0);
    }
}

void drawPolarSystem(GlobalRecord &rec, int d) {
    AxisSystemState &s = rec.axsys;
    const int cx = s.naxsorg[0], cy = s.naxsorg[1];
    const int left = truncToInt(s.xaxsorg[0]), bottom = truncToInt(s.xaxsorg[1]);
    const int pattern = rec.fill.nshdpat;
    if (s.naxsbgd != -1) {
        PartColour colour(rec, s.naxsbgd);
        selectPattern(rec, kSolidPattern);
        elpsln(rec, cx, cy, d / 2, d / 2, 0.0f, 360.0f, 0.0f, 0, 0);
        selectPattern(rec, pattern);
    }
    sgrafp(rec, 1, 0);
    drawRadiusAxis(rec, d, rec.axes.caxname[0], 0, left, cy, 1);
    sgrafp(rec, 1, 1);
    // The vertical radius axis is an X axis drawn upwards: the X options, as
    // the top side allows them, stand in for the Y options while it is drawn.
    sgrafp(rec, 3, 0);
    char name[kAxisNameLength + 1];
    qqcopy(name, rec.axes.caxname[0]);
    swapxy(rec, 1, 2);
    drawRadiusAxis(rec, d, name, 1, cx, bottom, 2);
    swapxy(rec, 1, 2);
    sgrafp(rec, 3, 1);
    selectPattern(rec, 0);
    qqypax(rec, 0.0f, 360.0f, s.xgrfy[2], s.xgrfy[3], cx, cy, d / 2, rec.axes.caxname[1]);
    drawFrameCircles(rec, cx, cy, d / 2);
    selectPattern(rec, pattern);
}

} // namespace

extern "C" void polar(float xe, float xorg, float xstp, float yorg, float ystp) {
    GlobalRecord *recp = jqqlev(1, 1, "polar");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    AxisSystemState &s = rec.axsys;
    rec.core.ilevel = 2;
    s.igrftyp = 1;
    if (rec.axes.ilogax[0] == 1 || rec.axes.ilogax[1] == 1) {
        qqserr("Polar axis systems must have linear scaling");
        warnin(Warning::ownText);
        rec.core.ilevel = 1;
        return;
    }
    scalePolarAxes(rec, xe, xorg, xstp, yorg, ystp);
    const int ix = 1 - rec.page.nxorg, iy = 1 - rec.page.nyorg;
    const int bad = erraxs(rec, 0.0f, xe, xorg, xstp, 2, ix, iy) +
                    erraxs(rec, 0.0f, 360.0f, yorg, ystp, 2, ix, iy);
    if (bad != 0) {
        rec.core.ilevel = 1;
        return;
    }

    const int lx = s.naxslen[0], ly = s.naxslen[1];
    const int d = std::min(lx, ly);
    s.naxslen[0] = s.naxslen[1] = d;
    sxyscl(rec, -xe, xe, xorg, xstp, 0.0f, 360.0f, yorg, ystp);
    s.naxslen[0] = lx;
    s.naxslen[1] = ly;
    if (s.iaxspos == 1) {
        s.naxspos[0] = s.naxsorg[0] - lx / 2;
        s.naxspos[1] = s.naxsorg[1] + ly / 2;
    } else {
        s.naxsorg[0] = s.naxspos[0] + lx / 2;
        s.naxsorg[1] = s.naxspos[1] - ly / 2;
    }
    // The transformation starts at the lower-left corner of the circle's square.
    s.xaxsorg[0] = float(s.naxspos[0] + (lx - d) / 2);
    s.xaxsorg[1] = float(s.naxspos[1] - (ly - d) / 2);
    if (s.icenter == 1 && rec.view3d.ipln3d != 1) {
        newori(rec);
        s.icenter = 2;
    }
    setclp(rec);
    if (s.inograf != 0) return;
    s.naxslen[0] = s.naxslen[1] = d;
    drawPolarSystem(rec, d);
    s.naxslen[0] = lx;
    s.naxslen[1] = ly;
}

extern "C" void polmod(const char *corig, const char *cdir) {
    GlobalRecord &rec = chkini("polmod");
    const int origin = jqqind("RIGH+TOP +LEFT+BOTT", 4, corig);
    if (origin != 0) rec.polar.ipolmod[0] = origin - 1;
    const int direction = jqqind("ANTI+CLOC", 2, cdir);
    if (direction != 0) rec.polar.ipolmod[1] = direction - 1;
}
