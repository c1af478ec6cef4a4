// Pie charts: piegrf draws a whole chart in its own axis system, pie a single
// filled sector at page coordinates, qqpie1 the wall of a 3-D segment, and
// usrpie is the hook that may change each segment before it is drawn.
//
// Flat pies divide the circle by the data; 3-D pies divide the area of an
// ellipse, so segments at the sides look as large as their share. Labels go
// into their segment when the box fits in the segment's inscribed circle, and
// outside with a pointer otherwise.
#include <algorithm>
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/bars.h"
#include "graphics2d/curves.h"
#include "graphics2d/pie_state.h"
#include "graphics2d/pies.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/colour.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/shield_list.h"
#include "kernel/shields.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr int kForegroundColour = 10; // FORE among the named colours
constexpr int kOutlineOnly = 0;       // the pattern that fills nothing
constexpr int kKeepStyle = 1;
constexpr int kClosedPie = 1;
constexpr int kMaxWallSteps = 900;
constexpr float kFullTurn = 359.999f;
constexpr float kEmptySegment = 0.1f; // degrees: narrower segments are not filled

struct Point {
    int x, y;
};

// Distance in degrees from m to the nearest of 0, 180 and 360.
float fromHorizontal(float m) {
    return std::min({std::fabs(m), std::fabs(m - 180.0f), std::fabs(m - 360.0f)});
}

// The radius of the ellipse with semi-axes rx, ry in the direction t (radians).
float ellipseRadius(float t, float rx, float ry) {
    const float s = std::sin(t), c = std::cos(t);
    return 1.0f / std::sqrt(s * s / (ry * ry) + c * c / (rx * rx));
}

// The inner radius of a segment of half angle h (degrees) in a circle of radius r.
float innerRadius(const GlobalRecord &rec, float r, float h) {
    const float eps = rec.core.xeps;
    if (std::fabs(h - 90.0f) <= eps) return r / 2.0f;
    if (std::fabs(h - 180.0f) <= eps) return r;
    const float t = h * rec.core.xdegrad;
    const float a = std::fabs(r / std::cos(t));
    const float b = std::fabs(2.0f * a * std::sin(t));
    const float p = (2.0f * a + b) / 2.0f;
    if (!(p > 0.0f)) return 0.0f;
    return std::sqrt(std::max(0.0f, (p - a) * (p - a) * (p - b) / p));
}

// Public routines called from here name themselves in warnings; the chart
// keeps its own name.
template <typename Call> void asPiegrf(GlobalRecord &rec, Call call) {
    call();
    qqcopy(rec.core.cfunc, "piegrf");
}

class PieChart {
  public:
    PieChart(GlobalRecord &rec, const char *cbuf, int nlin, const float *x, int n)
        : rec_(rec), pie_(rec.pie), cbuf_(cbuf), nlin_(nlin), x_(x), n_(n) {}
    void draw(float sum);

  private:
    struct Segment {
        int i = 0, j = 0;    // number 1..n, cycle entry 1..30
        float a0 = 0, e = 0; // start and end angle
        float h = 0, m = 0;  // half and mid angle
        bool full = false;
        int radius = 0, offset = 0, yshift = 0, drawSeg = 1, drawLab = 1;
        float angle = 0;
        float value = 0, percent = 0;
    };
    void setAttributes(const Segment &s);
    void drawSegment(Segment &s);
    float endAngle3d(float value, bool first);
    bool labelled() const { return hasTexts() || PieLabel(pie_.ipielab) != PieLabel::none; }
    bool hasTexts() const { return cbuf_ != nullptr && nlin_ > 0 && rec_.legend.ilegini == 1; }
    bool rightHalf(float m) const { return m <= 90.0f || m > 270.0f; }
    int wallDrop(float m) const;
    void drawWall(const Segment &s, Point c, int rx, int ry);

    GlobalRecord &rec_;
    PieState &pie_;
    const char *cbuf_;
    int nlin_;
    const float *x_;
    int n_;
    float sum_ = 0;
    Point centre_{0, 0};
    int R_ = 0, ry_ = 0, wall_ = 0;
    bool look3d_ = false;
    float area_ = 0; // running ellipse area of the 3-D segments
    int widest_ = 0; // widest label box of ALIG
    int colour0_ = 0, pattern0_ = 0;
    int justify_ = int(PieLabelJustify::centre); // TYPS keeps the last one
};

