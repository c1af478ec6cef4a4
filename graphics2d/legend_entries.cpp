// Legend entries recorded by the plotting routines: the line style, marker,
// thickness, colour and pattern that a legend shows for entry i.
#include "graphics2d/curves.h"
#include "kernel/record.h"

void slegnd(GlobalRecord &rec, int i) {
    LegendState &l = rec.legend;
    if (l.ilegpat == 1 || i < 1 || i > kLegendEntries) return;
    const CurveState &c = rec.curve;
    l.nlegtyp[i - 1] = c.nincmrk < 0 ? -1 : rec.line.ilintyp;
    l.nlegsym[i - 1] = c.nincmrk == 0 ? -1 : c.nmarker;
    l.nlegthk[i - 1] = c.nthkcrv;
    l.nlegclr[i - 1] = rec.colour.ncolor;
    l.nlegpat[i - 1] = c.ilegpat == 1 ? rec.fill.nshdpat : -1;
    if (l.nlegcrv < i) l.nlegcrv = i;
}
