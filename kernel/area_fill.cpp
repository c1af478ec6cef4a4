// Area fill: areaf, noarln, the outline arealx, the fill dareaf and its hatch
// lines dlinef.
#include "kernel/area_fill.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/scanline_fill.h"
#include "kernel/warnings.h"

namespace {

// Crossings a scan line of a fill may have.
constexpr int kFillCrossings = 100;

// Hatch types whose every scan line is drawn; the others count groups.
bool drawsEveryLine(int type) {
    return type == 1 || type == 5;
}

// Turns the polygon to the angle of the pass in progress, so that its scan
// lines run along the hatch.
void turnToPass(FillState &fill, float degrad, float x[], float y[], int n) {
    const float a = float(fill.ihatcur) * degrad;
    fill.xhatsin = std::sin(a);
    fill.xhatcos = std::cos(a);
    trfro2(x, y, n, fill.xhatsin, fill.xhatcos);
}

// Line style of the hatch lines: dotted (dotl) for type 5, dashed (dashm)
// for 6, dash-dotted (chndot) for 7, solid for the others.
int hatchLineStyle(int type) {
    switch (type) {
    case 5: return 6;
    case 6: return 5;
    case 7: return 4;
    default: return 0;
    }
}

// The angle of the crossing pass.
int crossingAngle(int angle) {
    return angle <= 89 ? angle + 90 : 180 - angle;
}

} // namespace

void arealx(GlobalRecord &rec, const float x[], const float y[], int n) {
    strtqq(rec, x[0], y[0]);
    for (int i = 1; i < n; ++i)
        connqq(rec, x[i], y[i]);
    connqq(rec, x[0], y[0]);
}

void dlinef(GlobalRecord &rec, const float xs[2], const float ys[2]) {
    FillState &fill = rec.fill;
    const auto drawSpan = [&] {
        float x[2] = {xs[0], xs[1]};
        float y[2] = {ys[0], ys[1]};
        if (fill.ihatcur != 0) trfro2(x, y, 2, -fill.xhatsin, fill.xhatcos);
        strtqq(rec, x[0], y[0]);
        connqq(rec, x[1], y[1]);
    };
    if (drawsEveryLine(fill.ihattyp)) {
        drawSpan();
        return;
    }
    const bool newLine = ys[0] != fill.xhatlin;
    if (newLine) fill.xhatlin = ys[0];
    if (fill.ihatskp == 0) {
        drawSpan();
        if (newLine && ++fill.nhatdrw == fill.ihatknd) {
            fill.nhatdrw = 0;
            // A group of no skipped lines goes straight on with drawing.
            if (fill.nhatskp > 0) fill.ihatskp = 1;
        }
    } else if (newLine && ++fill.nhatgap == fill.nhatskp) {
        fill.nhatgap = 0;
        fill.ihatskp = 0;
    }
}

void dareaf(GlobalRecord &rec, const float x[], const float y[], int n) {
    if (n < 1) return; // a polygon of no points draws nothing
    if (fillByDevice(rec, x, y, n)) return;

    FillState &fill = rec.fill;
    // Turned passes work on a copy, so that the caller's polygon stays as it is.
    const bool turns = fill.ihatang != 0 || fill.ihatcrs == 1;
    int *links = fill.vertexLinks.reserve(std::size_t(n) + 1);
    float *turned = turns ? fill.turnedPoints.reserve(2 * std::size_t(n)) : nullptr;
    if (links == nullptr || (turns && turned == nullptr)) {
        warnin(Warning::noMemory);
        return;
    }
    const float *px = x, *py = y;
    if (turns) {
        for (int i = 0; i < n; ++i) {
            turned[i] = x[i];
            turned[n + i] = y[i];
        }
        px = turned;
        py = turned + n;
    }
    // The hatch lines are drawn in the line style of the pattern's type; the
    // caller's style comes back afterwards, its dash walk restarted.
    const int savedStyle = rec.line.ilintyp;
    const int savedCount = rec.line.ndashel;
    int savedLengths[kMaxDashElements];
    std::copy_n(rec.line.ndashlen, savedCount, savedLengths);
    setLineStyle(rec, hatchLineStyle(fill.ihattyp));
    float crossings[kFillCrossings];
    int crossingLinks[kFillCrossings + 1];
    fill.ihatcur = fill.ihatang;
    for (int pass = 1; pass <= 2; ++pass) {
        fill.ihatskp = 0;
        fill.nhatdrw = 0;
        fill.nhatgap = 0;
        if (fill.ihatcur != 0) turnToPass(fill, rec.core.xdegrad, turned, turned + n, n);
        const bool turnedPass = fill.ihatcur != 0;
        const ScanRange seen =
            seenScanLines(rec, float(rec.page.nxorg), float(rec.page.nyorg),
                          turnedPass ? fill.xhatsin : 0.0f, turnedPass ? fill.xhatcos : 1.0f);
        gkwfa(rec, n, px, py, fill.xsurscl, links, kFillCrossings, crossings, crossingLinks, dlinef,
              seen);
        if (fill.ihatcrs != 1 || pass == 2) break;
        // The crossing pass starts from the polygon turned back, as the first did.
        if (fill.ihatcur != 0) trfro2(turned, turned + n, n, -fill.xhatsin, fill.xhatcos);
        fill.ihatcur = crossingAngle(fill.ihatang);
    }
    rec.line.ilintyp = savedStyle;
    setDashPattern(rec, savedLengths, savedCount);
}

extern "C" void areaf(const int *nx, const int *ny, int n) {
    GlobalRecord *rec = jqqlev(1, 3, "areaf");
    if (rec == nullptr) return;
    if (n < 1) return; // a polygon of no points draws nothing
    if (!arraysGiven(nx, ny)) return;
    float *points = rec->fill.areaPoints.reserve(2 * std::size_t(n));
    if (points == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float *x = points, *y = points + n;
    for (int i = 0; i < n; ++i) {
        x[i] = float(nx[i]);
        y[i] = float(jqqyvl(*rec, ny[i]));
    }
    if (rec->fill.inoarln == 1) arealx(*rec, x, y, n);
    if (rec->fill.ihattyp != 0) dareaf(*rec, x, y, n);
}

extern "C" void noarln(void) {
    GlobalRecord &rec = chkini("noarln");
    rec.fill.inoarln = 0;
}
