// surfcp: the colour-shaded surface of a parametric function: x, y and z of
// the parameters (u, v) from one function of the caller's.
#include <algorithm>
#include <climits>
#include <cmath>

#include "graphics3d/projection.h"
#include "graphics3d/shaded_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

using SurfaceFunction = float (*)(float, float, int);

// The walk over one parameter: from the smaller end upwards.
struct ParameterWalk {
    float start, step, end;
};

ParameterWalk parameterWalk(float a1, float a2, float a3) {
    if (a2 > a1) return {a1, a3, a2};
    return {a2, -a3, a1};
}

// A walk that ends: a finite range, not empty, a step that points from the
// first value to the second and still moves the value at the range's ends.
bool walkEnds(float a1, float a2, float a3) {
    if (!std::isfinite(a1) || !std::isfinite(a2) || !std::isfinite(a3)) return false;
    if (a1 == a2 || a3 == 0.0f || (a2 > a1) != (a3 > 0.0f)) return false;
    const ParameterWalk w = parameterWalk(a1, a2, a3);
    return w.start + w.step != w.start && w.end + w.step != w.end;
}

// Patches along one parameter, as the flat buffer counts them.
long long patchCount(float a1, float a2, float a3) {
    return truncToInt64((a2 - a1) / a3 + 1.5f);
}

// The step of a walk of at most most patches.
float heldStep(float a1, float a2, float a3, int most) {
    const float step = (a2 - a1) / float(most);
    return std::fabs(step) > std::fabs(a3) ? step : a3;
}

void boxOf(GlobalRecord &rec, const float p[3], float b[3]) {
    qqpos3(rec, p[0], p[1], p[2], b[0], b[1], b[2]);
}

// The unit normal at (u, v): the cross product of the tangents along u and v,
// taken by central differences of the box points, so that it is a direction in
// the box whatever the axes' scales and origins.
void cornerNormal(GlobalRecord &rec, SurfaceFunction f, float u, float v, float hu, float hv,
                  float n[3]) {
    float up[3], um[3], vp[3], vm[3];
    for (int c = 0; c < 3; ++c) {
        up[c] = f(u + hu, v, c + 1);
        um[c] = f(u - hu, v, c + 1);
        vp[c] = f(u, v + hv, c + 1);
        vm[c] = f(u, v - hv, c + 1);
    }
    float bup[3], bum[3], bvp[3], bvm[3], tu[3], tv[3];
    boxOf(rec, up, bup);
    boxOf(rec, um, bum);
    boxOf(rec, vp, bvp);
    boxOf(rec, vm, bvm);
    for (int c = 0; c < 3; ++c) {
        tu[c] = (bup[c] - bum[c]) / (2.0f * hu);
        tv[c] = (bvp[c] - bvm[c]) / (2.0f * hv);
    }
    n[0] = tu[1] * tv[2] - tu[2] * tv[1];
    n[1] = tu[2] * tv[0] - tu[0] * tv[2];
    n[2] = tu[0] * tv[1] - tu[1] * tv[0];
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 1.0e-30f)
        for (int c = 0; c < 3; ++c)
            n[c] /= length;
}

} // namespace

extern "C" void surfcp(float (*s)(float u, float v, int iopt), float a1, float a2, float a3,
                       float b1, float b2, float b3) {
    GlobalRecord *recp = openShaded("surfcp");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // A walk that would not end is refused.
    if (s == nullptr || !walkEnds(a1, a2, a3) || !walkEnds(b1, b2, b3)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    // Patches narrower than a device unit cannot be told apart: no more of
    // them along a parameter than the page has device units along its longer
    // side.
    const int most = std::max(
        1, truncToInt(float(std::max(rec.page.nxpage, rec.page.nypage)) * rec.page.xdevscl));
    if (patchCount(a1, a2, a3) > most + 1 || patchCount(b1, b2, b3) > most + 1) {
        warnNotSeen("Surface patches smaller than a pixel");
        a3 = heldStep(a1, a2, a3, most);
        b3 = heldStep(b1, b2, b3, most);
    }
    // More patches than a buffer can count are refused.
    const long long nu = patchCount(a1, a2, a3), nv = patchCount(b1, b2, b3);
    if (nu * nv > INT_MAX) {
        warnin(Warning::incorrectParameter);
        return;
    }
    ShadedSurface sh;
    if (!beginShaded(sh, rec, "surfcp", 4, int(nu * nv), kPatchSpacing)) return;
    const float hu = a3 / 100.0f, hv = b3 / 100.0f;
    const ParameterWalk wu = parameterWalk(a1, a2, a3), wv = parameterWalk(b1, b2, b3);
    const float du = wu.step, dv = wv.step;

    // A function that failed (drawing stopped) ends the walk before its patch:
    // the z-buffer's pixels would not wait for the device.
    bool failed = false;
    for (float u = wu.start; u <= wu.end - du / 2.0f && !failed; u += du) {
        for (float v = wv.start; v < wv.end - dv / 2.0f; v += dv) {
            const float cu[4] = {u, u + du, u + du, u}, cv[4] = {v, v, v + dv, v + dv};
            float p[4][3], bx[4], by[4], bz[4];
            for (int k = 0; k < 4; ++k) {
                for (int c = 0; c < 3; ++c)
                    p[k][c] = s(cu[k], cv[k], c + 1);
                qqpos3(rec, p[k][0], p[k][1], p[k][2], bx[k], by[k], bz[k]);
            }
            int colours[4] = {sh.backgroundColour, sh.backgroundColour, sh.backgroundColour,
                              sh.backgroundColour};
            if (!sh.meshOnly) {
                float sum[3] = {0, 0, 0}, zsum = 0;
                for (int k = 0; k < 4; ++k) {
                    zsum += p[k][2];
                    if (!sh.lit) {
                        colours[k] = shadedColour(rec, p[k][2]);
                        continue;
                    }
                    float n[3], rgb[3];
                    cornerNormal(rec, s, cu[k], cv[k], hu, hv, n);
                    const float b[3] = {bx[k], by[k], bz[k]};
                    litCorner(rec, shadedColour(rec, p[k][2]), b, n, rgb);
                    colours[k] = intrgb(rgb[0], rgb[1], rgb[2]);
                    for (int c = 0; c < 3; ++c)
                        sum[c] += rgb[c];
                }
                if (!sh.smooth)
                    colours[0] = sh.lit ? meanColour(sum, 4.0f) : shadedColour(rec, zsum * 0.25f);
            }
            failed = rec.core.drawingStopped;
            if (failed) break;
            drawPatch(sh, 4, bx, by, bz, colours);
        }
    }
    endShaded(sh);
}
