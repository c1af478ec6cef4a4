// Ticks within the decades of logarithmic axes, shared by the 2-D axes and
// the page axes of the 3-D box: when an axis steps by whole decades, and the
// values 2..9 times each power of ten inside it.
#pragma once
#include <cmath>

#include "kernel/rounding.h"

struct AxisOptionState;

// Whether a logarithmic axis with first label orig (an exponent) and this
// step gets ticks within its decades; the main ticks then step by one decade.
bool decadeTicks(const AxisOptionState &o, float orig, float step);

// Calls visit(v) with the exponent v of every value 2..9 times a power of ten
// that lies between the axis ends a and e (exponents, in either order).
template <class Visit> void forEachDecadeTick(float a, float e, float orig, Visit visit) {
    const float lo = std::fmin(a, e), hi = std::fmax(a, e);
    const int first = truncToInt(std::floor(std::fmin(orig, lo))) - 1;
    const int last = truncToInt(std::ceil(hi));
    for (int decade = first; decade <= last; ++decade) {
        for (int m = 2; m <= 9; ++m) {
            const float v = std::log10(float(m) * std::pow(10.0f, float(decade)));
            if (v < lo || v > hi) continue;
            visit(v);
        }
    }
}
