// grid: grid lines across a 2-D axis system. They are the ticks of its X and
// Y axes drawn over the whole height and width of the system, so they fall
// where the ticks do on linear, logarithmic and date axes alike. Polar
// systems get the polar grid instead, with jgrid rays per angle label interval.
#include <cstdint>

#include "graphics2d/axis_drawing.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

extern "C" void grid(int igrid, int jgrid) {
    GlobalRecord *recp = jqqlev(2, 3, "grid");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // A negative count is reported; that axis then gets no lines.
    if (igrid < 0) warni1(Warning::incorrectParameter, igrid);
    if (jgrid < 0) warni1(Warning::incorrectParameter, jgrid);

    const AxisSystemState &s = rec.axsys;
    if (s.igrftyp == 1) {
        // The rays over the full circle, held within an int: grdpol keeps
        // those the page can tell apart.
        const std::int64_t perCircle = truncToInt(360.0f / s.xgrfy[3] + 0.5f);
        grdpol(igrid, pageSum(perCircle * jgrid));
        return;
    }
    const int *log = rec.axes.ilogax;
    const int lengthX = s.naxslen[0], lengthY = s.naxslen[1];
    const int x0 = s.naxspos[0], y0 = s.naxspos[1];
    const int atAxis = int(TickPosition::labelSide);
    // Ticks of X point up into the system, ticks of Y to the right.
    markx(rec, s.xgrfx[0], s.xgrfx[1], s.xgrfx[2], s.xgrfx[3], lengthX, 1 - lengthY, 1 - lengthY,
          igrid, x0, y0, log[0], atAxis, 1);
    markx(rec, s.xgrfy[0], s.xgrfy[1], s.xgrfy[2], s.xgrfy[3], lengthY, lengthX - 1, lengthX - 1,
          jgrid, x0, y0, log[1], atAxis, 2);
}
