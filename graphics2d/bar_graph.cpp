// bars: one member of a bar graph in the current 2-D axis system. Vertical and
// horizontal bars share one routine that works in two page directions: P
// along the axis of the positions and V along the axis of the values; the
// faces of the 3-D look and the label places are the only steps that differ.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "graphics2d/axis_system.h"
#include "graphics2d/bars.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/colour.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/shield_list.h"
#include "kernel/shields.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

constexpr int kForegroundColour = 10; // FORE among the named colours
constexpr int kOutlineOnly = 0;       // the pattern that fills nothing

struct PagePoint {
    int x, y;
};

// A quadrilateral of page points as the fill routines take it.
struct Face {
    float x[4], y[4];
};

Face face(const PagePoint (&p)[4]) {
    Face f;
    for (int k = 0; k < 4; ++k) {
        f.x[k] = float(p[k].x);
        f.y[k] = float(p[k].y);
    }
    return f;
}

// What areaf does with the four corners: outline, then fill in the current pattern.
void fillFace(GlobalRecord &rec, const Face &f) {
    outlineAndFill(rec, f.x, f.y, 4, true);
}

class BarDrawing {
  public:
    BarDrawing(GlobalRecord &rec, bool horizontal, bool look3d)
        : rec_(rec), bar_(rec.bar), horizontal_(horizontal), look3d_(look3d) {}

    void draw(float pos[], float start[], float end[], int n);

  private:
    GlobalRecord &rec_;
    BarState &bar_;
    bool horizontal_, look3d_;
    float slot_ = 0.0f, width_ = 0.0f, gap_ = 0.0f; // W, w and G
    float cosA_ = 1.0f, sinA_ = 0.0f, depth_ = 0.0f;
    int dx_ = 0, dy_ = 0;

    // The axis of the positions: its scaling and whether it is logarithmic.
    const float *positionAxis() const { return horizontal_ ? rec_.axsys.xgrfy : rec_.axsys.xgrfx; }
    bool positionLog() const { return rec_.axes.ilogax[horizontal_ ? 1 : 0] == 1; }
    bool valueLog() const { return rec_.axes.ilogax[horizontal_ ? 0 : 1] == 1; }

    // A position and a value to the page: P along the positions, V along the values.
    void toPage(float pos, float value, float &p, float &v) const {
        float xp = 0.0f, yp = 0.0f;
        if (horizontal_) {
            qqrel2(rec_, value, pos, xp, yp);
            p = yp;
            v = xp;
        } else {
            qqrel2(rec_, pos, value, xp, yp);
            p = xp;
            v = yp;
        }
    }
    PagePoint page(int p, int v) const { return horizontal_ ? PagePoint{v, p} : PagePoint{p, v}; }
    PagePoint shifted(PagePoint q) const { return {q.x + dx_, q.y - dy_}; }

    int tickPositions(float pos[], int n) const;
    float slotDistance(const float pos[], const float start[], int n, int i) const;
    void widths(float distance);
    float labelValue(float pos, float start, float end) const;
    int labelCode(int lo, int hi, int s, int e, int length) const;
    PagePoint labelPlace(int code, int lo, int hi, int s, int e, int length) const;
    void drawBar(float pos, float start, float end, int i);
};

// Positions at the main ticks of the position axis, without the ticks at
// either end; the count of bars that can be drawn.
int BarDrawing::tickPositions(float pos[], int n) const {
    const float *axis = positionAxis();
    const float a = axis[0], e = axis[1], f = axis[2], s = axis[3];
    const float eps = rec_.core.xeps;
    int ticks = 0;
    if (std::fabs(s) >= eps) {
        const double steps = double((e - f) / s + eps);
        int k = steps < 0.0 ? 0 : truncToInt(std::min(steps, double(kMaxBars + 2)));
        const int skip = std::fabs(f - a) < eps ? 1 : 0;
        if (std::fabs(float(k) * s + f - e) < eps) k -= 1;
        ticks = std::max(k - skip + 1, 0);
        for (int i = 0; i < std::min(n, ticks); ++i) {
            const float v = float(i + skip) * s + f;
            pos[i] = positionLog() ? std::pow(10.0f, v) : v;
        }
    }
    if (ticks != n) {
        warnin(Warning::barsUnequalTicks);
        return std::min(n, ticks);
    }
    return n;
}

