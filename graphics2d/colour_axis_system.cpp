// graf3: the plain axis system with a third axis that maps values to colours,
// shown as a colour bar to the right of it (level 1 to 3).
#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "graphics2d/scaling.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

extern "C" void graf3(float xa, float xe, float xorg, float xstp, float ya, float ye, float yorg,
                      float ystp, float za, float ze, float zorg, float zstp) {
    GlobalRecord *recp = jqqlev(1, 1, "graf3");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    AxisSystemState &s = rec.axsys;
    if (s.iautres == 1)
        gautrs(rec, s.nsetres[0], s.nsetres[1], s.nautres[0], s.nautres[1], s.naxslen[0],
               s.naxslen[1]);
    gscale(rec, za, ze, zorg, zstp, 3);
    if (erraxs(rec, za, ze, zorg, zstp, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg) != 0) return;
    setzpa(rec, za, ze);
    setzsc(rec, zorg, zstp);
    s.igraf3 = 1; // centring leaves room for the bar
    openPlainAxisSystem(rec, xa, xe, xorg, xstp, ya, ye, yorg, ystp);
    if (rec.core.ilevel != 2) {
        // X or Y refused: nothing is set up that colour plots could use.
        s.igraf3 = 0;
        return;
    }
    if (s.inobar == 1 && s.inograf == 0)
        colbar(rec, za, ze, zorg, zstp, s.naxslen[2], rec.axes.ilogax[2], 0, rec.axes.caxname[2], 0,
               s.naxspos[0] + s.naxslen[0] + s.nvkxbar + s.nbardis, s.naxspos[1] - s.nvkybar);
    rec.core.ilevel = 3;
}
