// Page figures at user coordinates of the current axis system: each routine
// checks its points against the axis system, converts them (and sizes given in
// user units) to plot coordinates and calls the page routine of the same job,
// clipped to the axis system where that applies.
#include <cmath>
#include <cstddef>

#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "graphics2d/wind_barbs.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/array_arguments.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kKeepStyle = 1;

// A size in plot units from the distance between two converted points.
int plotSize(float d) {
    return roundAddHalf(std::fabs(d));
}

// The log-axis check, then the report of points outside the scaling. False
// when the routine must draw nothing.
bool checkPoints(GlobalRecord &rec, const float *x, const float *y, int n) {
    if (jqqlog(rec, x, y, n) != 0) return false;
    chkscl(rec, x, y, n);
    return true;
}

struct Point {
    float x, y;
};

Point toPlot(const GlobalRecord &rec, float x, float y) {
    Point p{};
    qqpos2(rec, x, y, p.x, p.y);
    return p;
}

// 999, 999 continues after the last text or symbol.
bool continues(float x, float y) {
    return std::fabs(x - 999.0f) < 0.1f && std::fabs(y - 999.0f) < 0.1f;
}

// Drawing at user coordinates: the page routines take the points as they are.
class UserDrawing {
  public:
    explicit UserDrawing(GlobalRecord &rec) : rec_(rec) { rec.page.iusrdrw = 1; }
    ~UserDrawing() { rec_.page.iusrdrw = 0; }
    UserDrawing(const UserDrawing &) = delete;
    UserDrawing &operator=(const UserDrawing &) = delete;

  private:
    GlobalRecord &rec_;
};

bool polarSystem(const GlobalRecord &rec) {
    return rec.axsys.igrftyp == 1;
}

// The two sizes of a figure at (x, y): the x extent of w and the y extent of h
// (taken from the point (x + w, y + h)); in polar systems both times the x scale.
void figureSizes(const GlobalRecord &rec, float x, float y, float w, float h, int &nw, int &nh) {
    if (polarSystem(rec)) {
        nw = plotSize(w * rec.axsys.xsclxy[0]);
        nh = plotSize(h * rec.axsys.xsclxy[0]);
        return;
    }
    const Point p = toPlot(rec, x, y), q = toPlot(rec, x + w, y + h);
    nw = plotSize(q.x - p.x);
    nh = plotSize(q.y - p.y);
}

// An ellipse, arc or pie about the user point (xm, ym).
void userEllipse(GlobalRecord &rec, float xm, float ym, int na, int nb, float alpha, float beta,
                 float theta, int pie) {
    AxisClip clip(rec);
    const Point c = toPlot(rec, xm, ym);
    elpsln(rec, roundAddHalf(c.x), roundAddHalf(c.y), na, nb, alpha, beta, theta, kKeepStyle, pie);
}

// A circle, arc or pie of user radius r about (xm, ym): the log check takes the
// centre and the point r to the right, the scaling check the centre.
void userCircle(GlobalRecord &rec, float xm, float ym, float r, float alpha, float beta, int mode) {
    const float lx[2] = {xm, xm + r}, ly[2] = {ym, ym};
    if (jqqlog(rec, lx, ly, 2) != 0) return;
    chkscl(rec, &xm, &ym, 1);
    int nr = 0, unused = 0;
    figureSizes(rec, xm, ym, r, 0.0f, nr, unused);
    userEllipse(rec, xm, ym, nr, nr, alpha, beta, 0.0f, mode);
}

} // namespace

extern "C" void rline(float x1, float y1, float x2, float y2) {
    GlobalRecord *rec = jqqlev(2, 3, "rline");
    const float x[2] = {x1, x2}, y[2] = {y1, y2};
    if (rec == nullptr || !checkPoints(*rec, x, y, 2)) return;
    AxisClip clip(*rec);
    const Point a = toPlot(*rec, x1, y1), b = toPlot(*rec, x2, y2);
    strtqq(*rec, a.x, a.y);
    connqq(*rec, b.x, b.y);
}

