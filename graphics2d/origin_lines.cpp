// Lines and unlabelled axes through the user origin of a 2-D axis system.
#include "graphics2d/axis_drawing.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

enum OriginLines { horizontalOnly = 1, verticalOnly = 2, both = 3 };

// Zero strictly inside [lo, hi], by more than the record's epsilon: an
// origin on the border of the axis system would only retrace it.
bool zeroInside(const GlobalRecord &rec, float lo, float hi) {
    const float eps = rec.core.xeps;
    return lo + eps < 0.0f && hi - eps > 0.0f;
}

// Plain lines y = 0 and x = 0 across the whole axis system.
void daxgit(GlobalRecord &rec, int mode) {
    const AxisSystemState &s = rec.axsys;
    rec.page.iusrdrw = 1;
    if (mode != verticalOnly && zeroInside(rec, s.xusrwin[2], s.xusrwin[3])) {
        float xp, yp;
        qqrel2(rec, s.xgrfx[0], 0.0f, xp, yp);
        strtqq(rec, float(s.naxspos[0]), yp);
        connqq(rec, float(s.naxspos[0] + s.naxslen[0] - 1), yp);
    }
    if (mode != horizontalOnly && zeroInside(rec, s.xusrwin[0], s.xusrwin[1])) {
        float xp, yp;
        qqrel2(rec, 0.0f, s.xgrfy[0], xp, yp);
        strtqq(rec, xp, float(s.naxspos[1]));
        connqq(rec, xp, float(s.naxspos[1] - s.naxslen[1] + 1));
    }
    qqstrk(rec);
    rec.page.iusrdrw = 0;
}

// One axis through the origin: ticks as the axis has them, no labels, no name.
void drawCrossingAxis(GlobalRecord &rec, int axis, const float *grf, int x0, int y0) {
    int &kind = rec.axes.ilabels[axis - 1];
    const int savedKind = kind;
    kind = int(LabelKind::none);
    daxis(rec, grf[0], grf[1], grf[2], grf[3], rec.axsys.naxslen[axis - 1], "", 0, x0, y0,
          rec.axes.ilogax[axis - 1], axis);
    kind = savedKind;
}

void dcross(GlobalRecord &rec, int mode) {
    const AxisSystemState &s = rec.axsys;
    if (mode != verticalOnly && zeroInside(rec, s.xusrwin[2], s.xusrwin[3])) {
        float xp, yp;
        qqrel2(rec, s.xgrfx[0], 0.0f, xp, yp);
        drawCrossingAxis(rec, 1, s.xgrfx, s.naxspos[0], roundAddHalf(yp));
    }
    if (mode != horizontalOnly && zeroInside(rec, s.xusrwin[0], s.xusrwin[1])) {
        float xp, yp;
        qqrel2(rec, 0.0f, s.xgrfy[0], xp, yp);
        drawCrossingAxis(rec, 2, s.xgrfy, roundAddHalf(xp), s.naxspos[1]);
    }
    qqstrk(rec);
}

void originLines(const char *name, int mode) {
    if (GlobalRecord *rec = jqqlev(2, 3, name)) daxgit(*rec, mode);
}

void originAxes(const char *name, int mode) {
    if (GlobalRecord *rec = jqqlev(2, 3, name)) dcross(*rec, mode);
}

} // namespace

extern "C" void axgit(void) {
    originLines("axgit", both);
}
extern "C" void xaxgit(void) {
    originLines("xaxgit", horizontalOnly);
}
extern "C" void yaxgit(void) {
    originLines("yaxgit", verticalOnly);
}
extern "C" void cross(void) {
    originAxes("cross", both);
}
extern "C" void xcross(void) {
    originAxes("xcross", horizontalOnly);
}
extern "C" void ycross(void) {
    originAxes("ycross", verticalOnly);
}