// The page distance D from which the slot width of bar i follows.
float BarDrawing::slotDistance(const float pos[], const float start[], int n, int i) const {
    float p0 = 0.0f, p1 = 0.0f, v = 0.0f;
    if (n == 1) {
        // One bar: one label step of the position axis.
        const float *axis = positionAxis();
        float f0 = axis[2], f1 = axis[2] + axis[3];
        if (positionLog()) {
            f0 = std::pow(10.0f, f0);
            f1 = std::pow(10.0f, f1);
        }
        toPage(f0, start[0], p0, v);
        toPage(f1, start[0], p1, v);
        return p1 - p0;
    }
    auto distance = [&](int a, int b) {
        toPage(pos[a], start[0], p0, v);
        toPage(pos[b], start[0], p1, v);
        return std::fabs(p1 - p0);
    };
    if (BarWidthMode(bar_.ibarmod) != BarWidthMode::variable || i == 0) return distance(0, 1);
    if (i == n - 1) return distance(i - 1, i);
    return std::min(distance(i - 1, i), distance(i, i + 1));
}

// The slot width W of a distance D, the bar width w and the gap G of the group.
void BarDrawing::widths(float distance) {
    const float factor = rec_.curve.xbarwth;
    slot_ = factor < 0.0f ? std::fabs(factor) : std::fabs(distance * factor);
    const int g = bar_.nbargrp;
    const float gap = bar_.xbargap;
    if (gap <= 0.0f) {
        gap_ = float(truncToInt(std::fabs(gap)));
        width_ = (slot_ - float(g - 1) * gap_) / float(g);
    } else {
        width_ = slot_ / (float(g - 1) * gap + float(g));
        gap_ = float(truncToInt(width_ * gap));
    }
    if (look3d_) depth_ = bar_.xbaropt[0] >= rec_.core.xeps ? bar_.xbaropt[0] : width_;
    dx_ = truncToInt(cosA_ * depth_);
    dy_ = truncToInt(sinA_ * depth_);
}

float BarDrawing::labelValue(float pos, float start, float end) const {
    switch (BarLabel(bar_.ibarlab)) {
    case BarLabel::second: return end;
    case BarLabel::first: return start;
    case BarLabel::maximum: return std::max(start, end);
    case BarLabel::minimum: return std::min(start, end);
    case BarLabel::delta: return end - start;
    case BarLabel::position: return pos;
    default: return 0.0f;
    }
}

// AUTO puts the label inside a bar that can hold it and outside otherwise.
int BarDrawing::labelCode(int lo, int hi, int s, int e, int length) const {
    if (bar_.ibarlbp != kBarLabelAuto) return bar_.ibarlbp;
    const float h = float(rec_.text.nhchar);
    const int acrossRoom = nintqq(float(length) + h / 2.0f);
    const int alongRoom = nintqq(1.5f * h);
    const bool across = std::abs(hi - lo) <= (horizontal_ ? alongRoom : acrossRoom);
    const bool along = std::abs(e - s) <= (horizontal_ ? acrossRoom : alongRoom);
    return across || along ? kBarLabelOutside : kBarLabelInside;
}

