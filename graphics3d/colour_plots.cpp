// The checks and the matrix extent of the colour plots.
#include "graphics3d/colour_plots.h"

#include <cmath>

#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

GlobalRecord *openColourPlot(const char *name) {
    GlobalRecord *rec = jqqlev(3, 3, name);
    if (rec == nullptr) return nullptr;
    // Level 3 is also that of graf3d, whose box has no colour axis.
    if (rec->axsys.igrftyp == 3) {
        warnin(Warning::graf3dConfusion);
        return nullptr;
    }
    return rec;
}

void colourPlotExtent(const GlobalRecord &rec, float extent[4]) {
    const SurfaceState &s = rec.surface;
    if (s.isursze == 1) {
        for (int i = 0; i < 4; ++i)
            extent[i] = s.xsursze[i];
    } else {
        extent[0] = rec.axsys.xgrfx[0];
        extent[1] = rec.axsys.xgrfx[1];
        extent[2] = rec.axsys.xgrfy[0];
        extent[3] = rec.axsys.xgrfy[1];
    }
    // Logarithmic limits (of the axes and of sursze alike) are exponents.
    for (int axis = 0; axis < 2; ++axis) {
        if (rec.axes.ilogax[axis] != 1) continue;
        extent[2 * axis] = std::pow(10.0f, extent[2 * axis]);
        extent[2 * axis + 1] = std::pow(10.0f, extent[2 * axis + 1]);
    }
}
