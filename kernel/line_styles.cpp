// Line styles: lintyp, the one-word styles, myline, and the dash walk.
#include "kernel/line_styles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/line_geometry.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

struct LineStyle {
    int count;
    int elements[4]; // lengths at the base unit
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

// The walk passes to the next element of the pattern.
void nextElement(LineState &line) {
    line.idashidx = line.idashidx % line.ndashel + 1;
    line.idashpen = 1 - line.idashpen;
    line.xdashrem = float(line.ndashlen[line.idashidx - 1]);
}

// The part [from, to] of the segment (x0, y0)..(x1, y1), as distances from its
// start, whose pen points can show: where it runs within reach of the clip
// region (the rectangle or the circle's square, grown by the line's width),
// grown by one dash period at both ends. The clip region lies behind the base
// transformation, so the segment is transformed first.
void visibleSpan(const GlobalRecord &rec, double x0, double y0, double x1, double y1, double total,
                 double period, double &from, double &to) {
    // On the 3-D plane the clip region lies behind a projection that does not
    // keep distances along the segment: every part may show.
    if (rec.view3d.ipln3d == 1) {
        from = 0.0;
        to = total;
        return;
    }
    if (rec.trf.itrfon == 1) {
        const float *m = rec.trf.xtrfmat;
        const double tx0 = m[0] * x0 + m[1] * y0 + m[2], ty0 = m[3] * x0 + m[4] * y0 + m[5];
        const double tx1 = m[0] * x1 + m[1] * y1 + m[2], ty1 = m[3] * x1 + m[4] * y1 + m[5];
        x0 = tx0, y0 = ty0, x1 = tx1, y1 = ty1;
    }
    const ClipState &clip = rec.clip;
    const double reach = 1.0 + std::abs(rec.line.nlinwid);
    double low[2], high[2];
    if (clip.iclpcrc == 1) {
        for (int i = 0; i < 2; ++i) {
            low[i] = double(clip.xclpcir[i]) - clip.xclpcir[2] - reach;
            high[i] = double(clip.xclpcir[i]) + clip.xclpcir[2] + reach;
        }
    } else {
        for (int i = 0; i < 2; ++i) {
            low[i] = double(clip.nclpwin[i]) - reach;
            high[i] = double(clip.nclpwin[i + 2]) + reach;
        }
    }
    // The segment's parameter u in 0..1 against each pair of edges.
    double u0 = 0.0, u1 = 1.0;
    const double start[2] = {x0, y0}, delta[2] = {x1 - x0, y1 - y0};
    for (int i = 0; i < 2 && u0 <= u1; ++i) {
        if (delta[i] == 0.0) {
            if (start[i] < low[i] || start[i] > high[i]) u1 = -1.0;
            continue;
        }
        double a = (low[i] - start[i]) / delta[i], b = (high[i] - start[i]) / delta[i];
        if (a > b) std::swap(a, b);
        u0 = std::max(u0, a);
        u1 = std::min(u1, b);
    }
    if (u0 > u1) {
        from = to = total; // nothing can show
        return;
    }
    from = std::max(0.0, u0 * total - period);
    to = std::min(total, u1 * total + period);
}

// The rest of a dash walk whose float length no longer shrinks (its elements
// are below the float spacing at that length, so the float walk would never
// end): from (x, y) to (nx, ny) along the unit direction (c, -s), in double
// precision, with pen points only where they can show and whole periods
// passed over at once elsewhere. Returns the distance from the last element
// boundary to the end, for the caller's final pen operation.
float finishLongWalk(GlobalRecord &rec, float x, float y, float nx, float ny, float c, float s) {
    LineState &line = rec.line;
    const double total = std::hypot(double(nx) - x, double(ny) - y);
    double period = 0.0;
    for (int i = 0; i < line.ndashel; ++i)
        period += line.ndashlen[i];
    double from = 0.0, to = 0.0;
    visibleSpan(rec, x, y, nx, ny, total, period, from, to);
    double t = 0.0;
    // One element further when it ends at or before target; false as well
    // when the distance is too large for the element to count.
    auto step = [&](double target) {
        const double next = t + line.xdashrem;
        if (next > target || next == t) return false;
        t = next;
        return true;
    };
    // Passes over the pattern up to the last element boundary at or before target.
    auto passTo = [&](double target) {
        if (!step(target)) return false;
        nextElement(line);
        const double periods = std::floor((target - t) / period);
        if (periods > 0.0) {
            t += periods * period;
            if (line.ndashel % 2 == 1 && std::fmod(periods, 2.0) == 1.0)
                line.idashpen = 1 - line.idashpen;
        }
        while (step(target))
            nextElement(line);
        return true;
    };
    auto penAt = [&](double at, bool move) {
        const float px = float(x + at * c), py = float(y - at * s);
        line.xlastpt[0] = px;
        line.xlastpt[1] = py;
        if (move)
            qqmove(rec, px, py);
        else
            penTo(rec, px, py);
    };
    if (passTo(from)) penAt(t, true); // outside the clip region: only places the pen
    while (step(to)) {
        penAt(t, false);
        nextElement(line);
    }
    passTo(total);
    return float(std::min(total - t, double(line.xdashrem)));
}

} // namespace

