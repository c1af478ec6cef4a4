// The cells of filled contours: a cell within one band is one rectangle, a
// cell crossed by one level is split along the level into two or three
// polygons, and a cell crossed by several levels becomes a mosaic of small
// rectangles, each in the band of its centre. A polygon across the edge of
// the axis system is cut to it, so that the device fills it whole.
#include <algorithm>
#include <cmath>

#include "graphics2d/filled_contours.h"
#include "graphics2d/transforms.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Sub-cells of a cell crossed by several levels are about this wide, plot units.
constexpr int kMosaicStep = 5;

// The vertices a split cell is made of: its corners P1..P4, the level points on
// its edges X12 .. X34 and on the half-diagonals towards the centre X1M .. X4M.
enum Vertex : signed char {
    P1,
    P2,
    P3,
    P4,
    X12,
    X14,
    X23,
    X34,
    X1M,
    X2M,
    X3M,
    X4M,
    kVertices,
    End = -1
};

// One or two polygons of one band, each ended by End, the list by a second End.
using Parts = signed char[16];

struct Split {
    Parts lower, upper;
};

// Indexed by centre high (0, 1), P3 high, P4 high: the saddles (P3 low and P4
// high with a high centre, or the reverse with a low one) join the side the
// centre belongs to.
constexpr Split kSplits[2][2][2] = {
    {
        // centre low
        {
            // P3 low
            {{P1, X12, X2M, X23, P3, P4, End, End}, {P2, X12, X2M, X23, End, End}},
            {{P1, X12, X2M, X23, P3, X34, X4M, X14, End, End},
             {P2, X12, X2M, X23, End, P4, X34, X4M, X14, End, End}},
        },
        {
            // P3 high
            {{P1, X12, X2M, X3M, X34, P4, End, End}, {P2, X12, X2M, X3M, X34, P3, End, End}},
            {{P1, X12, X2M, X3M, X14, End, End}, {P2, X12, X2M, X3M, X14, P4, P3, End, End}},
        },
    },
    {
        // centre high
        {
            // P3 low
            {{P1, X12, X1M, X4M, X23, P3, P4, End, End}, {P2, X12, X1M, X4M, X23, End, End}},
            {{P1, X12, X1M, X14, End, P3, X34, X3M, X23, End, End},
             {P2, X12, X1M, X14, P4, X34, X3M, X23, End, End}},
        },
        {
            // P3 high
            {{P1, X12, X1M, X4M, X34, P4, End, End}, {P2, X12, X1M, X4M, X34, P3, End, End}},
            {{P1, X12, X1M, X14, End, End}, {P2, X12, X1M, X14, P4, P3, End, End}},
        },
    },
};

} // namespace

void levelPointOf(float xa, float ya, float za, float xb, float yb, float zb, float L, float &x,
                  float &y) {
    x = xa;
    y = ya;
    if (za != zb) {
        const float t = (zb - L) / (zb - za);
        x = xb - t * (xb - xa);
        y = yb - t * (yb - ya);
    }
}

namespace {

struct CellPoint {
    float x, y, z;
};

// Fills the polygons of one band of a split cell in colour.
void fillParts(GlobalRecord &rec, const Parts &parts, const float px[], const float py[],
               int colour) {
    if (colour == -1) return;
    qqsclr(rec, colour);
    float x[8], y[8];
    int n = 0;
    for (int k = 0; k < int(sizeof parts); ++k) {
        if (parts[k] == End) {
            if (n == 0) break;
            fillCutToWindow(rec, x, y, n);
            n = 0;
            continue;
        }
        x[n] = px[parts[k]];
        y[n] = py[parts[k]];
        ++n;
    }
}

// Splits the cell P1..P4 at level L: P1 lies in band b1 (at or below L), P2 in
// band b2 above it.
void qqcnt3(GlobalRecord &rec, const CellPoint p[4], int b1, int b2, const float *s, int nlev,
            float L, bool centreLow) {
    CellPoint m{0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        m.x += p[k].x;
        m.y += p[k].y;
        m.z += p[k].z;
    }
    m.x *= 0.25f;
    m.y *= 0.25f;
    m.z *= 0.25f;
    float ux[kVertices], uy[kVertices];
    for (int k = 0; k < 4; ++k) {
        ux[k] = p[k].x;
        uy[k] = p[k].y;
    }
    auto levelPoint = [&](Vertex v, const CellPoint &a, const CellPoint &b) {
        levelPointOf(a.x, a.y, a.z, b.x, b.y, b.z, L, ux[v], uy[v]);
    };
    levelPoint(X12, p[0], p[1]);
    levelPoint(X14, p[0], p[3]);
    levelPoint(X23, p[1], p[2]);
    levelPoint(X34, p[2], p[3]);
    levelPoint(X1M, p[0], m);
    levelPoint(X2M, p[1], m);
    levelPoint(X3M, p[2], m);
    levelPoint(X4M, p[3], m);
    // Points on the cell's edges take the whole plot units the rectangles of
    // the neighbouring cells end at, so that no seam opens between them.
    const float left = std::min(p[0].x, p[2].x), right = std::max(p[0].x, p[2].x);
    const float bottom = std::min(p[0].y, p[2].y), top = std::max(p[0].y, p[2].y);
    float px[kVertices], py[kVertices];
    for (int v = 0; v < kVertices; ++v) {
        qqpos2(rec, ux[v], uy[v], px[v], py[v]);
        if (ux[v] == left || ux[v] == right) px[v] = float(nintqq(px[v]));
        if (uy[v] == bottom || uy[v] == top) py[v] = float(nintqq(py[v]));
    }
    const Split &split = kSplits[centreLow ? 0 : 1][p[2].z > L ? 1 : 0][p[3].z > L ? 1 : 0];
    fillParts(rec, split.lower, px, py, qqcnt4(rec, s, nlev, b1));
    fillParts(rec, split.upper, px, py, qqcnt4(rec, s, nlev, b2));
}

} // namespace

