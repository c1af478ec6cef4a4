// The colour bar: one box per colour of the colour range, then its axis drawn
// with the Z options. A logarithmic bar can have its axis widened to whole
// decades (expzlb) while the boxes keep covering the data range.
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// The boxes of a bar of length plot units from (x, y): upwards when vertical,
// to the right otherwise.
void drawBoxes(GlobalRecord &rec, float length, bool vertical, int x, int y) {
    const int ncmin = rec.colour.nclrran[0], ncmax = rec.colour.nclrran[1];
    const int count = ncmax - ncmin + 1;
    const int width = rec.axsys.nwidbar;
    if (count < 1 || width < 1) return;
    const float s = length / float(count);
    // PostScript readers leave hairline gaps at the ends of a bar otherwise.
    const int grow = onPaper(rec.core.idevice) ? 1 : 0;
    for (int k = 1; k <= count; ++k) {
        const int colour = ncmin + k - 1;
        const int first = k == 1 ? grow : 0, last = k == count ? grow : 0;
        if (vertical) {
            const int top = truncToInt(float(y) - float(k) * s) - last;
            const int bottom = truncToInt(float(y) - float(k - 1) * s) + first;
            if (top > bottom) continue; // negative height
            dbox(rec, x, top, x + width - 1, bottom, colour);
        } else {
            const int left = truncToInt(float(x) + float(k - 1) * s) - first;
            const int right = truncToInt(float(x) + float(k) * s) + last;
            if (left > right) continue;
            dbox(rec, left, y - width + 1, right, y, colour);
        }
    }
}

} // namespace

void newzsc(const GlobalRecord &rec, float &za, float &ze, float &zor, int mode) {
    const float eps = rec.core.xeps;
    const float a = za, e = ze;
    if (e >= a)
        za = std::trunc(a >= 0.0f ? a + eps : a - 1.0f + eps);
    else
        za = std::trunc(a >= 0.0f ? a + 1.0f - eps : a - eps);
    zor = za;
    if (mode != 2) return;
    if (e >= za)
        ze = std::trunc(e >= 0.0f ? e + 1.0f - eps : e - eps);
    else
        ze = std::trunc(e >= 0.0f ? e + eps : e - 1.0f + eps);
}

void colbar(GlobalRecord &rec, float za, float ze, float zor, float zstp, int length,
            int logarithmic, int id, const char *name, int side, int x, int y) {
    const bool vertical = id == 0;
    float drawn = float(length);
    int barX = x, barY = y;
    if (logarithmic == 1 && rec.axes.iexpzlb != 0) {
        float ra = za, re = ze, ro = zor;
        newzsc(rec, ra, re, ro, rec.axes.iexpzlb);
        if (re != ra) {
            // The boxes cover za..ze on an axis that now runs from ra to re.
            drawn = float(length) * (ze - za) / (re - ra) - 1.0f;
            const int shift = nintqq(float(length - 1) * (za - ra) / (re - ra));
            if (vertical)
                barY -= shift;
            else
                barX += shift;
            za = ra;
            ze = re;
            zor = ro;
        }
    }
    const int current = rec.colour.ncolor; // devices that fill with lines change it
    drawBoxes(rec, drawn, vertical, barX, barY);
    qqsclr(rec, current);

    const int width = rec.axsys.nwidbar;
    const int along = vertical ? 2 : 1;
    swapxy(rec, along, 3);
    if (vertical)
        daxis(rec, za, ze, zor, zstp, length, name, side, side == 1 ? x : x + width - 1, y,
              logarithmic, 2);
    else
        daxis(rec, za, ze, zor, zstp, length, name, side, x, side == 0 ? y : y - width + 1,
              logarithmic, 1);
    swapxy(rec, along, 3);
}