// The upper-left corner of the label's box (the text starts a quarter of the
// character height inside it).
PagePoint BarDrawing::labelPlace(int code, int lo, int hi, int s, int e, int length) const {
    const float h = float(rec_.text.nhchar), L = float(length);
    const float fl = float(lo), fh = float(hi);
    int along = code / 10;
    const int across = code % 10;
    PagePoint q{0, 0};
    if (!horizontal_) {
        switch (across) {
        case 1: q.x = nintqq(fl - L - 1.25f * h); break;
        case 2: q.x = nintqq((fh - fl - L) / 2.0f + fl - 0.25f * h); break;
        default: q.x = nintqq(fh + 0.75f * h); break;
        }
        // The top is the end the bar points to; a bar pointing down the page
        // turns the places along it round.
        float top = float(e), bottom = float(s);
        if (s < e) {
            std::swap(top, bottom);
            along = 6 - along;
        }
        switch (along) {
        case 1: q.y = nintqq(top - 2.25f * h); break;
        case 2: q.y = nintqq(top + 1.25f * h); break;
        case 3: q.y = nintqq((bottom - top - h) / 2.0f + top - 0.25f * h); break;
        case 4: q.y = nintqq(bottom - 2.75f * h); break;
        default: q.y = nintqq(bottom + 0.75f * h); break;
        }
        if (look3d_ && code == kBarLabelOutside) {
            q.x += nintqq(cosA_ * depth_ / 2.0f);
            q.y -= nintqq(sinA_ * depth_);
        } else if (look3d_ && code == 23) {
            q.x += nintqq(cosA_ * depth_);
            q.y -= nintqq(sinA_ * depth_);
        }
        return q;
    }
    switch (across) {
    case 1: q.y = nintqq(fl - 2.25f * h); break;
    case 2: q.y = nintqq((fh - fl - h) / 2.0f + fl - 0.25f * h); break;
    default: q.y = nintqq(fh + 0.75f * h); break;
    }
    // A bar pointing left turns the places along it round.
    float first = float(s), last = float(e);
    if (e < s) {
        std::swap(first, last);
        along = 6 - along;
    }
    switch (along) {
    case 1: q.x = nintqq(last + 0.75f * h); break;
    case 2: q.x = nintqq(last - L - 1.75f * h); break;
    case 3: q.x = nintqq(last - (last - first + L) / 2.0f - 0.25f * h); break;
    case 4: q.x = nintqq(first + 1.25f * h); break;
    default: q.x = nintqq(first - L - 1.25f * h); break;
    }
    if (look3d_ && code == kBarLabelOutside) {
        q.x += nintqq(cosA_ * depth_);
        q.y -= nintqq(sinA_ * depth_ / 2.0f);
    } else if (look3d_ && code == 21) {
        q.x += nintqq(cosA_ * depth_);
        q.y -= nintqq(sinA_ * depth_);
    }
    return q;
}

