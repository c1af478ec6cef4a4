// contri: the contour line of one level of scattered data that the caller
// has triangulated. Each triangle gives at most one straight segment; when
// labels, thick or dashed lines are wanted the segments are joined into
// polylines first, so that labels and dashes run along whole lines.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "graphics2d/axis_system.h"
#include "graphics2d/contours.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

// The scattered points and their triangles as the caller passed them.
struct Triangulation {
    const float *x, *y, *z;
    int n;
    const int *i1, *i2, *i3;
    int ntri;
};

// One end of a segment and the triangle edge it lies on: (a, b) for a point
// on the edge between the points a and b, (v, v) for the corner v itself.
struct SegmentEnd {
    float x, y;
    int a, b;
};

struct Segment {
    SegmentEnd end1, end2;
};

SegmentEnd cornerEnd(const Triangulation &t, int v) {
    return {t.x[v - 1], t.y[v - 1], v, v};
}

// The level point on the edge from corner a toward corner b.
SegmentEnd edgeEnd(const Triangulation &t, int a, int b, float zlev) {
    const float xa = t.x[a - 1], ya = t.y[a - 1], za = t.z[a - 1];
    const float tt = (za - zlev) / (za - t.z[b - 1]);
    return {xa - (xa - t.x[b - 1]) * tt, ya - (ya - t.y[b - 1]) * tt, a, b};
}

// The piece of level zlev in triangle k; false when the level does not cross
// it, when it only touches a corner, and when the triangle names a point
// outside 1..n or has a value that is no number.
bool segmentOf(const Triangulation &t, int k, float zlev, Segment &s) {
    const int corners[3] = {t.i1[k], t.i2[k], t.i3[k]};
    int below[3], on[3], above[3];
    int nb = 0, no = 0, na = 0;
    for (int v : corners) {
        if (v < 1 || v > t.n) return false;
        const float z = t.z[v - 1];
        if (std::isnan(z)) return false;
        if (z < zlev)
            below[nb++] = v;
        else if (z > zlev)
            above[na++] = v;
        else
            on[no++] = v;
    }
    if (no == 2) {
        // An edge on the level; a triangle wholly on the level gives nothing.
        s = {cornerEnd(t, on[0]), cornerEnd(t, on[1])};
        return true;
    }
    if (no == 1 && nb == 1) {
        s = {cornerEnd(t, on[0]), edgeEnd(t, above[0], below[0], zlev)};
        return true;
    }
    if (no == 0 && nb == 1) {
        s = {edgeEnd(t, below[0], above[0], zlev), edgeEnd(t, below[0], above[1], zlev)};
        return true;
    }
    if (no == 0 && na == 1) {
        s = {edgeEnd(t, above[0], below[0], zlev), edgeEnd(t, above[0], below[1], zlev)};
        return true;
    }
    return false;
}

bool sameKey(const SegmentEnd &e, int a, int b) {
    return (e.a == a && e.b == b) || (e.a == b && e.b == a);
}

bool isCorner(const SegmentEnd &e) {
    return e.a == e.b;
}

template <class T> std::unique_ptr<T[]> allocate(std::size_t n) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[n]);
}

// Segments drawn one by one in triangle order.
void drawSegments(GlobalRecord &rec, const Triangulation &t, float zlev) {
    for (int k = 0; k < t.ntri; ++k) {
        Segment s;
        if (!segmentOf(t, k, zlev, s)) continue;
        float xp, yp;
        qqpos2(rec, s.end1.x, s.end1.y, xp, yp);
        strtqq(rec, xp, yp);
        qqpos2(rec, s.end2.x, s.end2.y, xp, yp);
        connqq(rec, xp, yp);
    }
}

// The m segments of the level, their taken flags and the buffer of the line
// being joined (m + 1 points: every segment adds one point to the start).
struct JoinMemory {
    int m = 0;
    std::unique_ptr<Segment[]> segments;
    std::unique_ptr<std::uint8_t[]> taken;
    std::unique_ptr<float[]> lineX, lineY;

    bool allocateFor(int count) {
        m = count;
        const std::size_t size = std::size_t(count) + 1;
        segments = allocate<Segment>(size);
        taken = allocate<std::uint8_t>(size);
        lineX = allocate<float>(size);
        lineY = allocate<float>(size);
        return segments && taken && lineX && lineY;
    }
};

// An edge that two triangles share on the level is drawn once.
void dropSharedEdges(JoinMemory &j) {
    for (int i = 0; i < j.m; ++i) {
        const Segment &s = j.segments[i];
        if (j.taken[i] || !isCorner(s.end1) || !isCorner(s.end2)) continue;
        for (int k = 0; k < j.m; ++k) {
            const Segment &o = j.segments[k];
            if (k == i || j.taken[k] || !isCorner(o.end1) || !isCorner(o.end2)) continue;
            if ((o.end1.a == s.end1.a && o.end2.a == s.end2.a) ||
                (o.end1.a == s.end2.a && o.end2.a == s.end1.a))
                j.taken[k] = 1;
        }
    }
}

