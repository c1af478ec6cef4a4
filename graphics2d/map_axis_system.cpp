// grafmp: the map axis system. Longitudes run along X and latitudes along Y
// through the projection of projct; the four sides carry map axes, and maps
// with a round or elliptic outline draw no rectangle (azimuthal hemispheres
// get circles as their frame instead).
#include <algorithm>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/map_axes.h"
#include "graphics2d/map_projections.h"
#include "graphics2d/scaling.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"

namespace {

// The frame of an azimuthal map: |nframe| circles outwards from the map's
// circle, inwards for a negative frame; outlines only.
void frammp(GlobalRecord &rec) {
    if (mapFamily(rec.map.iprojct) != MapFamily::azimuthal) return;
    const AxisSystemState &s = rec.axsys;
    const int cx = nintqq(s.xaxsorg[0]), cy = nintqq(s.xaxsorg[1]);
    const int radius = std::min(s.naxslen[0], s.naxslen[1]) / 2;
    const int frame = rec.frame.nframe;
    const int hatch = rec.fill.ihattyp;
    rec.fill.ihattyp = 0;
    {
        PartColour colour(rec, rec.frame.nfrmclr);
        // Circles beyond the page are not drawn, nor inward ones past the centre.
        const long long wanted = frame < 0 ? -1LL * frame : frame;
        int n = ringsShown(rec.page, 2LL * radius, wanted);
        if (frame < 0) n = std::min(n, radius);
        for (int i = 0; i < n; ++i) {
            const int r = frame < 0 ? radius - i : radius + i;
            if (r >= 1) elpsln(rec, cx, cy, r, r, 0.0f, 360.0f, 0.0f, 0, 0);
        }
    }
    rec.fill.ihattyp = hatch;
}

// The axis of one side, drawn with what setgrf allows it.
void drawMapSide(GlobalRecord &rec, int side, const float *grf, int length, int it, int x0, int y0,
                 int iax) {
    sgrafp(rec, side, 0);
    daxmap(rec, grf[0], grf[1], grf[2], grf[3], length, rec.axes.caxname[iax - 1], it, x0, y0, iax);
    sgrafp(rec, side, 1);
}

} // namespace

extern "C" void grafmp(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                       float ystp) {
    GlobalRecord *recp = jqqlev(1, 1, "grafmp");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    AxisSystemState &s = rec.axsys;
    gscale(rec, xa, xe, xorg, xstp, 1);
    gscale(rec, ya, ye, yorg, ystp, 2);
    if (errmap(rec, xa, xe, ya, ye) != 0) return;
    const int bad = erraxs(rec, xa, xe, xorg, xstp, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg) +
                    erraxs(rec, ya, ye, yorg, ystp, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg);
    if (bad != 0) return;
    if (!boundedMapAxis(xa, xe, xstp, rec.axes.nticks[0]) ||
        !boundedMapAxis(ya, ye, ystp, rec.axes.nticks[1]))
        return;

    s.igrftyp = 2;
    rec.page.iusrdrw = 1;
    rec.core.ilevel = 2;
    setxyp(rec, xa, xe, xorg, xstp, ya, ye, yorg, ystp);
    const bool outlined = rec.map.imapfrm == 1;
    const int nograf = s.inograf;
    if (outlined) s.inograf = 1;
    if (s.icenter == 1 && rec.view3d.ipln3d != 1) {
        newori(rec);
        s.icenter = 2;
    }
    setclp(rec);
    if (s.inograf == 0) {
        const int cx = s.naxspos[0], cy = s.naxspos[1];
        const int lx = s.naxslen[0], ly = s.naxslen[1];
        drawMapSide(rec, 1, s.xgrfx, lx, 0, cx, cy, 1);
        drawMapSide(rec, 4, s.xgrfy, ly, 1, cx, cy, 2);
        if (s.iax2grf == 0) {
            drawMapSide(rec, 3, s.xgrfx, lx, 1, cx, cy - ly + 1, 1);
            drawMapSide(rec, 2, s.xgrfy, ly, 0, cx + lx - 1, cy, 2);
        }
        if (rec.frame.nframe != 0) dframe(rec, cx, cy - ly + 1, lx, ly, rec.frame.nframe, 0.0f);
    }
    if (outlined) {
        frammp(rec);
        s.inograf = nograf;
    }
    rec.page.iusrdrw = 0;
}
