// Sums of page coordinates that come from callers. A caller may hand any int
// (a corner at INT_MAX, a width of INT_MIN); the sums are formed in 64 bits
// and held within +-kIntLimit, so that a far corner, a shifted point or a
// mirrored y never overflows, and two held values still add up within an int.
#pragma once

#include <algorithm>
#include <cstdint>

#include "kernel/rounding.h"

inline int pageSum(std::int64_t a, std::int64_t b = 0, std::int64_t c = 0) {
    const std::int64_t s = a + b + c;
    if (s > kIntLimit) return kIntLimit;
    if (s < -kIntLimit) return -kIntLimit;
    return int(s);
}

// The largest page, in plot units, that page and hwpage accept: far corners
// and origin shifts on it stay within an int.
inline constexpr int kMaxPageUnits = 100000000;

// A distance, shift, length or position a caller sets, held at the largest
// page: drawing adds it to page positions, and the sums stay within an int.
inline int heldOnPage(int v) {
    return std::clamp(v, -kMaxPageUnits, kMaxPageUnits);
}
