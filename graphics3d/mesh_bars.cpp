// The bars of surfce. Each bar shows its top, the two side faces that face
// the viewer and their edges. The edges of one bar must not hide each other,
// so a bar is drawn first against the horizons of the bars before it without
// raising them, and then entered into them without drawing.
#include "graphics3d/mesh_bars.h"

#include <cmath>

#include "graphics3d/mesh_surface.h"
#include "kernel/record.h"

namespace {

struct Point {
    float x, y, z;
};

void drawBar(GlobalRecord &rec, const Point (&p)[8]) {
    // P1 P2 P3 P4 P1 P5 P6 P7 P3, then P6 P4 (1-based as the corners are named).
    constexpr int kOutline[] = {1, 2, 3, 4, 1, 5, 6, 7, 3};
    meshMove(rec, p[1].x, p[1].y, p[1].z);
    for (int k = 1; k < 9; ++k) {
        const Point &q = p[kOutline[k]];
        meshDraw(rec, q.x, q.y, q.z);
    }
    meshMove(rec, p[6].x, p[6].y, p[6].z);
    meshDraw(rec, p[4].x, p[4].y, p[4].z);
}

} // namespace

void drawBars(GlobalRecord &rec, const float *x, const float *y, const float *z, int ny,
              const IndexWalk &wx, const IndexWalk &wy) {
    const Projection3DState &v = rec.view3d;
    // The signs of the steps put x - hx and y - hy on the viewer's side.
    const float hx = 0.5f * rec.curve.xbarwth * (x[1] - x[0]) * float(wx.step);
    const float hy = 0.5f * rec.curve.xbarwth * (y[1] - y[0]) * float(wy.step);
    float base = v.xgrf3d[2][0];
    if (rec.axes.ilogax[2] == 1) base = std::pow(10.0f, base);
    const float lowest = v.xusr3d[4];
    // Without hidden lines nothing reads the horizons.
    const bool raise = rec.horizon.ihidsur == 1;

    for (int n = 0; n < wx.count(); ++n) {
        const int i = wx.at(n);
        for (int m = 0; m < wy.count(); ++m) {
            const int j = wy.at(m);
            const float top = z[i * ny + j];
            if (top < lowest) continue;
            const float xl = x[i] - hx, xr = x[i] + hx;
            const float yl = y[j] - hy, yr = y[j] + hy;
            const Point p[8] = {{},
                                {xr, yl, top},
                                {xr, yr, top},
                                {xl, yr, top},
                                {xl, yl, top},
                                {xr, yl, base},
                                {xl, yl, base},
                                {xl, yr, base}};
            setHorizonMode(rec, 0);
            drawBar(rec, p);
            if (!raise) continue;
            setHorizonMode(rec, 2);
            drawBar(rec, p);
        }
    }
}