// Draws one joined line p times: the later copies shifted sideways by +1,
// -1, +2, ... base units and without label texts.
void drawJoinedLine(GlobalRecord &rec, const float *x, const float *y, int np, float zlev,
                    int passes) {
    ContourState &c = rec.contour;
    const int labels = c.iconlab;
    const float units = rec.page.xunits;
    for (int k = 1; k <= passes; ++k) {
        if (k > 1 && labels == kContourLabelsOn) c.iconlab = kContourGapsOnly;
        rec.line.xlinoff = float((k % 2 == 1 ? -k : k) / 2) / units;
        contu0(rec, x, y, np, zlev);
    }
    c.iconlab = labels;
}

// Joins the free segments into lines: a line grows from endpoint 2 of its
// first segment through segments that share an edge key, then, reversed, from
// endpoint 1 of the first segment, until neither end finds a partner.
void joinAndDraw(GlobalRecord &rec, JoinMemory &j, float zlev, int passes) {
    float *px = j.lineX.get(), *py = j.lineY.get();
    int firstFree = 0;
    for (;;) {
        while (firstFree < j.m && j.taken[firstFree])
            ++firstFree;
        if (firstFree == j.m) break;
        const Segment &start = j.segments[firstFree];
        j.taken[firstFree] = 1;
        int np = 0;
        px[np] = start.end2.x;
        py[np++] = start.end2.y;
        int keyA = start.end2.a, keyB = start.end2.b;
        bool reversed = false;
        for (;;) {
            bool found = false;
            for (int k = firstFree; k < j.m; ++k) {
                if (j.taken[k]) continue;
                const Segment &s = j.segments[k];
                const SegmentEnd *next = nullptr;
                if (sameKey(s.end1, keyA, keyB))
                    next = &s.end2;
                else if (sameKey(s.end2, keyA, keyB))
                    next = &s.end1;
                else
                    continue;
                j.taken[k] = 1;
                px[np] = next->x;
                py[np++] = next->y;
                keyA = next->a;
                keyB = next->b;
                found = true;
                break;
            }
            if (found) continue;
            if (reversed) break;
            for (int lo = 0, hi = np - 1; lo < hi; ++lo, --hi) {
                std::swap(px[lo], px[hi]);
                std::swap(py[lo], py[hi]);
            }
            px[np] = start.end1.x;
            py[np++] = start.end1.y;
            keyA = start.end1.a;
            keyB = start.end1.b;
            reversed = true;
        }
        if (np > 1) drawJoinedLine(rec, px, py, np, zlev, passes);
    }
}

// Join mode; false after warning 53, with nothing drawn.
bool drawJoined(GlobalRecord &rec, const Triangulation &t, float zlev, int passes) {
    int m = 0;
    Segment s;
    for (int k = 0; k < t.ntri; ++k)
        if (segmentOf(t, k, zlev, s)) ++m;
    JoinMemory j;
    if (!j.allocateFor(m)) {
        warnin(Warning::noMemory);
        return false;
    }
    bool edges = false;
    for (int k = 0, i = 0; k < t.ntri; ++k) {
        if (!segmentOf(t, k, zlev, j.segments[i])) continue;
        const Segment &stored = j.segments[i];
        edges = edges || (isCorner(stored.end1) && isCorner(stored.end2));
        j.taken[i++] = 0;
    }
    if (edges) dropSharedEdges(j);
    joinAndDraw(rec, j, zlev, passes);
    qqstrk(rec);
    rec.line.xlinoff = 0.0f;
    setTextAngle(rec, 0);
    return true;
}

} // namespace

extern "C" void contri(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri, float zlev) {
    GlobalRecord *recp = jqqlev(2, 3, "contri");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n < 1 || ntri < 0) {
        warni1(Warning::incorrectParameter, n < 1 ? n : ntri);
        return;
    }
    if (xray == nullptr || yray == nullptr || zray == nullptr ||
        (ntri > 0 && (i1ray == nullptr || i2ray == nullptr || i3ray == nullptr))) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const Triangulation t{xray, yray, zray, n, i1ray, i2ray, i3ray, ntri};

    ContourState &c = rec.contour;
    CurveState &curve = rec.curve;
    rec.contfill.iconfil = 0;
    const int markers = curve.nincmrk;
    curve.nincmrk = 0; // the legend shows a line without marker
    c.ncrvnum += 1;
    slegnd(rec, c.ncrvnum);
    int passes = truncToInt(float(curve.nthkcrv) * rec.page.xunits + 0.5f);
    if (passes < 1) passes = 1;
    sclpax(rec, 0);

    const bool join = c.iconlab != kContourLabelsOff || passes != 1 || rec.line.ndashel != 1;
    if (join)
        drawJoined(rec, t, zlev, passes);
    else
        drawSegments(rec, t, zlev);

    sclpax(rec, 1);
    curve.nincmrk = markers;
}
