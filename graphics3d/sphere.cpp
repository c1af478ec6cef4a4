// sphe3d: a sphere of latitude-longitude patches in the current colour,
// optionally lit, through the caller's z-buffer or the depth-sort buffer.
#include <algorithm>
#include <climits>
#include <cmath>

#include "graphics3d/lighting.h"
#include "graphics3d/projection.h"
#include "graphics3d/shaded_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// A walk of step from start to end ends when the step still moves the value
// at the far end: a step lost in the rounding there would never arrive.
bool walkEnds(float end, float step) {
    return std::isinf(step) || end + step != end;
}

// The sphere's largest radius on the page, in device units.
float pageRadius(const GlobalRecord &rec, float x1, float x2, float x3, float r) {
    float cx = 0.0f, cy = 0.0f;
    qqrel3(rec, x1, x2, x3, cx, cy);
    float largest = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        float xp = 0.0f, yp = 0.0f;
        qqrel3(rec, x1 + (axis == 0 ? r : 0.0f), x2 + (axis == 1 ? r : 0.0f),
               x3 + (axis == 2 ? r : 0.0f), xp, yp);
        largest = std::fmax(largest, std::hypot(xp - cx, yp - cy));
    }
    return largest * rec.page.xdevscl;
}

} // namespace

extern "C" void sphe3d(float x1, float x2, float x3, float x4, int i1, int i2) {
    GlobalRecord *recp = openShaded("sphe3d");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (rec.surface.ishdsur == 1 && rec.zbuf.izbuf != 1) {
        qqserr("No initialization of z-buffer");
        warnin(Warning::ownText);
        return;
    }
    const float pi = rec.core.xpi;
    float dlat = pi / float(i2), dlon = 2.0f * pi / float(i1);
    // Negative counts walk the wrong way, and counts too large for the steps
    // to move the angles would walk for ever.
    if (i1 < 0 || i2 < 0 || !walkEnds(pi / 2.0f, dlat) || !walkEnds(2.0f * pi, dlon)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    // Patches smaller than a device unit cannot be seen: no more of them
    // round the sphere than its circumference on the page has device units.
    const int round = std::max(1, truncToInt(2.0f * pi * pageRadius(rec, x1, x2, x3, x4)));
    const int half = std::max(1, round / 2);
    if (i1 > round || i2 > half) {
        warnNotSeen("Sphere patches smaller than a pixel");
        dlat = pi / float(std::min(i2, half));
        dlon = 2.0f * pi / float(std::min(i1, round));
    }
    const double bands = std::trunc(double(pi / dlat) + 1.5);
    const double perBand = std::trunc(double(2.0f * pi / dlon) + 1.5);
    if (bands * perBand > double(INT_MAX)) {
        warnin(Warning::incorrectParameter);
        return;
    }

    ShadedSurface s;
    s.colourScale = false;
    if (!beginShaded(s, rec, "sphe3d", 4, truncToInt(bands * perBand), kPatchSpacing)) return;
    const bool lit = s.lit && !s.meshOnly;
    const int plain = s.meshOnly ? s.backgroundColour : s.savedColour;
    float cx, cy, cz;
    qqpos3(rec, x1, x2, x3, cx, cy, cz);

    for (float phi = -pi / 2.0f; phi <= pi / 2.0f - dlat / 2.0f; phi += dlat) {
        for (float lambda = 0.0f; lambda < 2.0f * pi - dlon / 2.0f; lambda += dlon) {
            const float cphi[4] = {phi, phi + dlat, phi + dlat, phi};
            const float clam[4] = {lambda, lambda, lambda + dlon, lambda + dlon};
            float bx[4], by[4], bz[4], sum[3] = {0, 0, 0};
            int colours[4] = {plain, plain, plain, plain};
            for (int c = 0; c < 4; ++c) {
                const double p = cphi[c], l = clam[c];
                const float x = float(x4 * std::cos(p) * std::cos(l) + x1);
                const float y = float(x4 * std::cos(p) * std::sin(l) + x2);
                const float z = float(x4 * std::sin(p) + x3);
                qqpos3(rec, x, y, z, bx[c], by[c], bz[c]);
                if (!lit) continue;
                float n[3] = {bx[c] - cx, by[c] - cy, bz[c] - cz};
                const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
                if (length > 1.0e-30f)
                    for (float &v : n)
                        v /= length;
                float rgb[3];
                qqglit(rec, bx[c], by[c], bz[c], n[0], n[1], n[2], rgb[0], rgb[1], rgb[2]);
                colours[c] = intrgb(rgb[0], rgb[1], rgb[2]);
                for (int k = 0; k < 3; ++k)
                    sum[k] += rgb[k];
            }
            if (lit && !s.smooth)
                colours[0] = intrgb(sum[0] * 0.25f, sum[1] * 0.25f, sum[2] * 0.25f);
            drawPatch(s, 4, bx, by, bz, colours);
        }
    }
    endShaded(s);
}
