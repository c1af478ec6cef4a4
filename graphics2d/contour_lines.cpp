// contur: the contour lines of one level of a grid function; concrv: a line
// the caller has computed, drawn as a labelled contour line. Both draw a thick
// line as parallel copies, the labels only with the first copy, and make a
// legend entry of their own.
#include "graphics2d/axis_system.h"
#include "graphics2d/contours.h"
#include "graphics2d/curves.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

// Draws copies 1..n of a contour line: copy k shifted sideways by 0, +1, -1,
// +2, -2, ... base units; the later copies leave the label gaps open but
// draw no texts. Clipped to the axis system; markers off, legend entry made.
template <class Draw> void drawCopies(GlobalRecord &rec, Draw draw) {
    ContourState &c = rec.contour;
    CurveState &curve = rec.curve;
    const int markers = curve.nincmrk;
    const int labels = c.iconlab;
    curve.nincmrk = 0; // the legend shows a line without marker
    c.ncrvnum += 1;
    slegnd(rec, c.ncrvnum);
    const float units = rec.page.xunits;
    int copies = truncToInt(float(curve.nthkcrv) * units + 0.5f);
    if (copies < 1) copies = 1;
    sclpax(rec, 0);
    for (int k = 1; k <= copies; ++k) {
        if (k > 1 && labels == kContourLabelsOn) c.iconlab = kContourGapsOnly;
        rec.line.xlinoff = float((k % 2 == 1 ? -k : k) / 2) / units;
        draw();
    }
    qqstrk(rec);
    rec.line.xlinoff = 0.0f;
    sclpax(rec, 1);
    c.iconlab = labels;
    setTextAngle(rec, 0);
    curve.nincmrk = markers;
}

} // namespace

void contourGrid(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
                 const float *zmat, float zlev) {
    if (xray == nullptr || yray == nullptr || zmat == nullptr || nx < 2 || ny < 2) {
        // A grid needs at least one cell.
        warni1(Warning::incorrectParameter, nx < ny ? nx : ny);
        return;
    }
    if (jqqlgx(rec, xray, nx, 1) != 0 || jqqlgx(rec, yray, ny, 2) != 0) return;
    const bool labelled = rec.contour.iconlab != kContourLabelsOff;
    if (labelled && !holdLabelPoints(rec)) return;
    drawCopies(rec, [&] { contu1(rec, xray, nx, yray, ny, zmat, zlev); });
    if (labelled) releaseLabelPoints(rec);
}

extern "C" void contur(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       float zlev) {
    GlobalRecord *recp = jqqlev(2, 3, "contur");
    if (recp == nullptr) return;
    contourGrid(*recp, xray, nx, yray, ny, zmat, zlev);
}

extern "C" void concrv(const float *x, const float *y, int n, float zlev) {
    GlobalRecord *recp = jqqlev(2, 3, "concrv");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (x == nullptr || y == nullptr || n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (jqqlog(rec, x, y, n) != 0) return;
    drawCopies(rec, [&] { contu0(rec, x, y, n, zlev); });
}