void inityp(GlobalRecord &rec) {
    LineState &line = rec.line;
    line.idashpen = 0;
    line.idashidx = 1;
    line.xdashrem = float(line.ndashlen[0]);
}

void setDashPattern(GlobalRecord &rec, const int *lengths, int n) {
    for (int i = 0; i < n; ++i)
        rec.line.ndashlen[i] = lengths[i];
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
            penTo(rec, lx, ly); // joins this shifted start to the previous shifted end
        }
        if (line.ndashel == 1) {
            qqdraw(rec, nx, ny);
            line.xlastpt[0] = nx + d * s;
            line.xlastpt[1] = ny + d * c;
            return;
        }
    }

    // A whole period that leaves the length as it was would repeat for ever.
    float periodStart = length;
    int steps = 0;
    while (length >= line.xdashrem) {
        lx += line.xdashrem * c;
        ly -= line.xdashrem * s;
        line.xlastpt[0] = lx;
        line.xlastpt[1] = ly;
        penTo(rec, lx, ly);
        length -= line.xdashrem;
        nextElement(line);
        if (++steps < line.ndashel) continue;
        if (length == periodStart) {
            length = finishLongWalk(rec, lx, ly, nx, ny, c, s);
            break;
        }
        periodStart = length;
        steps = 0;
    }
    penTo(rec, nx, ny);
    line.xdashrem -= length;
    line.xlastpt[0] = nx + d * s;
    line.xlastpt[1] = ny + d * c;
}

extern "C" void myline(const int *lengths, int n) {
    GlobalRecord &rec = chkini("myline");
    if (jqqval(n, 1, kMaxDashElements) != 0 || !arraysGiven(lengths)) return;
    for (int i = 0; i < n; ++i) {
        if (lengths[i] <= 0) {
            warni1(Warning::incorrectParameter, lengths[i]);
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
        const int e = truncToInt(float(style.elements[i]) / rec.page.xunits + 0.5f);
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

} // namespace

extern "C" void solid(void) {
    namedStyle("solid", 0);
}
extern "C" void dot(void) {
    namedStyle("dot", 1);
}
extern "C" void dash(void) {
    namedStyle("dash", 2);
}
extern "C" void chndsh(void) {
    namedStyle("chndsh", 3);
}
extern "C" void chndot(void) {
    namedStyle("chndot", 4);
}
extern "C" void dashm(void) {
    namedStyle("dashm", 5);
}
extern "C" void dotl(void) {
    namedStyle("dotl", 6);
}
extern "C" void dashl(void) {
    namedStyle("dashl", 7);
}
