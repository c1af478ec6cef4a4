// zscale: a z range shared by the colour scaling of several plots, so that
// equal values have equal colours from plot to plot.
#include "graphics2d/colour_range.h"

#include <cmath>

#include "graphics2d/colour_axis.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void scaleColours(GlobalRecord &rec, float za, float ze) {
    const ColourRangeState &r = rec.zrange;
    if (r.izscale == 1)
        setzpa(rec, r.xzscale[0], r.xzscale[1]);
    else
        setzpa(rec, za, ze);
}

void resetColourRange(GlobalRecord &rec) {
    rec.zrange.izscale = 0;
}

extern "C" void zscale(float zmin, float zmax) {
    GlobalRecord &rec = chkini("zscale");
    // An empty range, or ends that are no finite numbers, would give no
    // usable colour scale.
    if (zmin == zmax || !std::isfinite(zmin) || !std::isfinite(zmax)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.zrange.xzscale[0] = zmin;
    rec.zrange.xzscale[1] = zmax;
    rec.zrange.izscale = 1;
}
