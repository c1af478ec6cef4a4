// The polyline buffer, its four primitives, the flush and the public routine line.
#include "kernel/polyline.h"

#include "kavlor.h"
#include "kernel/base_transform.h"
#include "kernel/clipping.h"
#include "kernel/dispatch.h"
#include "kernel/floating_horizon.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/shields.h"
#include "kernel/thick_lines.h"

namespace {

// Writes a point at index npolbuf: carried onto the 3-D plane when one is in
// force, then through the base transformation.
inline void storePoint(GlobalRecord &rec, float x, float y) {
    LineState &line = rec.line;
    if (rec.view3d.ipln3d == 1) rec.view3d.planeProjection(rec, x, y);
    if (rec.trf.itrfon == 1) btrf01(rec.trf.xtrfmat, x, y);
    line.xpolbuf[line.npolbuf] = x;
    line.ypolbuf[line.npolbuf] = y;
}

void startAt(GlobalRecord &rec, float x, float y) {
    qqstrk(rec);
    storePoint(rec, x, y);
    rec.line.npolbuf = 1;
}

} // namespace

void appendPoint(GlobalRecord &rec, float x, float y) {
    LineState &line = rec.line;
    storePoint(rec, x, y);
    if (++line.npolbuf < kPolylineCapacity) return;
    qqstrk(rec);
    // The next batch continues where this one ended.
    line.xpolbuf[0] = line.xpolbuf[kPolylineCapacity - 1];
    line.ypolbuf[0] = line.ypolbuf[kPolylineCapacity - 1];
    line.npolbuf = 1;
}

void strtqq(GlobalRecord &rec, float x, float y) {
    LineState &line = rec.line;
    line.xlastpt[0] = x + float(rec.page.nxorg);
    line.xlastpt[1] = y + float(rec.page.nyorg);
    if (line.xlinoff != 0.0f) {
        line.ioffmov = 1; // the shifted start depends on the direction of the first segment
        return;
    }
    startAt(rec, line.xlastpt[0], line.xlastpt[1]);
}

void connqq(GlobalRecord &rec, float x, float y) {
    LineState &line = rec.line;
    const float nx = x + float(rec.page.nxorg);
    const float ny = y + float(rec.page.nyorg);
    if (line.ndashel != 1 || line.xlinoff != 0.0f) {
        connectDashed(rec, nx, ny);
        return;
    }
    line.xlastpt[0] = nx;
    line.xlastpt[1] = ny;
    appendPoint(rec, nx, ny);
}

void qqmove(GlobalRecord &rec, float x, float y) {
    startAt(rec, x, y);
}

void qqdraw(GlobalRecord &rec, float x, float y) {
    appendPoint(rec, x, y);
}

void lineqq(GlobalRecord &rec, int x1, int y1, int x2, int y2) {
    strtqq(rec, float(x1), float(y1));
    connqq(rec, float(x2), float(y2));
}

void xline(GlobalRecord &rec, const float x[2], const float y[2]) {
    qqmove(rec, x[0], y[0]);
    qqdraw(rec, x[1], y[1]);
}

void drawVisibleSegment(GlobalRecord &rec, float x1, float y1, float x2, float y2) {
    // Hidden-line surfaces and shields take the segment over from the device.
    if (rec.horizon.ihidsur == 1) {
        dhline(rec, x1, y1, kHorizonMove);
        dhline(rec, x2, y2, kHorizonDraw);
    } else if (rec.shield.nshield == 0) {
        xjdraw(rec, x2, y2, kPenDraw);
    } else {
        qqbl01(rec, x1, y1, x2, y2);
    }
}

void qqstrk(GlobalRecord &rec) {
    LineState &line = rec.line;
    const int n = line.npolbuf;
    if (n == 0) return;
    line.istroke = 1;
    const float *xs = line.xpolbuf;
    const float *ys = line.ypolbuf;
    // Once a point of the batch lies outside, every later segment is clipped.
    int outside = jqqclp(rec, xs[0], ys[0]);
    if (outside == 0) xjdraw(rec, xs[0], ys[0], kPenMove);
    for (int i = 1; i < n; ++i) {
        if (outside == 0) outside = jqqclp(rec, xs[i], ys[i]);
        if (outside == 0)
            drawVisibleSegment(rec, xs[i - 1], ys[i - 1], xs[i], ys[i]);
        else
            clip2d(rec, xs[i - 1], ys[i - 1], xs[i], ys[i]);
    }
    // A wide line adds its outlines to the centre line.
    drawWideOutline(rec);
    line.npolbuf = 0;
    line.istroke = 0;
}

extern "C" void line(int nx1, int ny1, int nx2, int ny2) {
    GlobalRecord *rec = jqqlev(1, 3, "line");
    if (rec == nullptr) return;
    strtqq(*rec, float(nx1), float(jqqyvl(*rec, ny1)));
    connqq(*rec, float(nx2), float(jqqyvl(*rec, ny2)));
}