int qqcnt0(GlobalRecord &rec, float xa, float ya, float xb, float yb, int colour) {
    float x1, y1, x2, y2;
    qqpos2(rec, xa, ya, x1, y1);
    qqpos2(rec, xb, yb, x2, y2);
    if (rec.map.iprojct <= 9) {
        dbox(rec, nintqq(std::min(x1, x2)), nintqq(std::min(y1, y2)), nintqq(std::max(x1, x2)),
             nintqq(std::max(y1, y2)), colour);
        return 0;
    }
    // Beyond the cylinders a cell's sides are no longer parallel to the axes.
    float px[4] = {x1, 0, x2, 0}, py[4] = {y1, 0, y2, 0};
    qqpos2(rec, xb, ya, px[1], py[1]);
    qqpos2(rec, xa, yb, px[3], py[3]);
    qqsclr(rec, colour);
    arealx(rec, px, py, 4);
    fillCutToWindow(rec, px, py, 4);
    return 0;
}

void qqgpkt(const GlobalRecord &rec, float xa, float ya, float za, float xb, float yb, float zb,
            float L, float &xp, float &yp) {
    float x, y;
    levelPointOf(xa, ya, za, xb, yb, zb, L, x, y);
    qqpos2(rec, x, y, xp, yp);
}

void qqcnt1(GlobalRecord &rec, const float *x, const float *y, int i, int j, const float c[4],
            const int b[4], const float *s, int nlev) {
    const float cx[4] = {x[i], x[i + 1], x[i + 1], x[i]};
    const float cy[4] = {y[j], y[j], y[j + 1], y[j + 1]};
    int k = 0;
    while (k < 3 && !(b[k] < b[(k + 1) % 4]))
        ++k;
    CellPoint p[4];
    for (int n = 0; n < 4; ++n) {
        const int corner = (k + n) % 4;
        p[n] = {cx[corner], cy[corner], c[corner]};
    }
    const int b1 = b[k], b2 = b[(k + 1) % 4];
    const float L = s[b1];
    const bool centreLow = (c[0] + c[1] + c[2] + c[3]) * 0.25f <= L;
    qqcnt3(rec, p, b1, b2, s, nlev, L, centreLow);
}

void qqcnt2(GlobalRecord &rec, const float *x, const float *y, int i, int j, const float c[4],
            const float *s, int nlev) {
    float xp0, yp0, xp1, yp1;
    qqpos2(rec, x[i], y[j], xp0, yp0);
    qqpos2(rec, x[i + 1], y[j + 1], xp1, yp1);
    // A cell wider than the page is cut into no more sub-cells than the page
    // holds: far coordinates cannot make the mosaic endless.
    const int w = std::min(std::abs(truncToInt(xp1 - xp0)), rec.page.nxpage);
    const int h = std::min(std::abs(truncToInt(yp1 - yp0)), rec.page.nypage);
    const int nsx = std::max(w / kMosaicStep, 1), nsy = std::max(h / kMosaicStep, 1);
    const float dx = (x[i + 1] - x[i]) / float(nsx), dy = (y[j + 1] - y[j]) / float(nsy);
    for (int k = 0; k < nsx; ++k) {
        const float u = (float(k) + 0.5f) / float(nsx);
        const float xa = x[i] + float(k) * dx;
        for (int l = 0; l < nsy; ++l) {
            const float v = (float(l) + 0.5f) / float(nsy);
            const float value =
                (1 - u) * (1 - v) * c[0] + u * (1 - v) * c[1] + u * v * c[2] + (1 - u) * v * c[3];
            const int band = contourBand(s, nlev, value);
            if (band < 0) continue;
            const int colour = qqcnt4(rec, s, nlev, band);
            if (colour == -1) continue;
            const float ya = y[j] + float(l) * dy;
            qqcnt0(rec, xa, ya, xa + dx, ya + dy, colour);
        }
    }
}
