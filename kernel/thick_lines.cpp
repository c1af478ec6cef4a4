// Wide lines: the setters linwid, penwid, lnjoin, lncap, lnmlt, linesp, and
// the software outlines drawn after the centre line of every flushed stroke.
#include "kernel/thick_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "kavlor.h"
#include "kernel/clipping.h"
#include "kernel/dispatch.h"
#include "kernel/driver.h"
#include "kernel/levels.h"
#include "kernel/line_geometry.h"
#include "kernel/line_styles.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.28319f;

enum Join { kJoinSharp = 0 };
enum Cap { kCapRound = 1, kCapLong = 2 };

struct Point {
    float x, y;
};

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
Point operator*(float k, Point a) {
    return {k * a.x, k * a.y};
}

// Angle (y pointing up), unit direction and unit side vector of a segment.
struct SegmentFrame {
    float angle;
    Point dir;
    Point side;
};

SegmentFrame frameOf(Point p, Point q) {
    const float a = qqatan(p.y - q.y, q.x - p.x);
    const float s = std::sin(a), c = std::cos(a);
    return {a, {c, -s}, {s, c}};
}

// The pen of an outline: every piece goes through the clipper, so outlines
// are clipped like any line.
struct OutlinePen {
    GlobalRecord &rec;
    Point at;
    void lineTo(Point p) {
        clip2d(rec, at.x, at.y, p.x, p.y);
        at = p;
    }
    // A pen operation straight to the device, when the point is inside.
    void jumpTo(Point p, int op) {
        if (jqqclp(rec, p.x, p.y) == 0) xjdraw(rec, p.x, p.y, op);
        at = p;
    }
};

void roundCap(GlobalRecord &rec, Point centre, float r, float angle, OutlinePen &pen) {
    qqlcap(rec, centre.x, centre.y, r, angle, pen.at.x, pen.at.y);
}

void outlineOfSegment(GlobalRecord &rec, Point p0, Point p1, float h, float e) {
    const SegmentFrame f = frameOf(p0, p1);
    const Point corner1 = p0 - e * f.dir - h * f.side;
    const Point corner2 = p1 + e * f.dir - h * f.side;
    const Point corner3 = p1 + e * f.dir + h * f.side;
    const Point corner4 = p0 - e * f.dir + h * f.side;
    const bool round = rec.line.ilncap == kCapRound;
    OutlinePen pen{rec, corner1};
    pen.jumpTo(corner1, kPenMove);
    pen.lineTo(corner2);
    if (round) roundCap(rec, p1, h, f.angle, pen);
    pen.lineTo(corner3);
    pen.lineTo(corner4);
    if (round) roundCap(rec, p0, h, frameOf(p1, p0).angle, pen);
    pen.lineTo(corner1);
}

// One pass of an outline along the points q[0..m-1] (m <= kPolylineCapacity)
// at half-width h on the right-hand side; returns the pass's start point.
Point outlinePass(GlobalRecord &rec, OutlinePen &pen, const Point *q, int m, bool closed,
                  bool forward, float h, float e) {
    const LineState &line = rec.line;
    // The frame of each segment, computed once for the pass.
    SegmentFrame frames[kPolylineCapacity - 1];
    for (int k = 0; k + 1 < m; ++k)
        frames[k] = frameOf(q[k], q[k + 1]);
    auto frame = [&](int k) -> const SegmentFrame & { return frames[k]; };
    auto offsetStart = [&](int k) { return q[k] - h * frame(k).side; };
    auto offsetEnd = [&](int k) { return q[k + 1] - h * frame(k).side; };
    // The corner of the outline where segment k meets segment k + 1 when the
    // join there is mitred; false for a straight join.
    auto mitreCorner = [&](int k, int next, Point &corner) {
        const float a1 = frame(k).angle, a2 = frame(next).angle;
        float theta = kPi - a1 + a2;
        if (theta < 0.0f)
            theta += kTwoPi;
        else if (theta > kTwoPi)
            theta -= kTwoPi;
        const float half = theta <= kPi ? theta / 2.0f : kPi - theta / 2.0f;
        const float width = float(line.nlinwid);
        const float mitre = half == 0.0f ? width : width / std::sin(half);
        if (line.ilnjoin != kJoinSharp || mitre > width * line.xlnmlt) return false;
        const Point s1 = offsetStart(k), e1 = offsetEnd(k);
        const Point s2 = offsetStart(next), e2 = offsetEnd(next);
        const float xa[2] = {s1.x, e1.x}, ya[2] = {s1.y, e1.y};
        const float xb[2] = {s2.x, e2.x}, yb[2] = {s2.y, e2.y};
        if (qqcut2(xa, ya, xb, yb, corner.x, corner.y) == 0) corner = s2;
        return true;
    };
    auto join = [&](int k, int next) {
        Point corner;
        if (mitreCorner(k, next, corner)) {
            pen.lineTo(corner);
        } else {
            pen.lineTo(offsetEnd(k));
            pen.lineTo(offsetStart(next));
        }
    };

    Point start;
    if (closed) {
        Point corner;
        const bool mitred = mitreCorner(m - 2, 0, corner);
        start = mitred ? corner : offsetEnd(m - 2);
        pen.jumpTo(start, kPenMove);
        if (!mitred) pen.lineTo(offsetStart(0));
    } else {
        const SegmentFrame f = frame(0);
        start = q[0] - e * f.dir - h * f.side;
        pen.jumpTo(start, forward ? kPenMove : kPenDraw);
    }
    for (int k = 0; k + 2 < m; ++k)
        join(k, k + 1);
    if (closed) {
        pen.lineTo(start);
    } else {
        const SegmentFrame f = frame(m - 2);
        pen.lineTo(q[m - 1] + e * f.dir - h * f.side);
        if (line.ilncap == kCapRound) roundCap(rec, q[m - 1], h, f.angle, pen);
    }
    return start;
}