// The ellipse angle at which the running area has reached its next boundary.
float PieChart::endAngle3d(float value, bool first) {
    const float pi = rec_.core.xpi;
    const float rx = float(R_), ry = float(ry_);
    area_ += ry * rx * pi * std::fabs(value) / sum_ * (first ? 0.5f : 1.0f);
    const float t = 2.0f * area_ / (ry * rx);
    const float u = std::acos(std::max(-1.0f, std::min(1.0f, std::cos(t))));
    float e = std::atan2(ry * std::sin(u), rx * std::cos(u)) / rec_.core.xdegrad;
    if (area_ > pi * rx * ry / 2.0f) e = 360.0f - e;
    return e;
}

int PieChart::wallDrop(float m) const {
    const float eps = rec_.core.xeps;
    if (!look3d_ || !(m > 180.0f + eps && m < 360.0f - eps)) return 0;
    return fromHorizontal(m) <= 5.0f ? wall_ / 2 : wall_;
}

void PieChart::setAttributes(const Segment &s) {
    const BarCycling cycling = BarCycling(rec_.bar.ichnpie);
    if (cycling == BarCycling::colour || cycling == BarCycling::both)
        qqsclr(rec_, rec_.colour.nclrcyc[s.j - 1]);
    else if (pie_.npieclr > 0)
        qqsclr(rec_, pie_.npiefgc[s.j - 1] != -1 ? pie_.npiefgc[s.j - 1] : colour0_);
    if (cycling == BarCycling::pattern || cycling == BarCycling::both)
        selectPattern(rec_, rec_.curve.npatcyc[s.j - 1]);
}

// The visible front of a segment's wall, 180 to 360 degrees.
void PieChart::drawWall(const Segment &s, Point c, int rx, int ry) {
    const float eps = rec_.core.xeps;
    if (!(s.full || s.a0 > 180.0f + eps || s.e > 180.0f + eps)) return;
    const float a1 = s.full ? 180.0f : std::max(s.a0, 180.0f);
    const float a2 = s.full ? 360.0f : std::min(s.e, 360.0f);
    if (a2 > a1) qqpie1(rec_, c.x, c.y, rx, ry, wall_, a1, a2);
}

