// Clipping: the point test, the segment clipper for the rectangle and the
// circle, and the setters clpwin, clpmod, clpbor, noclip.
#include "kernel/clipping.h"

#include <cmath>

#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr float kEdgeTolerance = 0.001f;

// Each end point is moved at most once onto each of the four edges; more
// repeats would mean the segment cannot reach the window.
constexpr int kMaxEdgeMoves = 8;

void drawClipped(GlobalRecord &rec, bool move, float x1, float y1, float x2, float y2) {
    if (move) xjdraw(rec, x1, y1, kPenMove);
    drawVisibleSegment(rec, x1, y1, x2, y2);
}

void clipToRectangle(GlobalRecord &rec, float x1, float y1, float x2, float y2) {
    const int *w = rec.clip.nclpwin;
    bool moved1 = false, moved2 = false;
    if (cutToWindow(x1, y1, x2, y2, w[0], w[1], w[2], w[3], moved1, moved2))
        drawClipped(rec, moved1, x1, y1, x2, y2);
}

void clipToCircle(GlobalRecord &rec, float x1, float y1, float x2, float y2) {
    const float cx = rec.clip.xclpcir[0];
    const float cy = rec.clip.xclpcir[1];
    const float r = rec.clip.xclpcir[2];
    float ax = x1 - cx, ay = y1 - cy, bx = x2 - cx, by = y2 - cy;
    const bool aInside = std::sqrt(ax * ax + ay * ay) <= r;
    const bool bInside = std::sqrt(bx * bx + by * by) <= r;
    if (aInside && bInside) {
        drawClipped(rec, false, x1, y1, x2, y2);
        return;
    }
    if (std::fabs(ay - by) + std::fabs(ax - bx) < 0.1f) return;
    if (aInside != bInside) {
        // Bisect towards the circle between the inside and the outside end.
        float ix = aInside ? ax : bx, iy = aInside ? ay : by;
        float ox = aInside ? bx : ax, oy = aInside ? by : ay;
        float mx = ox, my = oy;
        for (int step = 0; step < 20; ++step) {
            mx = (ix + ox) * 0.5f;
            my = (iy + oy) * 0.5f;
            const float d = std::sqrt(mx * mx + my * my);
            if (std::fabs(d - r) < 0.1f) break;
            if (d <= r) {
                ix = mx;
                iy = my;
            } else {
                ox = mx;
                oy = my;
            }
        }
        if (aInside)
            drawClipped(rec, false, x1, y1, mx + cx, my + cy);
        else
            drawClipped(rec, true, mx + cx, my + cy, x2, y2);
        return;
    }
    // On a round map a line between two points beyond the cap is not drawn.
    const int code = rec.map.iprojct;
    if (rec.axsys.igrftyp == 2 && code >= 30 && code <= 39 && rec.clip.imapcirc == 1) return;
    float xs[2], ys[2];
    if (cutcrc(r, r, ax, ay, bx, by, xs, ys) < 2) return;
    const float loX = std::fmin(ax, bx), hiX = std::fmax(ax, bx);
    const float loY = std::fmin(ay, by), hiY = std::fmax(ay, by);
    for (int i = 0; i < 2; ++i)
        if (xs[i] < loX || xs[i] > hiX || ys[i] < loY || ys[i] > hiY) return;
    drawClipped(rec, true, xs[0] + cx, ys[0] + cy, xs[1] + cx, ys[1] + cy);
}

} // namespace

bool cutToWindow(float &xa, float &ya, float &xb, float &yb, int x1, int y1, int x2, int y2,
                 bool &moved1, bool &moved2) {
    moved1 = moved2 = false;
    for (int repeat = 0; repeat < kMaxEdgeMoves; ++repeat) {
        int cx1, cy1, cx2, cy2;
        const int n1 = chkval(xa, ya, cx1, cy1, x1, y1, x2, y2);
        const int n2 = chkval(xb, yb, cx2, cy2, x1, y1, x2, y2);
        if (n1 == 0 && n2 == 0) return true;
        if ((cx1 == cx2 && cx1 != 2) || (cy1 == cy2 && cy1 != 2)) return false; // misses it
        // Move the first end when it is outside, else the second.
        const bool first = n1 != 0;
        (first ? moved1 : moved2) = true;
        float &x = first ? xa : xb;
        float &y = first ? ya : yb;
        const int cx = first ? cx1 : cx2;
        const int cy = first ? cy1 : cy2;
        const float ox = first ? xb : xa;
        const float oy = first ? yb : ya;
        if (cx == 1) {
            y = ycut(x, y, ox, oy, float(x1));
            x = float(x1);
        } else if (cx == 3) {
            y = ycut(x, y, ox, oy, float(x2));
            x = float(x2);
        } else if (cy == 1) {
            x = xcut(x, y, ox, oy, float(y1));
            y = float(y1);
        } else {
            x = xcut(x, y, ox, oy, float(y2));
            y = float(y2);
        }
    }
    return false;
}

