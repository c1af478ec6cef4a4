// SplineState: the settings of spline interpolation.
#pragma once

struct SplineState {
    // splmod: polynomial degree d of the spline (2..10; the B-spline order is d + 1)
    // and the number of output intervals (5..30000): spline returns that many + 1 points.
    int nsplmod[2] = {3, 200};
};