void BarDrawing::drawBar(float pos, float start, float end, int i) {
    const BarCycling cycling = BarCycling(bar_.ichnbar);
    // Beyond the 30 entries of the cycles the bars begin the cycles again.
    const int entry = i % kAttributeCycle;
    if (cycling == BarCycling::colour || cycling == BarCycling::both)
        qqsclr(rec_, rec_.colour.nclrcyc[entry]);
    if (cycling == BarCycling::pattern || cycling == BarCycling::both)
        selectPattern(rec_, rec_.curve.npatcyc[entry]);

    float P = 0.0f, VB = 0.0f, VT = 0.0f;
    toPage(pos, start, P, VB);
    toPage(pos, end, P, VT);
    // The bar's position is rounded to the page grid before its width is laid
    // round it, as its ends are.
    const int s = nintqq(VB), e = nintqq(VT), at = nintqq(P);
    const int lo = nintqq((width_ + gap_) * float(bar_.nbarcnt - 1) + float(at) - slot_ / 2.0f);
    const int hi = lo + nintqq(width_);
    const PagePoint front[4] = {page(lo, s), page(hi, s), page(hi, e), page(lo, e)};
    // The side along the bar and the face at its end, in the 3-D look.
    const int edge = horizontal_ ? lo : hi;
    const PagePoint side[4] = {page(edge, s), shifted(page(edge, s)), shifted(page(edge, e)),
                               page(edge, e)};
    const int near = horizontal_ ? hi : lo, far = horizontal_ ? lo : hi;
    const PagePoint top[4] = {page(near, e), shifted(page(near, e)), shifted(page(far, e)),
                              page(far, e)};

    const bool labelled = BarLabel(bar_.ibarlab) != BarLabel::none;
    const float value = labelValue(pos, start, end);
    PagePoint label{0, 0};
    int code = 0, length = 0;
    if (labelled) {
        length = numberLength(rec_, value, bar_.nbardig);
        code = labelCode(lo, hi, s, e, length);
        label = labelPlace(code, lo, hi, s, e, length);
    }

    // A label inside the bar is kept free of the fill.
    const bool shieldLabel = labelled && (code == kBarLabelInside || code == kBarLabelCentre);
    const int shieldsBefore = rec_.shield.nshield;
    if (shieldLabel) {
        const int h = rec_.text.nhchar;
        addAutomaticRectangleShield(
            rec_, kShieldBars, float(label.x + rec_.page.nxorg), float(label.y + rec_.page.nyorg),
            float(length + nintqq(0.5f * float(h))), float(nintqq(1.5f * float(h))), 0.0f);
    }

    const int colour = rec_.colour.ncolor;
    const int pattern = rec_.fill.nshdpat;
    const bool empty = lo == hi || s == e;
    if (empty) selectPattern(rec_, kOutlineOnly);
    if (bar_.nbarclr[0] != -1) qqsclr(rec_, bar_.nbarclr[0]);
    fillFace(rec_, face(front));
    if (rec_.colour.ncolor != colour) qqsclr(rec_, colour);
    if (empty) selectPattern(rec_, pattern);
    if (look3d_) {
        for (int k = 1; k <= 2; ++k) {
            if (bar_.nbarclr[k] != -1) qqsclr(rec_, bar_.nbarclr[k]);
            fillFace(rec_, face(k == 1 ? side : top));
            if (rec_.colour.ncolor != colour) qqsclr(rec_, colour);
        }
    }

    if (shieldLabel) {
        qqstrk(rec_);
        int index = 0;
        removeShields(rec_, [&](const int *) { return index++ >= shieldsBefore; });
    }

    if (bar_.nbarbor != -1 || look3d_) {
        qqsclr(rec_, bar_.nbarbor != -1 ? bar_.nbarbor : namedColourValue(rec_, kForegroundColour));
        selectPattern(rec_, kOutlineOnly);
        fillFace(rec_, face(front));
        if (look3d_) {
            fillFace(rec_, face(side));
            fillFace(rec_, face(top));
        }
        selectPattern(rec_, pattern);
        qqsclr(rec_, colour);
    }

    if (labelled) {
        if (bar_.nbarlbc != -1) qqsclr(rec_, bar_.nbarlbc);
        const int quarter = nintqq(0.25f * float(rec_.text.nhchar));
        dnumqq(rec_, value, bar_.nbardig, label.x + quarter, label.y + quarter);
        if (rec_.colour.ncolor != colour) qqsclr(rec_, colour);
    }

    if (rec_.shield.ishlaut[kShieldBars - 1] == 1) {
        const int x = std::min(front[0].x, front[2].x), y = std::min(front[0].y, front[2].y);
        const int w = std::abs(front[2].x - front[0].x) + 1,
                  h = std::abs(front[2].y - front[0].y) + 1;
        addAutomaticRectangleShield(rec_, kShieldBars, float(x + rec_.page.nxorg),
                                    float(y + rec_.page.nyorg), float(w), float(h), 0.0f);
        if (look3d_) {
            qqstrk(rec_);
            rec_.shield.ishlcls = kShieldBars;
            for (const PagePoint *q : {side, top}) {
                float px[4], py[4];
                for (int k = 0; k < 4; ++k) {
                    px[k] = float(q[k].x + rec_.page.nxorg);
                    py[k] = float(q[k].y + rec_.page.nyorg);
                }
                qqbl07(rec_, ShieldKind::Polygon, px, py, 4);
            }
            rec_.shield.ishlcls = kShieldUser;
        }
    }
}

