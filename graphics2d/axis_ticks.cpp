// Ticks of an axis: n per label interval with every n-th one major,
// logarithmic minor ticks within decades, and the ticks of date axes that
// step by months.
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "graphics2d/log_ticks.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"

namespace {

// Date tick modes of iticmod.
constexpr int kDateTicksDays = 1;

// Where the ticks of one axis go.
struct TickAxis {
    float a, f; // axis start and plot units per axis unit
    int x0, y0;
    bool horizontal;
    bool centred; // ticks start half their length before the axis
};

void drawTick(GlobalRecord &rec, const TickAxis &ax, int p, int length) {
    const int s = ax.centred ? -length / 2 : 0;
    if (ax.horizontal)
        rvline(rec, p, ax.y0 + s, p, ax.y0 + s + length);
    else
        rvline(rec, ax.x0 + s, p, ax.x0 + s + length, p);
}

// Plot position of an axis value, rounded as the ticks of a value are.
int valuePosition(const TickAxis &ax, float v) {
    if (ax.horizontal) return truncToInt((v - ax.a) * ax.f + float(ax.x0) + 0.5f);
    return truncToInt(float(ax.y0) + 0.5f - (v - ax.a) * ax.f);
}

// Date axes that step by months: major ticks at the labels, minor ticks at
// every step of the date tick mode or at every day.
void monthTicks(GlobalRecord &rec, const TickAxis &ax, float e, float orig, int major, int minor,
                int axis) {
    const AxisOptionState &o = rec.axes;
    const int labelKind = o.ilmdste[axis - 1];
    const int tickMode = o.iticmod[axis - 1];
    int width = 0;
    const int n = jqqnlb(rec, orig, e, labelKind);
    for (int i = 0; i <= n; ++i)
        drawTick(rec, ax, valuePosition(ax, qqxlab(rec, orig, e, width, i, labelKind)), major);
    if (tickMode > kDateTicksDays) {
        const int m = jqqnlb(rec, orig, e, tickMode - 1);
        for (int i = 0; i <= m; ++i)
            drawTick(rec, ax, valuePosition(ax, qqxlab(rec, orig, e, width, i, tickMode - 1)),
                     minor);
    } else if (tickMode == kDateTicksDays) {
        // Days are counted as ints: a float count stops moving beyond 2^24.
        const int first = truncToInt(std::ceil(std::fmin(ax.a, e)));
        const int last = truncToInt(std::floor(std::fmax(ax.a, e)));
        if (!marksFit(std::int64_t(last) - first, truncToInt64(std::fabs((e - ax.a) * ax.f)))) {
            warnNotSeen("Ticks closer than a plot unit");
            return;
        }
        for (int d = first; d <= last; ++d)
            drawTick(rec, ax, valuePosition(ax, float(d)), minor);
    }
}

// Minor ticks at 2..9 times each power of ten inside the axis.
void logarithmicTicks(GlobalRecord &rec, const TickAxis &ax, float e, float orig, int minor) {
    // Eight ticks a decade: more decades than plot units show none of them.
    const float decades = std::fabs(e - ax.a);
    if (!(decades <= std::fabs((e - ax.a) * ax.f) + 1.0f)) {
        warnNotSeen("Ticks closer than a plot unit");
        return;
    }
    forEachDecadeTick(ax.a, e, orig, [&](float v) {
        const int d = nintqq((v - ax.a) * ax.f);
        drawTick(rec, ax, ax.horizontal ? d + ax.x0 : ax.y0 - d, minor);
    });
}

bool nearInteger(float v) {
    return std::fabs(v - float(nintqq(v))) < 1.0e-4f;
}

} // namespace

bool decadeTicks(const AxisOptionState &o, float orig, float step) {
    if (!nearInteger(orig)) return false;
    if (o.ilogtic == 1) return nearInteger(step) && nintqq(step) != 0;
    return std::fabs(std::fabs(step) - 1.0f) < 1.0e-4f;
}

void markx(GlobalRecord &rec, float a, float e, float orig, float step, int length, int major,
           int minor, int n, int x0, int y0, int logarithmic, int ticpos, int axis) {
    if (n <= 0) return;
    const AxisOptionState &o = rec.axes;
    const bool centred = TickPosition(ticpos) == TickPosition::centred;
    TickAxis ax{a, float(length - 1) / (e - a), x0, y0, axis == 1, centred};

    const bool dates = LabelClass(o.ilabkin[axis - 1]) == LabelClass::dates;
    if (dates && o.ilmdste[axis - 1] > 0) {
        monthTicks(rec, ax, e, orig, major, minor, axis);
        return;
    }
    bool logMinor = false;
    if (logarithmic == 1 && n > 1 && decadeTicks(o, orig, step)) {
        logMinor = true;
        step = step > 0.0f ? 1.0f : -1.0f;
        n = 1;
    }
    if (dates) {
        n = 1;
        if (o.iticmod[axis - 1] == kDateTicksDays) step = step > 0.0f ? 1.0f : -1.0f;
    }
    const float t = step / float(n);
    const float f = ax.f;
    const int first = -truncToInt((orig - a) / t + 0.0001f);
    const int last = truncToInt((e - orig) / t + 0.0001f);
    if (!marksFit(std::int64_t(last) - first, length)) {
        // Ticks closer than a plot unit: the main ticks alone when they are
        // apart, else none.
        if (n > 1 && !logMinor) {
            markx(rec, a, e, orig, step, length, major, minor, 1, x0, y0, logarithmic, ticpos,
                  axis);
            return;
        }
        warnNotSeen("Ticks closer than a plot unit");
        return;
    }
    for (int i = first; i <= last; ++i) {
        const int p = axis == 1 ? truncToInt((orig - a) * f + float(i) * t * f + float(x0) + 0.5f)
                                : truncToInt(float(y0) + 0.5f - (orig - a) * f - float(i) * t * f);
        drawTick(rec, ax, p, i % n == 0 ? major : minor);
    }
    if (logMinor) logarithmicTicks(rec, ax, e, orig, minor);
}
