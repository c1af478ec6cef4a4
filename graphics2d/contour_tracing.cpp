// Tracing the contour lines of one level through a rectangular grid. A line
// enters a cell across an edge between a low and a high grid point; the cell
// is split into four triangles at its centre (the mean of its corners), which
// settles saddles, and the line leaves across the next edge that straddles
// the level. Lines are started on the border, walked counter-clockwise, and
// then inside; the crossing mask keeps a closed line from being traced twice.
#include <cmath>
#include <cstddef>
#include <cstring>

#include "graphics2d/contours.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

struct GridPoint {
    int i, j;
};

// The third corner of the cell beyond edge (L, H) seen from L: the step for
// the difference H - L, edge or diagonal.
inline GridPoint stepFrom(GridPoint from, int di, int dj) {
    // (1,0)->(0,1) (-1,0)->(0,-1) (0,1)->(-1,0) (0,-1)->(1,0)
    // (1,1)->(0,1) (-1,-1)->(0,-1) (1,-1)->(1,0) (-1,1)->(-1,0)
    if (di == 0) return {from.i - dj, from.j};
    if (dj == 0 || di == dj) return {from.i, from.j + di};
    return {from.i + di, from.j};
}

// A value equal to the level counts as low; so does a NaN, so that every
// comparison of a point agrees with every other.
inline bool high(float z, float zlev) {
    return z > zlev;
}

struct Grid {
    const float *x, *y, *z;
    int nx, ny;
    float at(GridPoint p) const { return z[std::size_t(p.i) * std::size_t(ny) + std::size_t(p.j)]; }
    bool inside(GridPoint p) const { return p.i >= 0 && p.i < nx && p.j >= 0 && p.j < ny; }
};

} // namespace

// 32-bit words of a bitmap with one bit per grid point.
static std::size_t maskWords(int nx, int ny) {
    return (std::size_t(nx) * std::size_t(ny) + 31) / 32;
}

// The lines that start inside, at an x-direction edge crossed upwards and not
// yet met by a line. They start row by row (j, then i), and a start depends on
// the crossings traced before it; the grid, though, lies column by column (z
// of i, j at i ny + j), so a scan along rows would touch a new cache line at
// every point. The static half of the test, an edge with its low end left,
// is therefore found first in memory order into a bitmap, which is then read
// row by row: the same lines in the same order, for one pass over the grid.
static void traceInsideLines(GlobalRecord &rec, const Grid &g, float zlev) {
    const int nx = g.nx, ny = g.ny;
    const std::size_t words = maskWords(nx, ny);
    // icrmsk took room for these bits behind the crossing mask.
    std::uint32_t *candidate = rec.contour.pconmsk + words;
    std::memset(candidate, 0, words * sizeof *candidate);
    for (int i = 1; i < nx; ++i) {
        const float *left = g.z + std::size_t(i - 1) * std::size_t(ny);
        const float *right = left + ny;
        for (int j = 1; j < ny - 1; ++j) {
            if (high(right[j], zlev) && !high(left[j], zlev)) {
                const std::size_t bit = std::size_t(j) * std::size_t(nx) + std::size_t(i);
                candidate[bit / 32] |= std::uint32_t(1) << (bit % 32);
            }
        }
    }
    for (std::size_t w = 0; w < words; ++w) {
        for (std::uint32_t word = candidate[w]; word != 0; word &= word - 1) {
            const std::size_t bit = w * 32 + std::size_t(__builtin_ctz(word));
            const int j = int(bit / std::size_t(nx)), i = int(bit % std::size_t(nx));
            if (icrmsk(rec, i, j, kMaskTest) == 0)
                contu2(rec, g.x, nx, g.y, ny, g.z, i - 1, j, i, j);
        }
    }
}

int icrmsk(GlobalRecord &rec, int i, int j, int mode) {
    ContourState &c = rec.contour;
    if (mode == kMaskAllocate) {
        // The block also holds, behind the mask, the start candidates of the
        // inside scan (as many bits again).
        const std::size_t words = maskWords(i, j);
        std::uint32_t *mask = c.crossingMask.reserve(2 * words);
        if (mask == nullptr) {
            c.pconmsk = nullptr;
            warnin(Warning::noMemory);
            return 1;
        }
        std::memset(mask, 0, words * sizeof *mask);
        c.pconmsk = mask;
        c.nconmsk = i;
        return 0;
    }
    if (mode == kMaskFree) {
        // The block is kept for the next level; only this level's view ends.
        c.pconmsk = nullptr;
        return 0;
    }
    const std::size_t bit = std::size_t(j) * std::size_t(c.nconmsk) + std::size_t(i);
    std::uint32_t &word = c.pconmsk[bit / 32];
    const std::uint32_t flag = std::uint32_t(1) << (bit % 32);
    const int was = (word & flag) != 0 ? 1 : 0;
    if (mode == kMaskTestAndSet) word |= flag;
    return was;
}

