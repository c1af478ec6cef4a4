// Legend entries recorded by the plotting routines: the line style, marker,
// thickness, colour and pattern that a legend shows for entry i. The first
// entry also shields the legend's box while legend shields are on, so that
// the curves leave it free for the legend drawn later.
#include "graphics2d/curves.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/shields.h"

namespace {

// The box that leglin measured, at legpos or in the upper-right corner of the
// axis system.
void shieldLegendBox(GlobalRecord &rec) {
    const LegendState &l = rec.legend;
    if (l.nlegwth <= 0 || l.nleghgt <= 0) return;
    const bool placed = l.ilegpos == 0;
    const int x = placed ? l.nlegpos[0] : rec.axsys.naxsur[0] - l.nlegwth;
    const int y = placed ? l.nlegpos[1] : rec.axsys.naxsur[1];
    addAutomaticRectangleShield(rec, kShieldLegends, float(pageSum(x, rec.page.nxorg)),
                                float(pageSum(y, rec.page.nyorg)), float(l.nlegwth),
                                float(l.nleghgt), 0.0f);
}

} // namespace

void slegnd(GlobalRecord &rec, int i) {
    LegendState &l = rec.legend;
    if (i == 1 && rec.shield.ishlaut[kShieldLegends - 1] == 1) shieldLegendBox(rec);
    if (l.ilegpat == 1 || i < 1 || i > kLegendEntries) return;
    const CurveState &c = rec.curve;
    l.nlegtyp[i - 1] = c.nincmrk < 0 ? -1 : rec.line.ilintyp;
    l.nlegsym[i - 1] = c.nincmrk == 0 ? -1 : c.nmarker;
    l.nlegthk[i - 1] = c.nthkcrv;
    l.nlegclr[i - 1] = rec.colour.ncolor;
    l.nlegpat[i - 1] = c.ilegpat == 1 ? rec.fill.nshdpat : -1;
    if (l.nlegcrv < i) l.nlegcrv = i;
}
