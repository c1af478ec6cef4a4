// getmat: scattered points (x, y, z) spread onto a regular grid over the axis
// ranges. Each node takes the mean of the points within reach, weighted by
// 1 / d^p; a point exactly on a node fixes it; a node out of every point's
// reach takes the caller's fill value. mdfmat sets the reach and p. The
// caller gives the work arrays, so nothing is allocated.
#include <cmath>
#include <cstddef>

#include "graphics2d/gridding.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kExactHit = -1; // count of a node fixed by a point on it

struct Range {
    float a, e;
};

// The node range [first, last] (1-based) within reach of position u (in
// 1-based node numbers); first > last when no node is, also for a position
// that is not a number.
void nodesWithinReach(float u, int reach, int count, int &first, int &last) {
    float lo = std::trunc(u - float(reach)) + 1.0f;
    float hi = std::trunc(u + float(reach));
    lo = lo < 1.0f ? 1.0f : lo;
    hi = hi > float(count) ? float(count) : hi;
    if (!(lo <= hi)) {
        first = 1;
        last = 0;
        return;
    }
    first = truncToInt(lo);
    last = truncToInt(hi);
}

} // namespace

void resetGriddingDefaults(GlobalRecord &rec) {
    rec.gridding = GriddingState{};
}

extern "C" void getmat(const float *xray, const float *yray, const float *zray, int n, float *zmat,
                       int nx, int ny, float zval, int *imat, float *wmat) {
    GlobalRecord *recp = jqqlev(2, 3, "getmat");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n <= 0 || nx <= 1 || ny <= 1 || xray == nullptr || yray == nullptr || zray == nullptr ||
        zmat == nullptr || imat == nullptr || wmat == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }

    Range xr{rec.axsys.xgrfx[0], rec.axsys.xgrfx[1]};
    Range yr{rec.axsys.xgrfy[0], rec.axsys.xgrfy[1]};
    if (rec.surface.isursze == 1) {
        const float *e = rec.surface.xsursze;
        xr = {e[0], e[1]};
        yr = {e[2], e[3]};
    } else if (rec.axsys.igrftyp == 3) {
        xr = {rec.view3d.xgrf3d[0][0], rec.view3d.xgrf3d[0][1]};
        yr = {rec.view3d.xgrf3d[1][0], rec.view3d.xgrf3d[1][1]};
    }
    // Logarithmic axes hold their limits as exponents; the nodes run linearly
    // between the powers.
    if (rec.axes.ilogax[0] == 1) xr = {std::pow(10.0f, xr.a), std::pow(10.0f, xr.e)};
    if (rec.axes.ilogax[1] == 1) yr = {std::pow(10.0f, yr.a), std::pow(10.0f, yr.e)};
    const float dx = (xr.e - xr.a) / float(nx - 1);
    const float dy = (yr.e - yr.a) / float(ny - 1);
    // Equal limits leave no spacing to place nodes by.
    if (!(dx != 0.0f) || !(dy != 0.0f) || !std::isfinite(dx) || !std::isfinite(dy)) {
        warnin(Warning::incorrectParameter);
        return;
    }

    const std::size_t nodes = std::size_t(nx) * std::size_t(ny);
    for (std::size_t k = 0; k < nodes; ++k) {
        zmat[k] = 0.0f;
        imat[k] = 0;
        wmat[k] = 0.0f;
    }

    const int ix = rec.gridding.nmdfmat[0], iy = rec.gridding.nmdfmat[1];
    const float p = rec.gridding.xmdfmat;
    for (int k = 0; k < n; ++k) {
        const float u = (xray[k] - xr.a) / dx + 1.0f;
        const float v = (yray[k] - yr.a) / dy + 1.0f;
        int i1, i2, j1, j2;
        nodesWithinReach(u, ix, nx, i1, i2);
        nodesWithinReach(v, iy, ny, j1, j2);
        for (int i = i1; i <= i2; ++i) {
            const float xnode = xr.a + float(i - 1) * dx;
            const float ddx = xray[k] - xnode;
            std::size_t at = std::size_t(i - 1) * std::size_t(ny) + std::size_t(j1 - 1);
            for (int j = j1; j <= j2; ++j, ++at) {
                const float ynode = yr.a + float(j - 1) * dy;
                const float ddy = yray[k] - ynode;
                const float d2 = ddx * ddx + ddy * ddy;
                if (d2 == 0.0f) {
                    zmat[at] = zray[k];
                    imat[at] = kExactHit;
                } else if (imat[at] != kExactHit) {
                    const float w = 1.0f / std::pow(std::sqrt(d2), p);
                    imat[at] += 1;
                    zmat[at] += w * zray[k];
                    wmat[at] += w;
                }
            }
        }
    }

    for (std::size_t k = 0; k < nodes; ++k) {
        if (imat[k] == 0)
            zmat[k] = zval;
        else if (imat[k] > 0)
            zmat[k] /= wmat[k];
    }
}

extern "C" void mdfmat(int ix, int iy, float p) {
    GlobalRecord &rec = chkini("mdfmat");
    if (ix <= 0 || iy <= 0 || !(p > 0.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.gridding.nmdfmat[0] = ix;
    rec.gridding.nmdfmat[1] = iy;
    rec.gridding.xmdfmat = p;
}
