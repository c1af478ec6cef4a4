// The cubes of suriso: monotony, counting, gradients, the cut to the axis
// ranges and the triangles of one cube.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>

#include "graphics3d/cube_table.h"
#include "graphics3d/iso_surface.h"
#include "graphics3d/lighting.h"
#include "graphics3d/projection.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr float kTiny = 1.0e-35f;

// Corners on the low and high grid index of each axis, paired in order.
constexpr int kLowLayer[3][4] = {{0, 3, 4, 7}, {0, 1, 4, 5}, {0, 1, 2, 3}};
constexpr int kHighLayer[3][4] = {{1, 2, 5, 6}, {3, 2, 7, 6}, {4, 5, 6, 7}};

std::size_t at(int i, int j, int k, int ny, int nz) {
    return (std::size_t(i) * std::size_t(ny) + std::size_t(j)) * std::size_t(nz) + std::size_t(k);
}

int patternOf(const float cw[8], float wlev) {
    int p = 0;
    for (int c = 0; c < 8; ++c)
        if (cw[c] < wlev) p |= 1 << c;
    return p > 127 ? 255 - p : p;
}

int trianglesOf(const float cw[8], float wlev) {
    return cube_table::kTriangles[cube_table::kTable.rows[patternOf(cw, wlev)][0]];
}

// Cuts one axis; false when the cube lies beyond it.
bool cutAxis(float *coord, float cw[8], int axis, float s, float e) {
    const int *lo = kLowLayer[axis], *hi = kHighLayer[axis];
    if (coord[lo[0]] > coord[hi[0]]) std::swap(lo, hi); // a descending grid
    if (coord[hi[0]] < s || coord[lo[0]] > e) return false;
    if (coord[lo[0]] < s) {
        const float t = (s - coord[lo[0]]) / (coord[hi[0]] - coord[lo[0]]);
        for (int m = 0; m < 4; ++m) {
            coord[lo[m]] = s;
            cw[lo[m]] += t * (cw[hi[m]] - cw[lo[m]]);
        }
    }
    if (coord[hi[0]] > e) {
        const float t = (e - coord[lo[0]]) / (coord[hi[0]] - coord[lo[0]]);
        for (int m = 0; m < 4; ++m) {
            coord[hi[m]] = e;
            cw[hi[m]] = cw[lo[m]] + t * (cw[hi[m]] - cw[lo[m]]);
        }
    }
    return true;
}

} // namespace

int jqqcmo(const float *array, int n) {
    const bool ascending = array[n - 1] > array[0];
    for (int m = 0; m + 1 < n; ++m) {
        const bool ok = ascending ? array[m] < array[m + 1] : array[m + 1] < array[m];
        if (!ok) {
            qqserr("arrays must be monoton");
            warnin(Warning::ownText);
            return 1;
        }
    }
    return 0;
}

void loadCube(const float *x1ray, const float *x2ray, const float *x3ray, const float *wmat, int ny,
              int nz, int i, int j, int k, float cx[8], float cy[8], float cz[8], float cw[8]) {
    for (int c = 0; c < 8; ++c) {
        const int *o = cube_table::kCornerOffset[c];
        cx[c] = x1ray[i + o[0]];
        cy[c] = x2ray[j + o[1]];
        cz[c] = x3ray[k + o[2]];
        cw[c] = wmat[at(i + o[0], j + o[1], k + o[2], ny, nz)];
    }
}

int jqqcu0(GlobalRecord &rec, const float *x1ray, int nx, const float *x2ray, int ny,
           const float *x3ray, int nz, const float *wmat, float wlev) {
    long long count = 0;
    for (int k = 0; k + 1 < nz; ++k)
        for (int j = 0; j + 1 < ny; ++j)
            for (int i = 0; i + 1 < nx; ++i) {
                // The cut changes corner values, and with them the pattern:
                // a cut cube can make more triangles than the whole one.
                float cx[8], cy[8], cz[8], cw[8];
                loadCube(x1ray, x2ray, x3ray, wmat, ny, nz, i, j, k, cx, cy, cz, cw);
                if (qqcub0(rec, cx, cy, cz, cw) == 0) count += trianglesOf(cw, wlev);
            }
    return int(std::min<long long>(count, INT_MAX));
}

