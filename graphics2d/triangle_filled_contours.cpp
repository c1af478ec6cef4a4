// confll: the bands between contour levels of scattered data that the
// caller has triangulated. Every triangle is painted in one band colour or
// split once along a level into two coloured parts, each part made of flat
// filled triangles.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "graphics2d/axis_system.h"
#include "graphics2d/band_fill.h"
#include "graphics2d/curves.h"
#include "graphics2d/filled_contours.h"
#include "graphics2d/transforms.h"
#include "graphics2d/triangle_contours.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/flat_triangle.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void qqcnt6(GlobalRecord &rec, float xa, float ya, float xb, float yb, float xc, float yc,
            int colour) {
    float x[3], y[3];
    qqpos2(rec, xa, ya, x[0], y[0]);
    qqpos2(rec, xb, yb, x[1], y[1]);
    qqpos2(rec, xc, yc, x[2], y[2]);
    qqftri(rec, x, y, colour);
}

void qqcnt5(GlobalRecord &rec, const float xs[3], const float ys[3], const float zs[3], int m,
            const float *s, int nlev) {
    if (m < 0 || m >= nlev) return;
    const float L = s[m];
    int below[3], on[3], above[3];
    int nb = 0, no = 0, na = 0;
    for (int v = 0; v < 3; ++v) {
        if (zs[v] < L)
            below[nb++] = v;
        else if (zs[v] > L)
            above[na++] = v;
        else
            on[no++] = v;
    }
    const int lower = qqcnt4(rec, s, nlev, m);
    const int upper = qqcnt4(rec, s, nlev, m + 1);
    // Fills the triangle of the points p, q, r (each a corner or a level point).
    struct P {
        float x, y;
    };
    auto fill = [&](P p, P q, P r, int colour) {
        if (colour != -1) qqcnt6(rec, p.x, p.y, q.x, q.y, r.x, r.y, colour);
    };
    auto corner = [&](int v) { return P{xs[v], ys[v]}; };
    auto level = [&](int a, int b) {
        P p;
        levelPointOf(xs[a], ys[a], zs[a], xs[b], ys[b], zs[b], L, p.x, p.y);
        return p;
    };

    if (nb == 3 || na == 3 || no == 3) return;
    if (na == 0) {
        fill(corner(0), corner(1), corner(2), lower);
    } else if (nb == 0) {
        fill(corner(0), corner(1), corner(2), upper);
    } else if (nb == 1 && na == 2) {
        const int b = below[0], a0 = above[0], a1 = above[1];
        const P x0 = level(b, a0), x1 = level(b, a1);
        fill(corner(b), x0, x1, lower);
        fill(x0, corner(a0), corner(a1), upper);
        fill(x0, x1, corner(a1), upper);
    } else if (na == 1 && nb == 2) {
        const int a = above[0], b0 = below[0], b1 = below[1];
        const P x0 = level(a, b0), x1 = level(a, b1);
        fill(corner(a), x0, x1, upper);
        fill(x0, corner(b0), corner(b1), lower);
        fill(x0, x1, corner(b1), lower);
    } else {
        const int b = below[0], a = above[0], e = on[0];
        const P x = level(a, b);
        fill(corner(e), corner(b), x, lower);
        fill(corner(e), corner(a), x, upper);
    }
}

namespace {

// A triangle that names a point outside 1..n, or has a value that is no
// number, is left out.
void fillTriangles(GlobalRecord &rec, const float *x, const float *y, const float *z, int n,
                   const int *i1, const int *i2, const int *i3, int ntri, const float *s,
                   int nlev) {
    for (int t = 0; t < ntri; ++t) {
        const int corners[3] = {i1[t], i2[t], i3[t]};
        float xs[3], ys[3], zs[3];
        int bands[3];
        bool usable = true;
        for (int k = 0; k < 3 && usable; ++k) {
            const int v = corners[k];
            usable = v >= 1 && v <= n;
            if (!usable) break;
            xs[k] = x[v - 1];
            ys[k] = y[v - 1];
            zs[k] = z[v - 1];
            bands[k] = contourBand(s, nlev, zs[k]);
            usable = bands[k] >= 0;
        }
        if (!usable) continue;
        const int mn = std::min({bands[0], bands[1], bands[2]});
        const int mx = std::max({bands[0], bands[1], bands[2]});
        if (mn == mx) {
            const int colour = qqcnt4(rec, s, nlev, mn);
            if (colour != -1) qqcnt6(rec, xs[0], ys[0], xs[1], ys[1], xs[2], ys[2], colour);
            continue;
        }
        const int m = (mn + mx) / 2;
        if (m < nlev) qqcnt5(rec, xs, ys, zs, m, s, nlev);
    }
}

} // namespace

extern "C" void confll(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri,
                       const float *zlev, int nlev) {
    GlobalRecord *recp = jqqlev(2, 3, "confll");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (nlev < 1 || n < 1 || ntri < 0) {
        warni1(Warning::incorrectParameter, nlev < 1 ? nlev : n < 1 ? n : ntri);
        return;
    }
    if (zlev == nullptr || xray == nullptr || yray == nullptr || zray == nullptr ||
        (ntri > 0 && (i1ray == nullptr || i2ray == nullptr || i3ray == nullptr))) {
        warnin(Warning::incorrectParameter);
        return;
    }
    FilledContourState &f = rec.contfill;
    if (f.nconclr > 0 && f.nconclr < nlev) {
        qqserr("More contour levels as defined colours");
        warnin(Warning::ownText);
    }
    BandFillScope bands(rec, zlev, nlev);
    if (!bands.ready()) return;
    const float *s = bands.sortedLevels();
    // The band colours follow the rules of cells, whatever shdmod chose for grids.
    const int polygons = rec.surface.ishdcon;
    rec.surface.ishdcon = 0;
    bands.beginFills(s);
    fillTriangles(rec, xray, yray, zray, n, i1ray, i2ray, i3ray, ntri, s, nlev);
    rec.surface.ishdcon = polygons;
}
