// suriso: the surface on which a function sampled on a 3-D grid takes one
// value, by marching cubes, in the current colour, optionally lit.
#include <cmath>

#include "graphics3d/iso_surface.h"
#include "graphics3d/projection.h"
#include "graphics3d/shaded_surface.h"
#include "kavlor.h"
#include "kernel/flat_triangle.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kClipWorld = 0;
constexpr int kNoVisibilityTest = -1;

// Box units per user unit along each axis, from the ends of the axis (on a
// logarithmic axis the mean over the axis).
void boxScales(const GlobalRecord &rec, float scale[3]) {
    float start[3], end[3], lo[3], hi[3];
    for (int a = 0; a < 3; ++a)
        axisEnds(rec, a, start[a], end[a]);
    qqpos3(rec, start[0], start[1], start[2], lo[0], lo[1], lo[2]);
    qqpos3(rec, end[0], end[1], end[2], hi[0], hi[1], hi[2]);
    for (int a = 0; a < 3; ++a) {
        const float span = end[a] - start[a];
        scale[a] = span != 0.0f ? (hi[a] - lo[a]) / span : 1.0f;
    }
}

} // namespace

extern "C" void suriso(const float *x1ray, int nx, const float *x2ray, int ny, const float *x3ray,
                       int nz, const float *wmat, float wlev) {
    GlobalRecord *recp = openShaded("suriso");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (x1ray == nullptr || x2ray == nullptr || x3ray == nullptr || wmat == nullptr || nx < 1 ||
        ny < 1 || nz < 1) {
        warnin(Warning::incorrectParameter);
        return;
    }
    if (jqqcmo(x1ray, nx) != 0 || jqqcmo(x2ray, ny) != 0 || jqqcmo(x3ray, nz) != 0) return;

    ShadedSurface s;
    s.colourScale = false;
    const bool smooth = rec.surface.ishdsur == 1;
    const bool lit = rec.light.ilight == 1;
    const bool meshed = rec.surface.isurmsh != 0;
    s.depthSorted = !smooth && (lit || meshed);
    const int capacity =
        s.depthSorted ? jqqcu0(rec, x1ray, nx, x2ray, ny, x3ray, nz, wmat, wlev) : 0;
    if (!beginShaded(s, rec, "suriso", 3, capacity, kPatchSpacing)) return;
    rec.page.iusrdrw = 1;
    const bool untested = lit && rec.view3d.iclip3d == kClipWorld;
    if (untested) rec.view3d.iclip3d = kNoVisibilityTest;

    const int light = s.lit && !s.meshOnly ? 1 : 0;
    float scale[3];
    boxScales(rec, scale);
    float gx[8] = {}, gy[8] = {}, gz[8] = {};
    for (int k = 0; k + 1 < nz; ++k)
        for (int j = 0; j + 1 < ny; ++j)
            for (int i = 0; i + 1 < nx; ++i) {
                float cx[8], cy[8], cz[8], cw[8];
                loadCube(x1ray, x2ray, x3ray, wmat, ny, nz, i, j, k, cx, cy, cz, cw);
                if (light == 1) qqgngr(x1ray, nx, x2ray, ny, x3ray, nz, wmat, i, j, k, gx, gy, gz);
                if (qqcub0(rec, cx, cy, cz, cw) == 1) continue;
                float px[12], py[12], pz[12], r[12], g[12], b[12];
                const int n = qqcub1(rec, cx, cy, cz, cw, wlev, 0, gx, gy, gz, light, scale, px, py,
                                     pz, r, g, b);
                for (int t = 0; t < n; ++t) {
                    const int m = 3 * t;
                    if (!s.smooth && !s.depthSorted) {
                        float xp[3], yp[3];
                        for (int c = 0; c < 3; ++c)
                            qqrel3(rec, px[m + c], py[m + c], pz[m + c], xp[c], yp[c]);
                        qqftri(rec, xp, yp, s.savedColour);
                        continue;
                    }
                    float bx[3], by[3], bz[3];
                    for (int c = 0; c < 3; ++c)
                        qqpos3(rec, px[m + c], py[m + c], pz[m + c], bx[c], by[c], bz[c]);
                    int colours[3] = {s.savedColour, s.savedColour, s.savedColour};
                    if (s.meshOnly) {
                        colours[0] = colours[1] = colours[2] = s.backgroundColour;
                    } else if (light == 1) {
                        if (s.smooth) {
                            for (int c = 0; c < 3; ++c)
                                colours[c] = intrgb(r[m + c], g[m + c], b[m + c]);
                        } else {
                            const float sum[3] = {r[m] + r[m + 1] + r[m + 2],
                                                  g[m] + g[m + 1] + g[m + 2],
                                                  b[m] + b[m + 1] + b[m + 2]};
                            colours[0] = meanColour(sum, 3.0f);
                        }
                    }
                    drawPatch(s, 3, bx, by, bz, colours);
                }
            }

    endShaded(s);
    if (untested) rec.view3d.iclip3d = kClipWorld;
    rec.page.iusrdrw = 0;
}