void contu3(GlobalRecord &rec, float xa, float ya, float za, float xb, float yb, float zb) {
    const float zlev = rec.contour.xconlev;
    const float dz = za - zb;
    const float t = std::fabs(dz) >= 1e-35f ? (za - zlev) / dz : 0.0f;
    contu4(rec, xa - (xa - xb) * t, ya - (ya - yb) * t);
}

void contu2(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
            const float *zmat, int i1, int j1, int i2, int j2) {
    const Grid g{xray, yray, zmat, nx, ny};
    const float zlev = rec.contour.xconlev;
    GridPoint lo{i1, j1}, hi{i2, j2};
    rec.contour.iconlin = kContourLineStart;
    // Every step crosses another edge of the grid; a line never needs more.
    const std::size_t limit = 2 * std::size_t(nx) * std::size_t(ny) + 4;
    for (std::size_t steps = 0; steps < limit; ++steps) {
        const float zl = g.at(lo), zh = g.at(hi);
        contu3(rec, xray[hi.i], yray[hi.j], zh, xray[lo.i], yray[lo.j], zl);
        if (hi.j == lo.j && hi.i == lo.i + 1 && icrmsk(rec, hi.i, hi.j, kMaskTestAndSet) == 1)
            return; // back at the crossing where the closed line began
        const GridPoint p3 = stepFrom(lo, hi.i - lo.i, hi.j - lo.j);
        if (!g.inside(p3)) return; // the line has reached the border
        const GridPoint p4 = stepFrom(p3, hi.i - p3.i, hi.j - p3.j);
        const float z3 = g.at(p3), z4 = g.at(p4);
        const float xm = (xray[hi.i] + xray[p3.i]) * 0.5f;
        const float ym = (yray[hi.j] + yray[p3.j]) * 0.5f;
        const float zm = (zh + zl + z3 + z4) * 0.25f;
        if (!high(zm, zlev)) {
            contu3(rec, xray[hi.i], yray[hi.j], zh, xm, ym, zm);
            if (!high(z4, zlev)) {
                lo = p4;
                continue;
            }
            contu3(rec, xray[p4.i], yray[p4.j], z4, xm, ym, zm);
            if (!high(z3, zlev)) {
                lo = p3;
                hi = p4;
            } else {
                contu3(rec, xray[p3.i], yray[p3.j], z3, xm, ym, zm);
                hi = p3;
            }
        } else {
            contu3(rec, xm, ym, zm, xray[lo.i], yray[lo.j], zl);
            if (high(z3, zlev)) {
                hi = p3;
                continue;
            }
            contu3(rec, xm, ym, zm, xray[p3.i], yray[p3.j], z3);
            if (high(z4, zlev)) {
                lo = p3;
                hi = p4;
            } else {
                contu3(rec, xm, ym, zm, xray[p4.i], yray[p4.j], z4);
                lo = p4;
            }
        }
    }
}

void contu1(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
            const float *zmat, float zlev) {
    beginContourLine(rec, zlev);
    rec.contour.nconlbb = 0;
    traceContourLevel(rec, xray, nx, yray, ny, zmat, zlev);
}

void traceContourLevel(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
                       const float *zmat, float zlev) {
    rec.contour.xconlev = zlev;
    if (icrmsk(rec, nx, ny, kMaskAllocate) != 0) return;
    const Grid g{xray, yray, zmat, nx, ny};
    // Starts an edge whose high end lies ahead of its low end.
    auto start = [&](GridPoint lo, GridPoint hi) {
        if (high(g.at(hi), zlev) && !high(g.at(lo), zlev))
            contu2(rec, xray, nx, yray, ny, zmat, lo.i, lo.j, hi.i, hi.j);
    };
    for (int i = 1; i < nx; ++i)
        start({i - 1, 0}, {i, 0});
    for (int j = 1; j < ny; ++j)
        start({nx - 1, j - 1}, {nx - 1, j});
    for (int i = nx - 2; i >= 0; --i)
        start({i + 1, ny - 1}, {i, ny - 1});
    for (int j = ny - 2; j >= 0; --j)
        start({0, j + 1}, {0, j});
    if (ny > 2) traceInsideLines(rec, g, zlev);
    icrmsk(rec, 0, 0, kMaskFree);
    rec.contour.iconlin = kContourLineEnd;
    contu4(rec, 0.0f, 0.0f);
}
