// One axis: daxis draws its line and calls markx, labelx and namex, each part
// in its own colour; settic gives distances and tick lengths their signs.
#include "graphics2d/axis_drawing.h"

#include <cstdlib>

#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"

PartColour::PartColour(GlobalRecord &rec, int colour)
    : rec_(rec), saved_(rec.colour.ncolor), set_(colour != -1) {
    if (set_) qqsclr(rec, colour);
}

PartColour::~PartColour() {
    if (set_) qqsclr(rec_, saved_);
}

void settic(GlobalRecord &rec, int side, int ticpos) {
    AxisOptionState &o = rec.axes;
    const int distanceSign = side == 1 ? -1 : 1;
    for (int i = 0; i < kAxisCount; ++i) {
        o.nlabdis[i] = distanceSign * std::abs(o.nlabdis[i]);
        o.nnamdis[i] = distanceSign * std::abs(o.nnamdis[i]);
    }
    const bool reversed = TickPosition(ticpos) == TickPosition::reversed;
    const int tickSign = (side == 0 && !reversed) || (side == 1 && reversed) ? 1 : -1;
    o.nticmaj = tickSign * std::abs(o.nticmaj);
    o.nticmin = tickSign * std::abs(o.nticmin);
}

int tickReach(const AxisOptionState &o, int axis) {
    switch (TickPosition(o.iticpos[axis])) {
    case TickPosition::labelSide: return o.nticmaj;
    case TickPosition::centred: return o.nticmaj / 2;
    default: return 0;
    }
}

void rvline(GlobalRecord &rec, int x1, int y1, int x2, int y2) {
    int &backward = rec.axes.irvline;
    if (backward == 0) {
        strtqq(rec, float(x1), float(y1));
        connqq(rec, float(x2), float(y2));
    } else {
        strtqq(rec, float(x2), float(y2));
        connqq(rec, float(x1), float(y1));
    }
    backward = 1 - backward;
}

void daxis(GlobalRecord &rec, float a, float e, float orig, float step, int length,
           const char *name, int side, int x0, int y0, int logarithmic, int axis) {
    AxisOptionState &o = rec.axes;
    const int i = axis - 1;
    const int ticpos = o.iticpos[i];
    const int *colours = o.naxclr + 4 * (axis == 1 ? 0 : 1);
    settic(rec, side, ticpos);
    if (o.inoline[i] != 0) {
        PartColour colour(rec, colours[int(AxisPart::line)]);
        strtqq(rec, float(x0), float(y0));
        if (axis == 1)
            connqq(rec, float(x0 + length - 1), float(y0));
        else
            connqq(rec, float(x0), float(y0 - length + 1));
    }
    {
        PartColour colour(rec, colours[int(AxisPart::tick)]);
        markx(rec, a, e, orig, step, length, o.nticmaj, o.nticmin, o.nticks[i], x0, y0, logarithmic,
              ticpos, axis);
    }
    int extent = 0;
    {
        PartColour colour(rec, colours[int(AxisPart::label)]);
        extent = labelx(rec, a, e, orig, step, length, side, x0, y0, logarithmic, axis);
    }
    {
        PartColour colour(rec, colours[int(AxisPart::name)]);
        const AxisSystemState &s = rec.axsys;
        if (s.iaxstyp == 1 || s.igrftyp == 1) {
            // Crossed and polar systems: the name spans the axis from the origin on.
            if (axis == 1)
                namex(rec, name, length - (s.naxsorg[0] - x0), side, s.naxsorg[0], y0, extent,
                      axis);
            else
                namex(rec, name, length - (y0 - s.naxsorg[1]), side, x0, s.naxsorg[1], extent,
                      axis);
        } else {
            namex(rec, name, length, side, x0, y0, extent, axis);
        }
    }
    settic(rec, 0, 0);
}

void namex(GlobalRecord &rec, const char *name, int length, int side, int x0, int y0, int extent,
           int axis) {
    if (name == nullptr || trmlen(name) == 0) return;
    const AxisOptionState &o = rec.axes;
    const int i = axis - 1;
    int d = axis == 1 ? o.nnamdis[0] : o.nnamdis[1];
    if (o.nticks[i] > 0) d += tickReach(o, i);
    if (o.ilabels[i] != 0) d += o.nlabdis[i];
    const int hname = o.nhname;
    int H = 0, O = 0, w = 0;
    const int height = rec.text.nhchar;
    setTextHeight(rec, hname);
    qqgmsg(rec, name, H, O, w);
    setTextHeight(rec, height);
    int offset = 0;
    switch (o.inamjus[i]) {
    case 1: offset = 0; break;
    case 2: offset = length - w; break;
    default: offset = truncToInt(float(length - w) * 0.5f); break;
    }
    if (axis == 1) {
        const int y = side == 0 ? y0 + d + extent + H - hname : y0 + d - hname - extent - O;
        dtext(rec, name, x0 + offset, y, 0, hname);
    } else if (side == 1) {
        dtext(rec, name, x0 + d - extent - H, y0 - offset, 90, hname);
    } else if (o.irvynam == 1) {
        dtext(rec, name, x0 + d + extent + O, y0 - offset, 90, hname);
    } else {
        dtext(rec, name, x0 + d + extent + H, y0 - length + 1 + offset, 270, hname);
    }
}
