// The rounding rules of the library. They differ for negative values and for
// halves, and output bytes depend on which one a computation uses, so each keeps
// its own name.
#pragma once

// Add 0.5 and truncate towards zero (the device conversions, colour bytes).
inline int roundAddHalf(float v) {
    return int(v + 0.5f);
}

// Nearest integer, halves away from zero.
inline int nintqq(float v) {
    return v >= 0.0f ? int(v + 0.5f) : -int(-v + 0.5f);
}
