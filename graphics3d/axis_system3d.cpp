// graf3d: opens the 3-D axis system. It scales and checks the three axes,
// stores them with the user limits, places the projection in the area of the
// axis system, builds the view matrix and draws the axes of the box.
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/scaling.h"
#include "graphics3d/axes3d.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"

namespace {

// The limits of one axis: begin and end as graf3d took them, and the user
// minimum and maximum.
void storeAxisLimits(GlobalRecord &rec, int axis, float a, float e) {
    Projection3DState &v = rec.view3d;
    v.xgrf3d[axis][0] = a;
    v.xgrf3d[axis][1] = e;
    userLimits(rec.axes, axis, a, e, v.xusr3d[2 * axis], v.xusr3d[2 * axis + 1]);
}

// The origin shift that centres the axis system, without the label margins
// of a 2-D system (inograf 2 for the time of the shift).
void centre(GlobalRecord &rec) {
    AxisSystemState &s = rec.axsys;
    const int saved = s.inograf;
    s.inograf = 2;
    newori(rec);
    s.icenter = 2;
    s.inograf = saved;
}

} // namespace

extern "C" void graf3d(float xa, float xe, float xor_, float xstp, float ya, float ye, float yor,
                       float ystp, float za, float ze, float zor, float zstp) {
    GlobalRecord *recp = jqqlev(1, 1, "graf3d");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    AxisSystemState &s = rec.axsys;
    Projection3DState &v = rec.view3d;

    gscale(rec, xa, xe, xor_, xstp, 1);
    gscale(rec, ya, ye, yor, ystp, 2);
    gscale(rec, za, ze, zor, zstp, 3);

    // Every axis is checked so that each reports its faults; a step of 0 or
    // equal limits on any of them leave the level at 1.
    const int dx = 1 - rec.page.nxorg, dy = 1 - rec.page.nyorg;
    const int bad = erraxs(rec, xa, xe, xor_, xstp, 2, dx, dy) +
                    erraxs(rec, ya, ye, yor, ystp, 2, dx, dy) +
                    erraxs(rec, za, ze, zor, zstp, 2, dx, dy);
    if (bad != 0) return;

    const float first[3][2] = {{xor_, xstp}, {yor, ystp}, {zor, zstp}};
    for (int axis = 0; axis < 3; ++axis) {
        v.xgrf3d[axis][2] = first[axis][0];
        v.xgrf3d[axis][3] = first[axis][1];
    }
    rec.core.ilevel = 3;
    s.igrftyp = 3;

    // The projection fills the smaller side of the axis-system area.
    v.xprjcen[0] = float(s.naxspos[0]) + 0.5f * float(s.naxslen[0]);
    v.xprjcen[1] = float(s.naxspos[1]) - 0.5f * float(s.naxslen[1]);
    v.xprjscl = 0.5f * float(s.naxslen[0] < s.naxslen[1] ? s.naxslen[0] : s.naxslen[1]);

    storeAxisLimits(rec, 0, xa, xe);
    storeAxisLimits(rec, 1, ya, ye);
    storeAxisLimits(rec, 2, za, ze);

    if (s.icenter == 1) centre(rec);

    svuabs(rec, xa, xe, ya, ye, za, ze);
    qqgmat(v.xview3d[0], v.xview3d[1], v.xview3d[2], v.xfoc3d[0], v.xfoc3d[1], v.xfoc3d[2],
           v.xvup3d, v.xvang3d, v.xvclp3d[0], v.xvclp3d[1], v.xmat3d);
    setclp(rec);
    if (s.inograf != 0) return;

    if (rec.axes.ilabl3d == 0) {
        // Axes in the faces of the box are foreshortened with them: their
        // characters and names are drawn half as large again.
        const int height = rec.text.nhchar, nameHeight = rec.axes.nhname;
        setTextHeight(rec, truncToInt(1.5f * float(height)));
        rec.axes.nhname = truncToInt(1.5f * float(nameHeight));
        grflab(rec, xa, xe, xor_, xstp, ya, ye, yor, ystp, za, ze, zor, zstp);
        setTextHeight(rec, height);
        rec.axes.nhname = nameHeight;
    } else {
        grflab2(rec, xa, xe, xor_, xstp, ya, ye, yor, ystp, za, ze, zor, zstp);
    }
}
