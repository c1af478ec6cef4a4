// The rounding rules of the library. They differ for negative values and for
// halves, and output bytes depend on which one a computation uses, so each keeps
// its own name.
//
// Every conversion of a float that may come from a caller goes through them:
// NaN gives 0 and values beyond kIntLimit stop there, so a conversion never
// overflows, and the sum or difference of two converted values still fits in
// an int. Nothing that can be seen on a page lies that far out.
#pragma once

inline constexpr int kIntLimit = 1000000000;

// Truncation towards zero, saturated at +-kIntLimit; NaN gives 0.
inline int truncToInt(float v) {
    // Values within the limits (the limits themselves convert to themselves)
    // pass two comparisons, which NaN fails.
    if (v >= -float(kIntLimit) && v <= float(kIntLimit)) return int(v);
    if (v != v) return 0;
    return v > 0.0f ? kIntLimit : -kIntLimit;
}

inline int truncToInt(double v) {
    if (v != v) return 0;
    if (v >= double(kIntLimit)) return kIntLimit;
    if (v <= -double(kIntLimit)) return -kIntLimit;
    return int(v);
}

// The same into 64 bits, for counts of seconds and days that pass an int;
// held within +-1e18.
inline long long truncToInt64(double v) {
    if (v != v) return 0;
    if (v >= 1.0e18) return 1000000000000000000LL;
    if (v <= -1.0e18) return -1000000000000000000LL;
    return static_cast<long long>(v);
}

// Add 0.5 and truncate towards zero (the device conversions, colour bytes).
inline int roundAddHalf(float v) {
    return truncToInt(v + 0.5f);
}

// Nearest integer, halves away from zero.
inline int nintqq(float v) {
    return v >= 0.0f ? truncToInt(v + 0.5f) : -truncToInt(-v + 0.5f);
}
