// Conversions of axis values to counts and positions: far values (and NaN)
// are cut where an int ends instead of overflowing.
#pragma once

// trunc(v) within +-2e9; NaN gives 0.
inline int truncToInt(float v) {
    constexpr float kLimit = 2.0e9f;
    if (v != v) return 0;
    if (v >= kLimit) return int(kLimit);
    if (v <= -kLimit) return -int(kLimit);
    return int(v);
}
