// qqmr3d: the ticks of a page axis of the 3-D box. Each tick is a page stroke
// from the projected point of its value, pointing away from the axis along
// the other axis's page angle: m per label interval, ticks within decades on
// logarithmic axes, ticks at calendar steps on date axes.
#include <algorithm>
#include <cmath>

#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "graphics2d/log_ticks.h"
#include "graphics3d/page_axes.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"

namespace {

// Date tick modes of iticmod.
constexpr int kNoDateTicks = 0;
constexpr int kDateTicksDays = 1;

// Where the ticks of one axis start and which way they point.
struct TickStroke {
    int axis, logarithmic;
    float p1, p2;
    float dx, dy; // page direction of a tick of length 1
};

// A tick at the axis value v (an exponent on a logarithmic axis).
void tickAt(GlobalRecord &rec, const TickStroke &t, float v, int length) {
    float xp = 0, yp = 0;
    projectAxisValue(rec, t.axis, t.logarithmic == 1 ? std::pow(10.0f, v) : v, t.p1, t.p2, xp, yp);
    strtqq(rec, xp, yp);
    connqq(rec, xp + t.dx * float(length), yp + t.dy * float(length));
}

float sign(float v) {
    return v > 0.0f ? 1.0f : -1.0f;
}

// Index range of the values first + i * step between a and e.
void stepRange(float a, float e, float first, float step, int &lo, int &hi) {
    lo = -truncToInt((first - a) / step + 0.0001f);
    hi = truncToInt((e - first) / step + 0.0001f);
}

} // namespace

void qqmr3d(GlobalRecord &rec, float a, float e, float first, float step, int m, int side,
            int logarithmic, float p1, float p2, float otherAngle, int axis) {
    if (m <= 0) return;
    const AxisOptionState &o = rec.axes;
    const int ia = axis - 1;
    const float s = side == 1 ? -1.0f : 1.0f;
    const TickStroke t{
        axis, logarithmic, p1, p2, -std::cos(otherAngle) * s, std::sin(otherAngle) * s};
    const int major = o.nticmaj, minor = o.nticmin;

    bool decades = false;
    if (logarithmic == 1 && m > 1 && decadeTicks(o, first, step)) {
        decades = true;
        step = sign(step);
        m = 1;
    }
    const bool dates = LabelClass(o.ilabkin[ia]) == LabelClass::dates;
    const int dateStep = dates ? o.ilmdste[ia] : 0;
    const int tickMode = o.iticmod[ia];
    if (dates) {
        if (dateStep == 0) m = 1;
        if (tickMode == kDateTicksDays) {
            step = sign(step);
            m = 1;
        }
    }

    // Ticks are bounded by the page: more of them than it has plot units
    // across cannot be told apart.
    const int page = std::max(rec.page.nxpage, rec.page.nypage);
    if (decades && !marksFit(truncToInt(std::fabs(e - a)), page)) {
        warnNotSeen("Ticks closer than a plot unit");
        return;
    }
    if (dateStep == 0) {
        const float substep = step / float(m);
        int lo = 0, hi = 0;
        stepRange(a, e, first, substep, lo, hi);
        if (!marksFit(std::int64_t(hi) - lo, page)) {
            warnNotSeen("Ticks closer than a plot unit");
            return;
        }
        for (int i = lo; i <= hi; ++i)
            tickAt(rec, t, first + float(i) * substep, i % m == 0 ? major : minor);
    }
    if (decades) forEachDecadeTick(a, e, first, [&](float v) { tickAt(rec, t, v, minor); });
    if (dateStep == 0) return;

    // Calendar steps: long ticks at the labels, short ones at the steps of
    // the date tick mode on both sides of the first label.
    int width = 0;
    const int labels = jqqnlb(rec, first, e, dateStep);
    for (int i = 0; i <= labels; ++i)
        tickAt(rec, t, qqxlab(rec, first, e, width, i, dateStep), major);
    if (tickMode == kNoDateTicks) return;
    if (tickMode == kDateTicksDays) {
        int lo = 0, hi = 0;
        stepRange(a, e, first, step, lo, hi);
        if (!marksFit(std::int64_t(hi) - lo, page)) {
            warnNotSeen("Ticks closer than a plot unit");
            return;
        }
        for (int i = lo; i <= hi; ++i)
            tickAt(rec, t, first + float(i) * step, minor);
        return;
    }
    const int kind = tickMode - 1;
    // Steps before the first label are counted from it towards the axis begin.
    const int before = jqqnlb(rec, first, a, kind);
    const int after = jqqnlb(rec, first, e, kind);
    for (int i = -before; i <= after; ++i) {
        const float v =
            i < 0 ? qqxlab(rec, first, a, width, -i, kind) : qqxlab(rec, first, e, width, i, kind);
        tickAt(rec, t, v, minor);
    }
}
