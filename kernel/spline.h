// Spline interpolation with B-splines, after de Boor's published method, in
// single precision: not-a-knot knots (spnak), the banded collocation system
// (splint with bsplvb, banfac, banslv) and evaluation (bvalue with interv).
// Arrays are 0-based; interval indices (left, the search start) count from 1,
// as in the published method, so that t[left - 1] <= x < t[left].
#pragma once

struct GlobalRecord;

// The largest B-spline order the evaluation routines handle.
constexpr int kMaxSplineOrder = 20;

// Not-a-knot knot sequence t of n + k knots for the n sites tau, order k.
void spnak(const float *tau, int n, int k, float *t);

// Values at x of the jhigh B-splines of order jhigh that are non-zero on the
// knot interval left (t[left - 1] <= x <= t[left]), into biatx[0..jhigh-1].
void bsplvb(const float *t, int jhigh, float x, int left, float *biatx);

// LU factorisation without pivoting of the band matrix w (nroww rows per
// column, nbandl bands below and nbandu above the diagonal, nrow columns), in
// place. 1 done, 2 a zero pivot (singular).
int banfac(float *w, int nroww, int nrow, int nbandl, int nbandu);

// Solves the factorised band system for b, in place.
void banslv(const float *w, int nroww, int nrow, int nbandl, int nbandu, float *b);

// B-spline coefficients bcoef of the spline of order k with knots t that
// interpolates gtau at the sites tau; q is a work area of (2k - 1) * n floats.
// 1 done, 2 the collocation system is singular.
int splint(const float *tau, const float *gtau, const float *t, int n, int k, float *q,
           float *bcoef);

// Interval of x in the non-decreasing sequence xt[0..lxt-1]: left with
// xt[left - 1] <= x < xt[left] and result 0; result -1 (left 1) below xt[0];
// result 1 (left lxt) at or above xt[lxt - 1]. ilo is where the search starts
// and the interval found last.
int interv(const float *xt, int lxt, float x, int &left, int &ilo);

// Value at x of the jderiv-th derivative of the spline of order k with knots
// t[0..n+k-1] and coefficients bcoef[0..n-1]; 0 when jderiv >= k or x lies
// outside the knots. ilo: the search start of interv.
float bvalue(const float *t, const float *bcoef, int n, int k, float x, int jderiv, int &ilo);

enum class SplineStatus {
    Done,
    BadCount,       // fewer points than the order, or a system too large for the band matrix
    NoMemory,       // no work area
    NotIncreasing,  // x does not increase strictly
    NonPositiveLog, // a logarithmic x spacing with an x that is not positive
    Singular,       // the collocation system is singular
};

// How the points are parametrised and spaced.
struct SplineForm {
    bool parametric = false; // x and y both over the chord length (curve mode PSPL)
    bool logX = false;       // output x evenly spaced in log10 x (logarithmic X axis)
};

// Interpolates the n points with splines of the given degree (order degree + 1)
// and writes intervals + 1 points into xs and ys: the first and last data
// points and intervals - 1 points evenly spaced between them. Nothing is
// written unless the result is Done.
SplineStatus interpolateSpline(const float *x, const float *y, int n, int degree, int intervals,
                               SplineForm form, float *xs, float *ys);

// The plot defaults of GlobalRecord.spline, as resall stores them.
void resetSplineDefaults(GlobalRecord &rec);