void PieChart::drawSegment(Segment &s) {
    const float degrad = rec_.core.xdegrad;
    const int segmentColour = rec_.colour.ncolor;
    // The hook's radius scales both semi-axes of the segment.
    const int rx = s.radius;
    const int ry =
        look3d_ && R_ > 0 ? truncToInt(float(ry_) * float(s.radius) / float(R_)) : s.radius;
    const float phi = (look3d_ ? s.m : s.angle) * degrad;
    const Point c{centre_.x + truncToInt(float(s.offset) * std::cos(phi)),
                  centre_.y + truncToInt(-float(s.offset) * std::sin(phi))};
    const float mr = s.m * degrad;
    const float r = look3d_ ? ellipseRadius(mr, float(rx), float(ry)) : float(rx);
    const float rlab = r + 20.0f;

    // The label box and, outside the pie, its pointer.
    const int shieldsBefore = rec_.shield.nshield;
    bool inside = false;
    if (labelled() && s.drawLab == 1) {
        int w = 0, h = 0;
        boxsiz(rec_, cbuf_, nlin_, s.i, s.value, s.percent, w, h);
        const PieLabelPlace place = PieLabelPlace(pie_.ipielbp);
        int bx = 0, by = 0;
        Point anchor{0, 0}, tip{0, 0};
        if (place == PieLabelPlace::inside) {
            const float rho = innerRadius(rec_, float(rx), s.h);
            if (std::sqrt(float(w) * float(w) + float(h) * float(h)) <= 2.0f * rho) {
                inside = true;
                const float d = r - rho;
                bx = truncToInt(float(c.x) + d * std::cos(mr) - float(w) / 2.0f);
                by = truncToInt(float(c.y) - d * std::sin(mr) - float(h) / 2.0f);
            }
        }
        const bool right = rightHalf(s.m);
        if (!inside) {
            if (place == PieLabelPlace::aligned) w = widest_;
            const int drop = wallDrop(s.m);
            anchor = {c.x + truncToInt((rlab + 80.0f) * std::cos(mr)),
                      c.y - truncToInt((rlab + 80.0f) * std::sin(mr)) + drop};
            tip = {c.x + truncToInt(rlab * std::cos(mr)),
                   c.y - truncToInt(rlab * std::sin(mr)) + drop};
            const float away = fromHorizontal(s.m);
            const int gap = away <= 10.0f ? 40 : away <= 30.0f ? 53 : 80;
            const int dx = c.x - centre_.x;
            if (place == PieLabelPlace::aligned)
                bx = right ? centre_.x + R_ + 120 + dx : centre_.x - R_ - 120 + dx - w;
            else
                bx = right ? anchor.x + gap : anchor.x - gap - w;
            by = anchor.y - h / 2 + s.yshift;
        }
        switch (PieLabelJustify(pie_.ipielbt)) {
        case PieLabelJustify::typeset: break;
        case PieLabelJustify::outwards:
            justify_ = int(right ? PieLabelJustify::right : PieLabelJustify::left);
            break;
        case PieLabelJustify::inwards:
            justify_ = int(right ? PieLabelJustify::left : PieLabelJustify::right);
            break;
        default: justify_ = pie_.ipielbt; break;
        }
        if (pie_.npielbc != -1) qqsclr(rec_, pie_.npielbc);
        boxdrw(rec_, cbuf_, nlin_, s.i, s.value, s.percent, bx, by, w, justify_);
        const int nf = rec_.frame.nframe;
        if (inside) {
            // The box stays free of the segment's fill.
            addAutomaticRectangleShield(rec_, kShieldPies, float(bx + nf + rec_.page.nxorg),
                                        float(by + nf + rec_.page.nyorg), float(w - 2 * nf),
                                        float(h - 2 * nf), 0.0f);
        } else {
            if (nf > 0)
                dframe(rec_, bx + nf - 1, by + nf - 1, w - 2 * nf, h - 2 * nf, nf, 0.0f);
            else if (nf < 0)
                dframe(rec_, bx, by, w, h, nf, 0.0f);
            const Point edge{right ? bx : bx + w, anchor.y + s.yshift};
            const PiePointer pointer = PiePointer(pie_.npievec[0]);
            const int code = pie_.npievec[1];
            if (pointer == PiePointer::straight) {
                asPiegrf(rec_, [&] {
                    vector(edge.x, jqqyvl(rec_, edge.y), tip.x, jqqyvl(rec_, tip.y), code);
                });
            } else if (pointer == PiePointer::broken) {
                asPiegrf(rec_, [&] {
                    vector(anchor.x, jqqyvl(rec_, anchor.y), tip.x, jqqyvl(rec_, tip.y), code);
                });
                strtqq(rec_, float(edge.x), float(edge.y));
                connqq(rec_, float(anchor.x), float(anchor.y));
            }
            qqstrk(rec_);
        }
        if (rec_.colour.ncolor != segmentColour) qqsclr(rec_, segmentColour);
    }

    if (s.drawSeg == 1) {
        FillState &fill = rec_.fill;
        const int outline = fill.inoarln;
        const bool bordered = look3d_ || pie_.npiebor != -1;
        if (bordered) fill.inoarln = 0;
        const bool empty = !s.full && s.e - s.a0 <= kEmptySegment;
        const bool sliver = s.i == 1 && std::fabs(s.a0 - 360.0f) <= kEmptySegment;
        const float a1 = s.full ? 0.0f : s.a0, a2 = s.full ? 360.0f : s.e;
        if (!empty && !sliver && rx >= 1 && ry >= 1)
            elpsln(rec_, c.x, c.y, rx, ry, a1, a2, 0.0f, kKeepStyle, s.full ? 0 : kClosedPie);
        if (inside) {
            qqstrk(rec_);
            int index = 0;
            removeShields(rec_, [&](const int *) { return index++ >= shieldsBefore; });
        }
        if (look3d_) {
            const int wallColour = pie_.npieclr > 0 ? pie_.npiebgc[s.j - 1] : -1;
            if (wallColour != -1) qqsclr(rec_, wallColour);
            drawWall(s, c, rx, ry);
            if (rec_.colour.ncolor != segmentColour) qqsclr(rec_, segmentColour);
        }
        fill.inoarln = outline;

        if (bordered) {
            const int pattern = fill.nshdpat;
            qqsclr(rec_,
                   pie_.npiebor != -1 ? pie_.npiebor : namedColourValue(rec_, kForegroundColour));
            fill.inoarln = 1;
            selectPattern(rec_, kOutlineOnly);
            if (!empty && !sliver && rx >= 1 && ry >= 1)
                elpsln(rec_, c.x, c.y, rx, ry, a1, a2, 0.0f, kKeepStyle, s.full ? 0 : kClosedPie);
            if (look3d_) drawWall(s, c, rx, ry);
            qqstrk(rec_);
            selectPattern(rec_, pattern);
            fill.inoarln = outline;
            qqsclr(rec_, segmentColour);
        }
    } else if (inside) {
        qqstrk(rec_);
        int index = 0;
        removeShields(rec_, [&](const int *) { return index++ >= shieldsBefore; });
    }

    if (rec_.shield.ishlaut[kShieldPies - 1] == 1 && rx >= 1) {
        rec_.shield.ishlcls = kShieldPies;
        asPiegrf(rec_, [&] {
            shlpie(c.x, jqqyvl(rec_, c.y), rx, s.full ? 0.0f : s.a0, s.full ? 360.0f : s.e);
        });
        rec_.shield.ishlcls = kShieldUser;
    }
}

