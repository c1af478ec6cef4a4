// The cells of colour plots: the size that lets a grid of points cover the
// axis system (gautrs), and one cell drawn in the colour of its value (rpoint).
#include "graphics2d/colour_axis.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// ceiling((length - 1) / (points - 1)), at least 1.
int cellSize(int points, int length) {
    const int gaps = points > 1 ? points - 1 : 1;
    const int span = length - 1;
    const int size = span > 0 ? (span + gaps - 1) / gaps : 0;
    return size > 1 ? size : 1;
}

} // namespace

void gautrs(const GlobalRecord &rec, int &w, int &h, int nx, int ny, int lenx, int leny) {
    // File devices leave no gap between neighbouring cells with one unit more.
    const int extra = isFileDevice(rec.core.idevice) ? 1 : 0;
    w = cellSize(nx, lenx) + extra;
    h = cellSize(ny, leny) + extra;
}

void rpoint(GlobalRecord &rec, float x, float y, float z, int w, int h) {
    if (ckpkt2(rec, x, y) != 0) return;
    const int colour = jqqclr(rec, z);
    if (rec.axsys.inobgd == 1 && colour == rec.colour.nclrran0[0]) return;
    // Inside the scaling the clamp of qqrel2 never acts.
    float xp = 0, yp = 0;
    qqrel2(rec, x, y, xp, yp);
    const float halfWidth = float(w) / 2.0f, halfHeight = float(h) / 2.0f;
    dbox(rec, truncToInt(xp - halfWidth), truncToInt(yp - halfHeight), truncToInt(xp + halfWidth),
         truncToInt(yp + halfHeight), colour);
}
