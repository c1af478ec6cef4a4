// Spline curves of the curve modes SPLI and PSPL.
#pragma once
#include <memory>

struct GlobalRecord;

struct SplinePoints {
    std::unique_ptr<float[]> x, y;
    int count = 0;
};

// Interpolates the n data points by the spline settings (parametric for PSPL,
// spaced in log10 x on a logarithmic X axis). False after the warning when the
// points do not allow a spline (31, 32, 38) or memory is short (53).
bool bspllx(GlobalRecord &rec, const float *x, const float *y, int n, SplinePoints &points);