void BarDrawing::draw(float pos[], float start[], float end[], int n) {
    const int colour = rec_.colour.ncolor;
    CurveState &curve = rec_.curve;
    bar_.ncrvcnt += 1;
    curve.ilegpat = 1;
    bar_.nbarcnt += 1;
    // The call is a member of its group however it ends: a group that has had
    // all its members starts again.
    struct GroupEnd {
        BarState &bar;
        ~GroupEnd() {
            if (bar.nbarcnt >= bar.nbargrp) bar.nbarcnt = 0;
        }
    } groupEnd{bar_};

    if (bar_.ibarpos[0] == 1) {
        const float a = horizontal_ ? rec_.axsys.xgrfx[0] : rec_.axsys.xgrfy[0];
        const float axisStart = valueLog() ? std::pow(10.0f, a) : a;
        std::fill(start, start + n, axisStart);
    }
    if (bar_.ibarpos[1] == 1) n = tickPositions(pos, n);
    if (n < 1) return;

    // The points as user coordinates (x, y) of the axis system.
    const float *xs = horizontal_ ? start : pos, *ys = horizontal_ ? pos : start;
    const float *xe = horizontal_ ? end : pos, *ye = horizontal_ ? pos : end;
    if (jqqlog(rec_, xs, ys, n) != 0 || jqqlog(rec_, xe, ye, n) != 0) return;
    slegnd(rec_, bar_.ncrvcnt);
    chkscl(rec_, xs, ys, n);
    chkscl(rec_, xe, ye, n);

    const float alpha = bar_.xbaropt[1] * rec_.core.xdegrad;
    cosA_ = std::cos(alpha);
    sinA_ = std::sin(alpha);
    const bool perBar =
        BarWidthMode(bar_.ibarmod) == BarWidthMode::variable && rec_.curve.xbarwth > 0.0f && n > 1;
    if (!perBar) widths(slotDistance(pos, start, n, 0));

    sclpax(rec_, 0);
    for (int i = 0; i < n; ++i) {
        if (perBar) widths(slotDistance(pos, start, n, i));
        drawBar(pos[i], start[i], end[i], i);
    }
    qqstrk(rec_);
    sclpax(rec_, 1);

    const int next = (bar_.ncrvcnt + 1) % kAttributeCycle;
    selectPattern(rec_, curve.npatcyc[(next == 0 ? kAttributeCycle : next) - 1]);
    const BarCycling cycling = BarCycling(bar_.ichnbar);
    if ((cycling == BarCycling::colour || cycling == BarCycling::both) &&
        rec_.colour.ncolor != colour)
        qqsclr(rec_, colour);
}

} // namespace

void vbars(GlobalRecord &rec, float x[], float y1[], float y2[], int n) {
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    BarDrawing(rec, false, BarKind(rec.bar.ibartyp) == BarKind::vertical3d).draw(x, y1, y2, n);
}

void hbars(GlobalRecord &rec, float x1[], float x2[], float y[], int n) {
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    BarDrawing(rec, true, BarKind(rec.bar.ibartyp) == BarKind::horizontal3d).draw(y, x1, x2, n);
}

extern "C" void bars(const float *x, const float *y1, const float *y2, int n) {
    GlobalRecord *recp = jqqlev(2, 3, "bars");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (jqqval(n, 1, kMaxBars) != 0) return;
    if (!arraysGiven(x, y1, y2)) return;
    // The bars are drawn from a copy: positions at the ticks and starts at
    // the axis never reach the caller's arrays.
    float *copy = rec.bar.points.reserve(3 * std::size_t(n));
    if (copy == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float *pos = copy, *start = copy + n, *end = copy + 2 * n;
    std::copy(x, x + n, pos);
    std::copy(y1, y1 + n, start);
    std::copy(y2, y2 + n, end);
    rec.page.iusrdrw = 1;
    const BarKind kind = BarKind(rec.bar.ibartyp);
    if (kind == BarKind::horizontal || kind == BarKind::horizontal3d)
        hbars(rec, start, end, pos, n);
    else
        vbars(rec, pos, start, end, n);
    rec.page.iusrdrw = 0;
}
