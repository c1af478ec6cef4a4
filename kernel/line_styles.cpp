// Line styles: lintyp, the one-word styles, myline, and the dash walk.
#include "kernel/line_styles.h"

#include <cmath>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/line_geometry.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

struct LineStyle {
    int count;
    int elements[4];  // lengths at the base unit
};

constexpr LineStyle kLineStyles[8] = {
    {1, {1}},              // solid
    {2, {1, 10}},          // dot
    {2, {10, 10}},         // dash
    {4, {30, 15, 10, 15}}, // chndsh
    {4, {1, 15, 15, 15}},  // chndot
    {2, {20, 15}},         // dashm
    {2, {1, 20}},          // dotl
    {2, {30, 20}},         // dashl
};

void penTo(GlobalRecord &rec, float x, float y) {
    if (rec.line.idashpen == 0)
        qqdraw(rec, x, y);
    else
        qqmove(rec, x, y);
}

}  // namespace

void inityp(GlobalRecord &rec) {
    LineState &line = rec.line;
    line.idashpen = 0;
    line.idashidx = 1;
    line.xdashrem = float(line.ndashlen[0]);
}

void setDashPattern(GlobalRecord &rec, const int *lengths, int n) {
    for (int i = 0; i < n; ++i) rec.line.ndashlen[i] = lengths[i];
    rec.line.ndashel = n;
    inityp(rec);
}

void connectDashed(GlobalRecord &rec, float x, float y) {
    LineState &line = rec.line;
    float lx = line.xlastpt[0], ly = line.xlastpt[1];
    float nx = x, ny = y;
    const float a = qqatan(ly - ny, nx - lx);
    const float s = std::sin(a), c = std::cos(a);
    float length = ly != ny ? std::fabs((ly - ny) / s) : std::fabs(nx - lx);

    const float d = line.xlinoff;
    if (d != 0.0f) {
        nx -= d * s;
        ny -= d * c;
        lx -= d * s;
        ly -= d * c;
        line.xlastpt[0] = lx;
        line.xlastpt[1] = ly;
        if (line.ioffmov == 1) {
            qqmove(rec, lx, ly);
            line.ioffmov = 0;
        } else {
            penTo(rec, lx, ly);  // joins this shifted start to the previous shifted end
        }
        if (line.ndashel == 1) {
            qqdraw(rec, nx, ny);
            line.xlastpt[0] = nx + d * s;
            line.xlastpt[1] = ny + d * c;
            return;
        }
    }

    while (length >= line.xdashrem) {
        lx += line.xdashrem * c;
        ly -= line.xdashrem * s;
        line.xlastpt[0] = lx;
        line.xlastpt[1] = ly;
        penTo(rec, lx, ly);
        line.idashidx = line.idashidx % line.ndashel + 1;
        line.idashpen = 1 - line.idashpen;
        length -= line.xdashrem;
        line.xdashrem = float(line.ndashlen[line.idashidx - 1]);
    }
    penTo(rec, nx, ny);
    line.xdashrem -= length;
    line.xlastpt[0] = nx + d * s;
    line.xlastpt[1] = ny + d * c;
}

extern "C" void myline(const int *lengths, int n) {
    GlobalRecord &rec = chkini("myline");
    if (jqqval(n, 1, kMaxDashElements) != 0) return;
    for (int i = 0; i < n; ++i) {
        if (lengths[i] <= 0) {
            warni1(2, lengths[i]);
            return;
        }
    }
    setDashPattern(rec, lengths, n);
}

void setLineStyle(GlobalRecord &rec, int n) {
    rec.line.ilintyp = n;
    int lengths[4];
    const LineStyle &style = kLineStyles[n];
    for (int i = 0; i < style.count; ++i) {
        const int e = int(float(style.elements[i]) / rec.page.xunits + 0.5f);
        lengths[i] = e < 1 ? 1 : e;
    }
    setDashPattern(rec, lengths, style.count);
}

extern "C" void lintyp(int n) {
    GlobalRecord *rec = jqqlev(1, 3, "lintyp");
    if (rec == nullptr || jqqval(n, 0, 7) != 0) return;
    setLineStyle(*rec, n);
}

namespace {

void namedStyle(const char *name, int index) {
    chkini(name);
    lintyp(index);
}

}  // namespace

extern "C" void solid(void) { namedStyle("solid", 0); }
extern "C" void dot(void) { namedStyle("dot", 1); }
extern "C" void dash(void) { namedStyle("dash", 2); }
extern "C" void chndsh(void) { namedStyle("chndsh", 3); }
extern "C" void chndot(void) { namedStyle("chndot", 4); }
extern "C" void dashm(void) { namedStyle("dashm", 5); }
extern "C" void dotl(void) { namedStyle("dotl", 6); }
extern "C" void dashl(void) { namedStyle("dashl", 7); }
