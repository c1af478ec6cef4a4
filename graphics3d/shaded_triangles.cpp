// surtri: the colour-shaded surface of a triangulation of scattered points.
#include "graphics3d/lighting.h"
#include "graphics3d/projection.h"
#include "graphics3d/shaded_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void surtri(const float *x1ray, const float *x2ray, const float *x3ray, int n,
                       const int *n1ray, const int *n2ray, const int *n3ray, int ntri) {
    GlobalRecord *recp = openShaded("surtri");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (ntri < 0 || (ntri > 0 && (x1ray == nullptr || x2ray == nullptr || x3ray == nullptr ||
                                  n1ray == nullptr || n2ray == nullptr || n3ray == nullptr))) {
        warnin(Warning::incorrectParameter);
        return;
    }
    ShadedSurface s;
    if (!beginShaded(s, rec, "surtri", 3, ntri, kPatchSpacing)) return;
    const int flag = rec.view3d.xview3d[2] < rec.view3d.xgrf3d[2][0] ? 1 : 0;

    for (int k = 0; k < ntri; ++k) {
        // Point numbers are checked against 1..n before they become indices: a
        // triangle naming a point the arrays do not hold is left out.
        const int numbers[3] = {n1ray[k], n2ray[k], n3ray[k]};
        if (numbers[0] < 1 || numbers[0] > n || numbers[1] < 1 || numbers[1] > n ||
            numbers[2] < 1 || numbers[2] > n)
            continue;
        const int p[3] = {numbers[0] - 1, numbers[1] - 1, numbers[2] - 1};
        float bx[3], by[3], bz[3];
        for (int c = 0; c < 3; ++c)
            qqpos3(rec, x1ray[p[c]], x2ray[p[c]], x3ray[p[c]], bx[c], by[c], bz[c]);
        int colours[3] = {s.backgroundColour, s.backgroundColour, s.backgroundColour};
        if (!s.meshOnly) {
            float normal[3] = {0, 0, 0};
            if (s.lit)
                qqgnvc(bx[0], by[0], bz[0], bx[1], by[1], bz[1], bx[2], by[2], bz[2], normal[0],
                       normal[1], normal[2], flag);
            float sum[3] = {0, 0, 0}, zsum = 0;
            for (int c = 0; c < 3; ++c) {
                const float z = x3ray[p[c]];
                zsum += z;
                if (!s.lit) {
                    colours[c] = shadedColour(rec, z);
                    continue;
                }
                const float b[3] = {bx[c], by[c], bz[c]};
                float rgb[3];
                litCorner(rec, shadedColour(rec, z), b, normal, rgb);
                colours[c] = intrgb(rgb[0], rgb[1], rgb[2]);
                for (int m = 0; m < 3; ++m)
                    sum[m] += rgb[m];
            }
            if (!s.smooth)
                colours[0] = s.lit ? meanColour(sum, 3.0f) : shadedColour(rec, zsum / 3.0f);
        }
        drawPatch(s, 3, bx, by, bz, colours);
    }
    endShaded(s);
}
