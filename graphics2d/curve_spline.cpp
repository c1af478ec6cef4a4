// Spline curves (modes SPLI and PSPL): the points through which curve draws,
// interpolated before anything of the curve is drawn.
#include "graphics2d/curve_spline.h"

#include <new>

#include "kernel/record.h"
#include "kernel/spline.h"
#include "kernel/warnings.h"

bool bspllx(GlobalRecord &rec, const float *x, const float *y, int n, SplinePoints &points) {
    const int degree = rec.spline.nsplmod[0];
    const int intervals = rec.spline.nsplmod[1];
    SplineForm form;
    form.parametric = CurveMode(rec.curve.ipolcrv) == CurveMode::pspl;
    form.logX = rec.axes.ilogax[0] == 1;
    points.count = 0;
    points.x.reset(new (std::nothrow) float[std::size_t(intervals) + 1]);
    points.y.reset(new (std::nothrow) float[std::size_t(intervals) + 1]);
    if (!points.x || !points.y) {
        warnin(Warning::noMemory);
        return false;
    }
    switch (interpolateSpline(x, y, n, degree, intervals, form, points.x.get(), points.y.get())) {
    case SplineStatus::Done: break;
    case SplineStatus::BadCount: warni1(Warning::incorrectSplinePointCount, n); return false;
    case SplineStatus::NoMemory: warnin(Warning::noMemory); return false;
    case SplineStatus::NotIncreasing: warnin(Warning::splineXNotIncreasing); return false;
    case SplineStatus::NonPositiveLog: warnin(Warning::logValuesNotPositive); return false;
    case SplineStatus::Singular: warnin(Warning::singularMatrix); return false;
    }
    points.count = intervals + 1;
    // A logarithmic Y axis takes no values at or below 0 from the spline.
    if (!form.parametric && rec.axes.ilogax[1] == 1)
        for (int i = 0; i < points.count; ++i)
            if (points.y[i] <= 0.0f) points.y[i] = 1.0e-6f;
    return true;
}