extern "C" void rlstrt(float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "rlstrt");
    if (rec == nullptr || !checkPoints(*rec, &x, &y, 1)) return;
    const Point p = toPlot(*rec, x, y);
    strtqq(*rec, p.x, p.y);
}

extern "C" void rlconn(float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "rlconn");
    if (rec == nullptr || !checkPoints(*rec, &x, &y, 1)) return;
    const Point p = toPlot(*rec, x, y);
    connqq(*rec, p.x, p.y);
}

extern "C" void rlvec(float x1, float y1, float x2, float y2, int ivec) {
    GlobalRecord *rec = jqqlev(2, 3, "rlvec");
    const float x[2] = {x1, x2}, y[2] = {y1, y2};
    if (rec == nullptr || !checkPoints(*rec, x, y, 2)) return;
    UserDrawing user(*rec);
    AxisClip clip(*rec);
    const Point a = toPlot(*rec, x1, y1), b = toPlot(*rec, x2, y2);
    vector(roundAddHalf(a.x), roundAddHalf(a.y), roundAddHalf(b.x), roundAddHalf(b.y), ivec);
}

extern "C" void rlsymb(int nsym, float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "rlsymb");
    if (rec == nullptr) return;
    if (continues(x, y)) {
        UserDrawing user(*rec);
        AxisClip clip(*rec);
        symbol(nsym, 999, 999);
        return;
    }
    if (!checkPoints(*rec, &x, &y, 1)) return;
    UserDrawing user(*rec);
    AxisClip clip(*rec);
    const Point p = toPlot(*rec, x, y);
    symbol(nsym, roundAddHalf(p.x), roundAddHalf(p.y));
}

extern "C" void rlwind(float xvel, float x, float y, int nwsize, float angle) {
    GlobalRecord *rec = jqqlev(2, 3, "rlwind");
    if (rec == nullptr || !checkPoints(*rec, &x, &y, 1)) return;
    UserDrawing user(*rec);
    AxisClip clip(*rec);
    const Point p = toPlot(*rec, x, y);
    windbr(*rec, xvel, roundAddHalf(p.x), roundAddHalf(p.y), nwsize, angle);
}

extern "C" void rlmess(const char *text, float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "rlmess");
    if (rec == nullptr) return;
    UserDrawing user(*rec);
    if (continues(x, y)) {
        messag(text, 999, 999);
        return;
    }
    const Point p = toPlot(*rec, x, y);
    messag(text, roundAddHalf(p.x), roundAddHalf(p.y));
}

extern "C" void rlnumb(float value, int ndig, float x, float y) {
    GlobalRecord *rec = jqqlev(2, 3, "rlnumb");
    if (rec == nullptr || jqqval(ndig, -1, 100) != 0) return;
    UserDrawing user(*rec);
    if (continues(x, y)) {
        number(value, ndig, 999, 999);
        return;
    }
    const Point p = toPlot(*rec, x, y);
    number(value, ndig, roundAddHalf(p.x), roundAddHalf(p.y));
}

extern "C" void rlrec(float x, float y, float w, float h) {
    GlobalRecord *rec = jqqlev(2, 3, "rlrec");
    if (rec == nullptr) return;
    const float lx[2] = {x, x + w}, ly[2] = {y, y - h};
    if (jqqlog(*rec, lx, ly, 2) != 0) return;
    chkscl(*rec, &x, &y, 1);
    int nw = 0, nh = 0;
    figureSizes(*rec, x, y, w, -h, nw, nh);
    UserDrawing user(*rec);
    AxisClip clip(*rec);
    const Point p = toPlot(*rec, x, y);
    rectan(roundAddHalf(p.x), roundAddHalf(p.y), nw, nh);
}

extern "C" void rlrnd(float x, float y, float w, float h, int option) {
    GlobalRecord *rec = jqqlev(2, 3, "rlrnd");
    const float lx[2] = {x, x + w}, ly[2] = {y, y - h};
    if (rec == nullptr || !checkPoints(*rec, lx, ly, 2)) return;
    int nw = 0, nh = 0;
    figureSizes(*rec, x, y, w, -h, nw, nh);
    UserDrawing user(*rec);
    AxisClip clip(*rec);
    const Point p = toPlot(*rec, x, y);
    rndrec(roundAddHalf(p.x), roundAddHalf(p.y), nw, nh, option);
}