void qqgngr(const float *x1ray, int nx, const float *x2ray, int ny, const float *x3ray, int nz,
            const float *wmat, int i, int j, int k, float gx[8], float gy[8], float gz[8]) {
    auto clamp = [](int v, int n) { return std::max(0, std::min(v, n - 1)); };
    const int ix[4] = {clamp(i - 1, nx), i, i + 1, clamp(i + 2, nx)};
    const int iy[4] = {clamp(j - 1, ny), j, j + 1, clamp(j + 2, ny)};
    const int iz[4] = {clamp(k - 1, nz), k, k + 1, clamp(k + 2, nz)};
    auto w = [&](int a, int b, int c) { return wmat[at(a, b, c, ny, nz)]; };
    if (i > 0) {
        // The face on x index i is the previous cube's face on x index i + 1.
        constexpr int kFrom[4] = {1, 2, 5, 6}, kTo[4] = {0, 3, 4, 7};
        for (int m = 0; m < 4; ++m) {
            gx[kTo[m]] = gx[kFrom[m]];
            gy[kTo[m]] = gy[kFrom[m]];
            gz[kTo[m]] = gz[kFrom[m]];
        }
    }
    for (int c = 0; c < 8; ++c) {
        const int *o = cube_table::kCornerOffset[c];
        if (o[0] == 0 && i > 0) continue;
        const int a = i + o[0], b = j + o[1], d = k + o[2];
        // The corner's neighbours along each axis: one before, one after.
        const int xm = ix[o[0]], xp = ix[o[0] + 2];
        const int ym = iy[o[1]], yp = iy[o[1] + 2];
        const int zm = iz[o[2]], zp = iz[o[2] + 2];
        gx[c] = (w(xp, b, d) - w(xm, b, d)) / (x1ray[xp] - x1ray[xm]);
        gy[c] = (w(a, yp, d) - w(a, ym, d)) / (x2ray[yp] - x2ray[ym]);
        gz[c] = (w(a, b, zp) - w(a, b, zm)) / (x3ray[zp] - x3ray[zm]);
    }
}

void axisEnds(const GlobalRecord &rec, int axis, float &start, float &end) {
    start = rec.view3d.xgrf3d[axis][0];
    end = rec.view3d.xgrf3d[axis][1];
    if (rec.axes.ilogax[axis] == 1) { // held as exponents
        start = std::pow(10.0f, start);
        end = std::pow(10.0f, end);
    }
}

int qqcub0(const GlobalRecord &rec, float cx[8], float cy[8], float cz[8], float cw[8]) {
    float *coords[3] = {cx, cy, cz};
    for (int axis = 0; axis < 3; ++axis) {
        float a, b;
        axisEnds(rec, axis, a, b);
        // A reversed axis has its start above its end; the range is the same.
        if (!cutAxis(coords[axis], cw, axis, std::min(a, b), std::max(a, b))) return 1;
    }
    return 0;
}

void qqcub2(float x1, float y1, float z1, float w1, float x2, float y2, float z2, float w2,
            float wlev, float &x, float &y, float &z) {
    const float d1 = wlev - w1, d12 = w2 - w1, d2 = wlev - w2;
    if (std::fabs(d1) < kTiny || std::fabs(d12) < kTiny) {
        x = x1, y = y1, z = z1;
        return;
    }
    if (std::fabs(d2) < kTiny) {
        x = x2, y = y2, z = z2;
        return;
    }
    const float t = d1 / d12;
    x = x1 + t * (x2 - x1);
    y = y1 + t * (y2 - y1);
    z = z1 + t * (z2 - z1);
}

int qqcub1(const GlobalRecord &rec, const float cx[8], const float cy[8], const float cz[8],
           const float cw[8], float wlev, int countonly, const float gx[8], const float gy[8],
           const float gz[8], int light, const float boxScale[3], float px[12], float py[12],
           float pz[12], float r[12], float g[12], float b[12]) {
    const uint8_t *row = cube_table::kTable.rows[patternOf(cw, wlev)];
    const int count = cube_table::kTriangles[row[0]];
    if (countonly == 1) return count;

    // Each edge point (and its colour) once per cube, however many triangles share it.
    bool done[12] = {};
    float ex[12], ey[12], ez[12], er[12], eg[12], eb[12];
    for (int m = 0; m < 3 * count; ++m) {
        const int e = row[1 + m] - 1;
        if (!done[e]) {
            done[e] = true;
            const int a = cube_table::kEdgeCorners[e][0], c = cube_table::kEdgeCorners[e][1];
            qqcub2(cx[a], cy[a], cz[a], cw[a], cx[c], cy[c], cz[c], cw[c], wlev, ex[e], ey[e],
                   ez[e]);
            if (light == 1) {
                float n[3];
                qqcub2(gx[a], gy[a], gz[a], cw[a], gx[c], gy[c], gz[c], cw[c], wlev, n[0], n[1],
                       n[2]);
                // The gradient as a direction in the box: a stretched axis
                // flattens the function along it.
                for (int k = 0; k < 3; ++k)
                    if (boxScale[k] != 0.0f) n[k] /= boxScale[k];
                const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
                if (length > kTiny)
                    for (float &v : n)
                        v /= length;
                float bx, by, bz;
                qqpos3(rec, ex[e], ey[e], ez[e], bx, by, bz);
                qqglit(rec, bx, by, bz, n[0], n[1], n[2], er[e], eg[e], eb[e]);
            }
        }
        px[m] = ex[e], py[m] = ey[e], pz[m] = ez[e];
        if (light == 1) r[m] = er[e], g[m] = eg[e], b[m] = eb[e];
    }
    return count;
}