void outlineOfPolyline(GlobalRecord &rec, float h, float e) {
    const LineState &line = rec.line;
    const int n = line.npolbuf;
    Point forwardPoints[kPolylineCapacity], backwardPoints[kPolylineCapacity];
    for (int i = 0; i < n; ++i) {
        forwardPoints[i] = {line.xpolbuf[i], line.ypolbuf[i]};
        backwardPoints[n - 1 - i] = forwardPoints[i];
    }
    const bool closed = std::fabs(line.xpolbuf[0] - line.xpolbuf[n - 1]) < 0.5f &&
                        std::fabs(line.ypolbuf[0] - line.ypolbuf[n - 1]) < 0.5f;
    OutlinePen pen{rec, forwardPoints[0]};
    const Point first = outlinePass(rec, pen, forwardPoints, n, closed, true, h, e);
    outlinePass(rec, pen, backwardPoints, n, closed, false, h, e);
    pen.lineTo(first);
}

} // namespace

void drawWideOutline(GlobalRecord &rec) {
    const LineState &line = rec.line;
    const float units = rec.page.xunits;
    if (line.nlinwid < 2 || line.npolbuf < 2) return;
    const int w = truncToInt(float(line.nlinwid) * units + 0.5f);
    if (w < 2) return;
    const int outlines = (w + 1) / 3;
    for (int j = 1; j <= outlines; ++j) {
        const float h = j < outlines ? 1.5f * float(j) / units : float(w) / 2.0f / units;
        const float e = line.ilncap == kCapLong ? h : 0.0f;
        if (line.npolbuf == 2)
            outlineOfSegment(rec, {line.xpolbuf[0], line.ypolbuf[0]},
                             {line.xpolbuf[1], line.ypolbuf[1]}, h, e);
        else
            outlineOfPolyline(rec, h, e);
    }
}

void qqlcap(GlobalRecord &rec, float cx, float cy, float r, float a, float &px, float &py) {
    const int m = truncToInt(kPi * r / 2.5f);
    if (m <= 2) return;
    const float step = kPi / float(m + 1);
    for (int i = 1; i <= m; ++i) {
        const float phi = a + kPi * 0.5f - float(i) * step;
        const float x = cx + r * std::cos(phi);
        const float y = cy - r * std::sin(phi);
        clip2d(rec, px, py, x, y);
        px = x;
        py = y;
    }
}

int miterBase(const GlobalRecord &rec) {
    const int t = 2 * std::abs(rec.line.nlinwid);
    return t <= 4 ? 5 : t;
}

namespace {

int deviceWidth(float x) {
    const int n = nintqq(x);
    return n == 0 ? 1 : n;
}

} // namespace

// A device that strokes lines keeps its width as a negative nlinwid; the
// kernel draws the others' wide lines itself.
extern "C" void linwid(int width) {
    GlobalRecord *rec = jqqlev(1, 3, "linwid");
    if (rec == nullptr || jqqval(width, 1, 32000) != 0) return;
    qqstrk(*rec);
    LineState &line = rec->line;
    int t = truncToInt(2.0f * float(width) * rec->page.xunits);
    if (t <= 4) t = 5;
    line.nlinwid = width;
    if (currentDriver(*rec).lineWidth(*rec, {float(width), float(t), true})) line.nlinwid = -width;
}

extern "C" void penwid(float width) {
    GlobalRecord *rec = jqqlev(1, 3, "penwid");
    if (rec == nullptr) return;
    if (!(width > 0.0f && width <= 32000.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    qqstrk(*rec);
    LineState &line = rec->line;
    const float units = rec->page.xunits;
    float t = 0.0f;
    if (width >= 0.99f)
        t = std::max(5.0f, 2.0f * width * units);
    else
        t = units <= 2.0f ? 5.0f * width * units : 2.0f * width * units;
    line.nlinwid = deviceWidth(width);
    if (currentDriver(*rec).lineWidth(*rec, {width, t, false})) line.nlinwid = -line.nlinwid;
}

extern "C" void lnjoin(const char *join) {
    GlobalRecord *rec = jqqlev(1, 3, "lnjoin");
    if (rec == nullptr) return;
    const int i = jqqind("SHAR+ROUN+TRUN", 3, join);
    if (i == 0) return;
    rec->line.ilnjoin = i - 1; // stored before the flush: the pending stroke gets the new join
    qqstrk(*rec);
    currentDriver(*rec).lineJoin(*rec);
}

extern "C" void lncap(const char *cap) {
    GlobalRecord *rec = jqqlev(1, 3, "lncap");
    if (rec == nullptr) return;
    const int i = jqqind("CUT +ROUN+LONG", 3, cap);
    if (i == 0) return;
    rec->line.ilncap = i - 1;
    qqstrk(*rec);
    currentDriver(*rec).lineCap(*rec);
}

extern "C" void lnmlt(float limit) {
    GlobalRecord *rec = jqqlev(1, 3, "lnmlt");
    if (rec == nullptr) return;
    if (!(limit >= 1.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    qqstrk(*rec);
    currentDriver(*rec).miterLimit(*rec, limit);
    rec->line.xlnmlt = limit;
}

extern "C" void linesp(float factor) {
    GlobalRecord &rec = chkini("linesp");
    rec.line.xlinesp = factor;
}