void PieChart::draw(float sum) {
    sum_ = sum;
    const AxisSystemState &axes = rec_.axsys;
    centre_ = {axes.naxspos[0] + axes.naxslen[0] / 2, axes.naxspos[1] - axes.naxslen[1] / 2};
    R_ = std::min(axes.naxslen[0], axes.naxslen[1]) / 2;
    look3d_ = pie_.ipietyp == 1;
    ry_ = R_;
    if (look3d_) {
        const float a = pie_.xpieopt[0];
        const float a2 = a <= 45.0f ? a : 90.0f - a;
        ry_ = truncToInt(float(R_) * (a2 / 500.0f + std::sqrt(a / 90.0f)));
        wall_ = truncToInt(float(R_) * pie_.xpieopt[1]);
    }
    colour0_ = rec_.colour.ncolor;
    pattern0_ = rec_.fill.nshdpat;

    if (labelled() && PieLabelPlace(pie_.ipielbp) == PieLabelPlace::aligned) {
        for (int i = 1; i <= n_; ++i) {
            int w = 0, h = 0;
            const float v = std::fabs(x_[i - 1]);
            boxsiz(rec_, cbuf_, nlin_, i, x_[i - 1], v * 100.0f / sum_, w, h);
            widest_ = std::max(widest_, w);
        }
    }

    float a0 = look3d_ ? 0.0f : 360.0f - std::fabs(x_[0]) * 360.0f / (2.0f * sum_);
    for (int i = 1; i <= n_; ++i) {
        Segment s;
        s.i = i;
        s.j = i % kAttributeCycle == 0 ? kAttributeCycle : i % kAttributeCycle;
        s.value = x_[i - 1];
        s.percent = std::fabs(s.value) * 100.0f / sum_;
        setAttributes(s);

        float e = 0.0f;
        if (look3d_) {
            e = endAngle3d(s.value, i == 1);
            if (i == 1) {
                a0 = 360.0f - e;
                e += 360.0f;
            }
        } else {
            e = a0 + std::fabs(s.value) * 360.0f / sum_;
        }
        s.full = n_ == 1 || e - a0 > kFullTurn;
        if (s.full) e = a0 + 360.0f;
        s.a0 = a0;
        s.e = e;
        s.h = (e - a0) / 2.0f;
        s.m = a0 + s.h;

        s.radius = R_;
        s.offset = pie_.ipieexp == 1 || s.value < 0.0f ? nintqq(float(R_) * 8.0f / 100.0f) : 0;
        s.angle = std::trunc(s.m);
        usrpie(i, s.value, s.percent, &s.radius, &s.offset, &s.angle, &s.yshift, &s.drawSeg,
               &s.drawLab);
        qqcopy(rec_.core.cfunc, "piegrf");
        slegnd(rec_, s.j);

        drawSegment(s);
        a0 = e > 360.0f ? e - 360.0f : e;
    }
    qqstrk(rec_);
    qqsclr(rec_, colour0_);
    selectPattern(rec_, pattern0_);
}

} // namespace

