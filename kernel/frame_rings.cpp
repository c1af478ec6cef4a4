// Frames: dframe draws rings round a rectangle, straight into the memory
// raster where it can, otherwise through the polyline buffer.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"

namespace {

// The rectangle from (x1, y1) to (x2, y2) grown by d on every side (shrunk
// for a negative d), as four corners.
struct Ring {
    float x[4], y[4];
};

Ring ringOf(float x1, float y1, float x2, float y2, float d) {
    return {{x1 - d, x2 + d, x2 + d, x1 - d}, {y1 - d, y1 - d, y2 + d, y2 + d}};
}

bool insideClipWindow(const GlobalRecord &rec, const Ring &r) {
    const int *w = rec.clip.nclpwin;
    return r.x[0] >= float(w[0]) && r.x[1] <= float(w[2]) && r.y[0] >= float(w[1]) &&
           r.y[2] <= float(w[3]);
}

// Devices in pixels may take the rings one pixel apart, as many as the
// thickness covers there; reach is the thickness in plot units that the page
// can show.
bool drawnByDevice(GlobalRecord &rec, float x1, float y1, float x2, float y2, int thickness,
                   int reach, float angle) {
    const long long t = std::min(std::llabs(static_cast<long long>(thickness)), 1LL * reach);
    const float outer = thickness > 0 ? float(t - 1) : 0.0f;
    if (std::fabs(angle) >= 0.001f || rec.view3d.ipln3d == 1 || rec.trf.itrfon != 0 ||
        rec.shield.nshield != 0 || !insideClipWindow(rec, ringOf(x1, y1, x2, y2, outer)))
        return false;
    const float s = rec.page.xdevscl;
    const DevicePoint a = toDevice(rec, x1, y1), c = toDevice(rec, x2, y2);
    const int left = truncToInt(std::min(a.x, c.x)), right = truncToInt(std::max(a.x, c.x));
    const int top = truncToInt(std::min(a.y, c.y)), bottom = truncToInt(std::max(a.y, c.y));
    const int rings = roundAddHalf((x1 + float(t) - 1.0f) * s) - roundAddHalf(x1 * s) + 1;
    const int step = thickness > 0 ? 1 : -1;
    return currentDriver(rec).frameRings(rec, left, top, right, bottom, rings, step);
}

} // namespace

void dframe(GlobalRecord &rec, int x, int y, int width, int height, int thickness, float angle) {
    if (thickness == 0) return;
    const int previous = rec.colour.ncolor;
    const int colour = rec.frame.nfrmclr;
    if (colour != -1) qqsclr(rec, colour);

    const float x1 = float(pageSum(x, rec.page.nxorg)), y1 = float(pageSum(y, rec.page.nyorg));
    const float x2 = x1 + float(width) - 1.0f, y2 = y1 + float(height) - 1.0f;
    // One ring per base unit of the thickness; rings beyond the page and the
    // framed rectangle are not drawn.
    const long long extent = std::max(std::llabs(width), std::llabs(height));
    const float t = std::fabs(float(thickness)) * rec.page.xunits + 0.5f;
    const int rings = ringsShown(rec.page, extent, t < 1.0f ? 1 : truncToInt(t));
    if (!drawnByDevice(rec, x1, y1, x2, y2, thickness, ringsSeen(rec.page, extent), angle)) {
        // Each ring turned about (x, y).
        const float a = -angle * rec.core.xdegrad;
        const float s = std::sin(a), c = std::cos(a);
        const float step = thickness > 0 ? 1.0f : -1.0f;
        for (int k = 0; k < rings; ++k) {
            Ring r = ringOf(x1, y1, x2, y2, float(k) * step);
            for (int i = 0; i < 4; ++i) {
                r.x[i] -= x1;
                r.y[i] -= y1;
            }
            trfro2(r.x, r.y, 4, s, c);
            qqmove(rec, r.x[0] + x1, r.y[0] + y1);
            for (int i = 1; i < 4; ++i)
                qqdraw(rec, r.x[i] + x1, r.y[i] + y1);
            qqdraw(rec, r.x[0] + x1, r.y[0] + y1);
        }
        qqstrk(rec);
    }
    if (colour != -1) qqsclr(rec, previous);
}
