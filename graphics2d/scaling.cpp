// Automatic scaling: setscl records data ranges, gscale turns them into axis
// values at the next axis system: by decades on linear and logarithmic axes,
// by seconds, minutes and hours on time axes, by days and months on date axes.
// scale and axsscl choose linear or logarithmic axes.
#include "graphics2d/scaling.h"

#include <cmath>
#include <cstring>

#include "graphics2d/axis_selectors.h"
#include "graphics2d/label_kinds.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/dates.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr float kEqualRange = 1.0e-35f;

// Date axes: a, e day numbers; steps of 1, 2, 3 or 7 days, or of months with
// the first label on the first day of a month the step allows.
void scaleDates(GlobalRecord &rec, int axis, float a, float e, float &orig, float &step) {
    AxisOptionState &o = rec.axes;
    step = 1.0f;
    o.ilmdste[axis] = 0;
    o.iticmod[axis] = 0;
    orig = float(truncToInt(a + 0.5f));
    const float span = e - a;
    if (span < 6.0f) return;
    if (span < 11.0f) {
        step = 2.0f;
        return;
    }
    if (span < 16.0f) {
        step = 3.0f;
        return;
    }
    if (span < 36.0f) {
        step = 7.0f;
        return;
    }
    // Months whose first day may carry a label: every month, quarters, half-years, years.
    int kind = 4;
    if (span < 160.0f)
        kind = 1;
    else if (span < 500.0f)
        kind = 2;
    else if (span < 1000.0f)
        kind = 3;
    o.ilmdste[axis] = kind;
    if (!checkBaseDate(rec)) return;
    constexpr int kMonths[5] = {0, 1, 3, 6, 12};
    int day = 0, month = 0, year = 0;
    dateOfDay(rec, truncToInt(orig), day, month, year);
    if (day != 1) {
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    while ((month - 1) % kMonths[kind] != 0) {
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    orig = float(dayNumber(rec, 1, month, year));
}

// Time axes: values in seconds; steps of seconds below two minutes, of
// minutes, hours and days above.
void scaleTimes(GlobalRecord &rec, float a, float e, float &orig, float &step) {
    const float span = e - a;
    const int s = truncToInt(span);
    auto byRange = [](int v, float last) {
        if (v <= 7) return 1.0f;
        if (v <= 14) return 2.0f;
        if (v <= 29) return 5.0f;
        if (v <= 59) return 10.0f;
        return last;
    };
    if (s <= 119) {
        rec.axes.itimfmt = 2;
        step = byRange(s, 20.0f);
    } else {
        rec.axes.itimfmt = 0;
        const int m = truncToInt(span / 60.0f);
        float minutes = 0.0f;
        if (m <= 59) {
            minutes = byRange(m, 0.0f);
        } else if (m <= 119) {
            minutes = 15.0f;
        } else if (m <= 239) {
            minutes = 30.0f;
        } else {
            const int h = m / 60;
            int k = 0, power = 1, q = h;
            while (q > 9) {
                ++k;
                power *= 10;
                q = h / power;
            }
            minutes = 60.0f * float(power);
            if (q == 1)
                minutes /= 5.0f;
            else if (q == 2 || q == 3)
                minutes /= 2.5f;
            else if (q > 7)
                minutes *= 2.0f;
            if (minutes > 300.0f) minutes *= 1.2f;
        }
        step = 60.0f * minutes;
    }
    // The start in whole seconds, or the next multiple of the step (at least
    // one second) above it; in 64 bits, as far starts and steps pass an int.
    const long long first = a < 0.0f ? -truncToInt64(0.5f - a) : truncToInt64(a + 0.5f);
    const long long n = truncToInt64(step + 0.5f);
    orig = float(first % n == 0 ? first : (first / n + 1) * n);
}

bool exponentLabels(const AxisOptionState &o, int axis) {
    const LabelKind kind = LabelKind(o.ilabels[axis]);
    return kind == LabelKind::exp || kind == LabelKind::fexp;
}

// Linear and logarithmic axes (a, e exponents on logarithmic ones): a decade
// step, refined by the room the axis gives each label.
void scaleDecades(GlobalRecord &rec, int axis, float a, float &orig, float &step, float span) {
    AxisOptionState &o = rec.axes;
    const int length = rec.axsys.naxslen[axis];
    const int room = axis == 0 ? 200 : 100;
    const bool logarithmic = o.ilogax[axis] == 1;
    int k = 0;
    float d = span;
    for (int round = 0; round < 50; ++round) {
        d = span / std::pow(10.0f, float(k));
        if (d >= 10.0f)
            ++k;
        else if (d < 1.0f)
            --k;
        else
            break;
    }
    const int q = std::isfinite(d) ? truncToInt(d) : 1; // a range of infinities has no decade
    step = std::pow(10.0f, float(k));
    int digits = k < 0 ? -k : -1;
    auto adjustDigits = [&] {
        if (k < 0)
            ++digits;
        else if (k == 0)
            digits = 1;
    };
    if (q >= 5) {
        if (length / q < room)
            step *= 2.0f;
        else if (q > 6 && exponentLabels(o, axis))
            step *= 2.0f;
    } else if ((q == 2 || q == 3) && !logarithmic) {
        if (length / (2 * q) >= room) {
            step /= 2.0f;
            adjustDigits();
        }
    } else if (q == 1 && length / 2 >= room) {
        step /= length / 5 >= room ? 5.0f : 2.0f;
        adjustDigits();
    }
    if (exponentLabels(o, axis)) digits = 1;
    o.ndigits[axis] = digits;

    const float r = a / step;
    int i = truncToInt(r);
    if (std::fabs(r - float(i)) >= 1.0e-15f) {
        if (a >= 0.0f) ++i;
        orig = float(i) * step;
    } else {
        orig = a;
    }
    if (exponentLabels(o, axis)) {
        for (int j = i < 0 ? -i : i; j > 2; j /= 10)
            ++digits;
        o.ndigits[axis] = digits;
    }
}

} // namespace

void gscale(GlobalRecord &rec, float &a, float &e, float &orig, float &step, int axis) {
    const int i = axis - 1;
    AxisOptionState &o = rec.axes;
    if (o.isetscl[i] != 1) return;
    a = o.xsclmin[i];
    e = o.xsclmax[i];
    if (o.ilogax[i] == 1) {
        o.ilabcls[i] = int(LogLabelForm::powers);
        if (a <= 0.0f) {
            warnin(Warning::logMinimumNotPositive);
            o.xsclmin[i] = 0.1f;
            a = -1.0f;
        } else {
            a = std::log10(a);
        }
        if (e <= 0.0f) {
            warnin(Warning::logMaximumNotPositive);
            o.xsclmax[i] = 1.0f;
            e = 0.0f;
        } else {
            e = std::log10(e);
        }
    }
    switch (LabelClass(o.ilabkin[i])) {
    case LabelClass::dates: scaleDates(rec, i, a, e, orig, step); return;
    case LabelClass::times: scaleTimes(rec, a, e, orig, step); return;
    default: scaleDecades(rec, i, a, orig, step, e - a); return;
    }
}

extern "C" void setscl(const float *xray, int n, const char *cax) {
    GlobalRecord *recp = jqqlev(1, 1, "setscl");
    if (recp == nullptr) return;
    AxisOptionState &o = recp->axes;
    char key[4];
    upperKey(cax, 3, key);
    if (std::strcmp(key, "RES") == 0) {
        for (int &flag : o.isetscl)
            flag = 0;
        return;
    }
    for (int axis = 0; axis < kAxisCount; ++axis) {
        const char reset[4] = {"XYZ"[axis], 'R', 'E', '\0'};
        if (std::strcmp(key, reset) == 0) {
            o.isetscl[axis] = 0;
            return;
        }
    }
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(xray)) return;
    float lo = xray[0], hi = xray[0];
    for (int k = 1; k < n; ++k) {
        if (xray[k] < lo) lo = xray[k];
        if (xray[k] > hi) hi = xray[k];
    }
    if (std::fabs(hi - lo) < kEqualRange) {
        warnin(Warning::minimumEqualsMaximum);
        lo -= 1.0f;
        hi += 1.0f;
    }
    for (int axis = 0; axis < kAxisCount; ++axis) {
        const char single[4] = {"XYZ"[axis], 'A', 'X', '\0'};
        const bool onlyOne = std::strcmp(key, "XAX") == 0 || std::strcmp(key, "YAX") == 0 ||
                             std::strcmp(key, "ZAX") == 0;
        const bool selected = onlyOne ? std::strcmp(key, single) == 0 : selectsAxis(cax, axis);
        if (!selected) continue;
        o.xsclmin[axis] = lo;
        o.xsclmax[axis] = hi;
        o.isetscl[axis] = 1;
    }
}

namespace {

void setScaling(const char *name, const char *copt, const char *cax) {
    GlobalRecord &rec = chkini(name);
    const int i = jqqind("LIN +LOG ", 2, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.ilogax);
}

} // namespace

extern "C" void scale(const char *copt, const char *cax) {
    setScaling("scale", copt, cax);
}
extern "C" void axsscl(const char *copt, const char *cax) {
    setScaling("axsscl", copt, cax);
}
