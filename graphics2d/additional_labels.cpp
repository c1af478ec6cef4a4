// Single extra labels with an optional tick at any value of an axis of the
// current 2-D axis system.
#include <cmath>
#include <cstring>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_selectors.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

// Which axis a label goes to, where that axis lies and to which side its
// labels face (0 towards growing x or y).
struct LabelAxis {
    int axis = 0; // 1 X, 2 Y, 3 the colour bar's axis
    int side = 0;
    bool atEnd = false; // the top X or the right Y axis
};

bool selectAxis(const GlobalRecord &rec, const char *cax, LabelAxis &chosen) {
    char key[5];
    upperKey(cax, 4, key);
    if (std::strcmp(key, "XTOP") == 0) {
        chosen = {1, 1, true};
        return true;
    }
    if (std::strcmp(key, "YLEF") == 0) {
        chosen = {2, 0, true};
        return true;
    }
    switch (jqqind("X   +Y   +Z   ", 3, cax)) {
    case 1: chosen = {1, 0, false}; return true;
    case 2: chosen = {2, 1, false}; return true;
    case 3:
        // The colour bar's axis exists only in an axis system with a colour bar.
        if (rec.core.ilevel != 3) {
            warni1(Warning::incorrectLevel, rec.core.ilevel);
            return false;
        }
        chosen = {3, 0, false};
        return true;
    default: return false;
    }
}

// The label value's plot position on the chosen axis.
void plotPosition(const GlobalRecord &rec, const LabelAxis &a, float v, float &xp, float &yp) {
    const AxisSystemState &s = rec.axsys;
    if (a.axis == 3) {
        xp = float(s.naxspos[0] + s.naxslen[0] + s.nwidbar + s.nvkxbar + s.nbardis);
        yp = clampPlot(float(s.naxspos[1] - s.nvkybar) -
                       float(s.naxslen[2] - 1) * (v - s.xzpa[0]) / (s.xzpa[1] - s.xzpa[0]));
        return;
    }
    // The other axis's limit where this axis lies; held as an exponent on a
    // logarithmic axis.
    const int other = a.axis == 1 ? 1 : 0;
    const float *limits = a.axis == 1 ? s.xgrfy : s.xgrfx;
    float at = limits[a.atEnd ? 1 : 0];
    if (rec.axes.ilogax[other] == 1) at = std::pow(10.0f, at);
    if (a.axis == 1)
        qqpos2(rec, v, at, xp, yp);
    else
        qqpos2(rec, at, v, xp, yp);
}

void drawLabel(GlobalRecord &rec, const char *cstr, float v, int itic, const LabelAxis &a) {
    AxisOptionState &o = rec.axes;
    const AxisSystemState &s = rec.axsys;
    const int i = a.axis - 1;
    const int ticpos = o.iticpos[i], vertical = o.ilabtyp[i];
    const LabelJustification lj = LabelJustification(o.ilabjus[i]);
    const bool leftOrRight = lj == LabelJustification::left || lj == LabelJustification::right;
    const bool leftOrInwards = lj == LabelJustification::left || lj == LabelJustification::inwards;
    settic(rec, a.side, ticpos);

    float xp = 0.0f, yp = 0.0f;
    plotPosition(rec, a, v, xp, yp);
    const int ix = roundAddHalf(xp), iy = roundAddHalf(yp);
    if (itic != 0) {
        const int length = itic == 1 ? o.nticmin : o.nticmaj;
        const int shift = TickPosition(ticpos) == TickPosition::centred ? -length / 2 : 0;
        if (a.axis == 1)
            lineqq(rec, ix, iy + shift, ix, iy + shift + length);
        else
            lineqq(rec, ix + shift, iy, ix + shift + length, iy); // Y and the colour bar
    }

    const float d = float(o.nlabdis[i] + tickReach(o, i));
    const float w = float(measureText(rec, cstr));
    const float h = float(rec.text.nhchar);
    // The axis's longest label, measured only for the places that depend on it.
    const auto longest = [&] {
        const float *grf = a.axis == 1 ? s.xgrfx : (a.axis == 2 ? s.xgrfy : s.xzpa);
        return float(maxnuy(rec, grf[1], grf[2], grf[3], a.axis));
    };

    float x = 0.0f, y = 0.0f;
    int angle = 0;
    if (a.axis == 1 && vertical == 0) {
        x = xp - w / 2.0f;
        y = yp + d - (a.side == 1 ? h : 0.0f);
    } else if (a.axis == 1) {
        angle = 90;
        x = xp - h / 2.0f;
        if (a.side == 0)
            y = yp + d + (leftOrRight ? longest() : w);
        else
            y = leftOrInwards ? yp + d : yp + d - longest() + w;
    } else if (vertical == 0) {
        y = yp - h / 2.0f;
        if (a.side == 0)
            x = leftOrInwards ? xp + d : xp + d + longest() - w;
        else
            x = leftOrRight ? xp + d - longest() : xp + d - w;
    } else if (a.side == 1) {
        angle = 90;
        x = xp + d - h;
        y = yp + w / 2.0f;
    } else {
        angle = 270;
        x = xp + d + h;
        y = yp - w / 2.0f;
    }
    dtext(rec, cstr, truncToInt(x), truncToInt(y), angle, rec.text.nhchar);
    settic(rec, 0, 0);
}

} // namespace

extern "C" void addlab(const char *cstr, float v, int itic, const char *cax) {
    GlobalRecord *rec = jqqlev(2, 3, "addlab");
    if (rec == nullptr) return;
    if (rec->axsys.igrftyp == 3) {
        qqserr("Additonal labels for graf3d are not supported");
        warnin(Warning::ownText);
        return;
    }
    LabelAxis axis;
    if (selectAxis(*rec, cax, axis)) drawLabel(*rec, cstr != nullptr ? cstr : "", v, itic, axis);
}