void qqpie1(GlobalRecord &rec, int xm, int ym, int rx, int ry, int nh, float a1, float a2) {
    const float degrad = rec.core.xdegrad;
    const float t1 = a1 * degrad, t2 = a2 * degrad;
    const float big = float(std::max(rx, ry));
    int k = truncToInt((t2 - t1) * big / rec.figure.xcircsp);
    if (k == 0) k = truncToInt((a2 - a1) * big);
    if (k <= 0) return;
    k = std::min(std::max(k, 5), kMaxWallSteps);
    // The upper edge (at most k steps and the exact end), the lower edge back
    // and the first point again.
    constexpr int kMaxPoints = 2 * (kMaxWallSteps + 2) + 1;
    float x[kMaxPoints], y[kMaxPoints];
    int m = 0;
    const float step = (t2 - t1) / float(k);
    for (int s = 0; s <= k; ++s) {
        const float t = t1 + float(s) * step;
        if (t > t2) break;
        const float r = ellipseRadius(t, float(rx), float(ry));
        x[m] = std::cos(t) * r;
        y[m] = -std::sin(t) * r;
        ++m;
    }
    const float r2 = ellipseRadius(t2, float(rx), float(ry));
    x[m] = std::cos(t2) * r2;
    y[m] = -std::sin(t2) * r2;
    ++m;
    const int upper = m;
    for (int s = upper - 1; s >= 0; --s) {
        x[m] = x[s];
        y[m] = y[s] + float(nh);
        ++m;
    }
    x[m] = x[0];
    y[m] = y[0];
    ++m;
    for (int s = 0; s < m; ++s) {
        x[s] += float(xm);
        y[s] += float(ym);
    }
    outlineAndFill(rec, x, y, m, false);
}

// The library's own hook leaves every segment as the chart laid it out.
void usrpie(int iseg, float xdat, float xper, int *nrad, int *noff, float *angle, int *nvy,
            int *idrw, int *iany) {
    (void)iseg, (void)xdat, (void)xper, (void)nrad, (void)noff, (void)angle, (void)nvy, (void)idrw,
        (void)iany;
}

extern "C" void pie(int nxm, int nym, int nr, float alpha, float beta) {
    GlobalRecord *rec = jqqlev(1, 3, "pie");
    if (rec == nullptr) return;
    elpsln(*rec, nxm, jqqyvl(*rec, nym), nr, nr, alpha, beta, 0.0f, kKeepStyle, kClosedPie);
}

extern "C" void piegrf(const char *cbuf, int nlin, const float *xray, int n) {
    GlobalRecord *recp = jqqlev(1, 1, "piegrf");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    rec.curve.ilegpat = 1;
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(xray)) return;
    // The chart's own axis system: scaled and placed, never drawn.
    const int nograf = rec.axsys.inograf;
    rec.axsys.inograf = 2;
    openPlainAxisSystem(rec, 0.0f, 5.0f, 0.0f, 1.0f, 0.0f, 5.0f, 0.0f, 1.0f);
    rec.axsys.inograf = nograf;
    if (rec.core.ilevel != 2) return;

    float sum = 0.0f;
    for (int i = 0; i < n; ++i)
        sum += std::fabs(xray[i]);
    if (!(sum > rec.core.xeps)) {
        warnin(Warning::zeroDataSum);
        return;
    }
    // An infinite sum leaves every share without a size.
    if (!std::isfinite(sum)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    PieChart(rec, cbuf, nlin, xray, n).draw(sum);
}