int jqqclp(const GlobalRecord &rec, float x, float y) {
    const ClipState &clip = rec.clip;
    if (clip.iclpcrc == 1) {
        const float dx = x - clip.xclpcir[0];
        const float dy = y - clip.xclpcir[1];
        return std::sqrt(dx * dx + dy * dy) <= clip.xclpcir[2] ? 0 : 1;
    }
    const int *w = clip.nclpwin;
    const bool inside = float(w[0]) - kEdgeTolerance <= x && x <= float(w[2]) + kEdgeTolerance &&
                        float(w[1]) - kEdgeTolerance <= y && y <= float(w[3]) + kEdgeTolerance;
    return inside ? 0 : 1;
}

int chkval(float x, float y, int &codeX, int &codeY, int x1, int y1, int x2, int y2) {
    codeX = x < float(x1) - kEdgeTolerance ? 1 : (x > float(x2) + kEdgeTolerance ? 3 : 2);
    codeY = y < float(y1) - kEdgeTolerance ? 1 : (y > float(y2) + kEdgeTolerance ? 3 : 2);
    return (codeX != 2) + (codeY != 2);
}

float ycut(float xa, float ya, float xb, float yb, float x) {
    if (std::fabs(xb - xa) < 1e-35f) return ya;
    return ya + (yb - ya) * (x - xa) / (xb - xa);
}

float xcut(float xa, float ya, float xb, float yb, float y) {
    if (std::fabs(yb - ya) < 1e-35f) return xa;
    return xa + (xb - xa) * (y - ya) / (yb - ya);
}

int cutcrc(float a, float b, float x1, float y1, float x2, float y2, float xs[2], float ys[2]) {
    if (std::fabs(x1 - x2) >= 0.1f) {
        const double m = double(y2 - y1) / double(x2 - x1);
        const double c = double(y1) - m * double(x1);
        const double a2 = double(a) * a, b2 = double(b) * b;
        const double big = m * m * a2 + b2;
        const double p = m * a2 * c / big;
        const double q = p * p - (c * c * a2 - a2 * b2) / big;
        if (q < 0) return 0;
        xs[0] = float(std::sqrt(q) - p);
        xs[1] = float(-p - std::sqrt(q));
        ys[0] = float(m * xs[0] + c);
        ys[1] = float(m * xs[1] + c);
        return q == 0 ? 1 : 2;
    }
    const double t = (1.0 - double(x1) * x1 / (double(a) * a)) * double(b) * b;
    if (t < 0) return 0;
    xs[0] = xs[1] = x1;
    ys[0] = float(std::sqrt(t));
    ys[1] = float(-std::sqrt(t));
    return t == 0 ? 1 : 2;
}

void clip2d(GlobalRecord &rec, float x1, float y1, float x2, float y2) {
    if (rec.clip.iclpcrc == 1)
        clipToCircle(rec, x1, y1, x2, y2);
    else
        clipToRectangle(rec, x1, y1, x2, y2);
}

extern "C" void clpwin(int nx, int ny, int nw, int nh) {
    GlobalRecord *rec = jqqlev(1, 3, "clpwin");
    if (rec == nullptr) return;
    // A window of no width or height is refused: an inverted rectangle would
    // leave the clipper nothing to converge on.
    if (nx < 0 || ny < 0)
        warni1(Warning::incorrectParameter, nx < ny ? nx : ny);
    else if (nw < 1 || nh < 1)
        warni1(Warning::incorrectParameter, nw < nh ? nw : nh);
    if (nw < 1 || nh < 1) return;
    const int y = jqqyvl(*rec, ny);
    const int x2 = pageSum(nx, nw, -1);
    const int y2 = pageSum(y, nh, -1);
    if (x2 > rec->page.nxpage || y2 > rec->page.nypage) {
        warnin(Warning::incorrectParameter);
        return;
    }
    qqstrk(*rec);
    rec->clip.iclpbor = 1;
    rec->clip.nclpwin[0] = nx;
    rec->clip.nclpwin[1] = y;
    rec->clip.nclpwin[2] = x2;
    rec->clip.nclpwin[3] = y2;
}

extern "C" void clpmod(const char *mode) {
    GlobalRecord &rec = chkini("clpmod");
    setFromKeyword(rec.clip.iclpmod, "AUTO+NONE+CIRC+RECT", 4, mode);
}

extern "C" void noclip(void) {
    GlobalRecord &rec = chkini("noclip");
    rec.clip.iclpmod = 1;
}