extern "C" void rlcirc(float xm, float ym, float r) {
    if (GlobalRecord *rec = jqqlev(2, 3, "rlcirc")) userCircle(*rec, xm, ym, r, 0.0f, 360.0f, 0);
}

extern "C" void rlell(float xm, float ym, float a, float b) {
    GlobalRecord *rec = jqqlev(2, 3, "rlell");
    if (rec == nullptr) return;
    const float lx[2] = {xm, xm + a}, ly[2] = {ym, ym + b};
    if (jqqlog(*rec, lx, ly, 2) != 0) return;
    chkscl(*rec, &xm, &ym, 1);
    int na = 0, nb = 0;
    figureSizes(*rec, xm, ym, a, b, na, nb);
    userEllipse(*rec, xm, ym, na, nb, 0.0f, 360.0f, 0.0f, 0);
}

extern "C" void rlarc(float xm, float ym, float a, float b, float alpha, float beta, float theta) {
    GlobalRecord *rec = jqqlev(2, 3, "rlarc");
    if (rec == nullptr) return;
    const float lx[3] = {xm, xm + a, xm}, ly[3] = {ym, ym, ym + b};
    if (jqqlog(*rec, lx, ly, 3) != 0) return;
    chkscl(*rec, &xm, &ym, 1);
    int na = 0, nb = 0;
    figureSizes(*rec, xm, ym, a, b, na, nb);
    userEllipse(*rec, xm, ym, na, nb, alpha, beta, theta, 0);
}

extern "C" void rlpie(float xm, float ym, float r, float alpha, float beta) {
    if (GlobalRecord *rec = jqqlev(2, 3, "rlpie")) userCircle(*rec, xm, ym, r, alpha, beta, 1);
}

extern "C" void rlsec(float xm, float ym, float r1, float r2, float alpha, float beta, int ncol) {
    GlobalRecord *rec = jqqlev(2, 3, "rlsec");
    if (rec == nullptr) return;
    float cx = 0, cy = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    qqrel2(*rec, xm, ym, cx, cy);
    qqrel2(*rec, xm + r1, ym, x1, y1);
    qqrel2(*rec, xm + r2, ym, x2, y2);
    // The page routine takes the centre as a plot point, whatever the page origin.
    UserDrawing user(*rec);
    sector(roundAddHalf(cx), roundAddHalf(cy), plotSize(x1 - cx), plotSize(x2 - cx), alpha, beta,
           ncol);
}

extern "C" void rlpoin(float x, float y, int nw, int nh, int ncol) {
    GlobalRecord *rec = jqqlev(2, 3, "rlpoin");
    if (rec == nullptr) return;
    ckpkt2(*rec, x, y);
    AxisClip clip(*rec);
    float xp = 0, yp = 0;
    qqrel2(*rec, x, y, xp, yp);
    const int ix = roundAddHalf(xp), iy = roundAddHalf(yp);
    colourBox(*rec, ix - nw / 2, iy - nh / 2, ix + nw / 2, iy + nh / 2, ncol);
}

extern "C" void rlarea(const float *x, const float *y, int n) {
    GlobalRecord *rec = jqqlev(2, 3, "rlarea");
    if (rec == nullptr) return;
    if (n < 1) return; // a polygon of no points draws nothing
    if (!arraysGiven(x, y)) return;
    if (!checkPoints(*rec, x, y, n)) return;
    float *points = rec->fill.areaPoints.reserve(2 * std::size_t(n));
    if (points == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float *px = points, *py = points + n;
    for (int i = 0; i < n; ++i)
        qqpos2(*rec, x[i], y[i], px[i], py[i]);
    AxisClip clip(*rec);
    if (rec->fill.inoarln == 1) arealx(*rec, px, py, n);
    if (rec->fill.ihattyp != 0) dareaf(*rec, px, py, n);
}
