// Spline interpolation: de Boor's B-spline method in single precision, and the
// public routine spline.
//
// The routines below keep the index arithmetic of the published method: the
// accessors T, W, B and X turn its 1-based indices into 0-based array accesses.
#include "kernel/spline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void spnak(const float *tau, int n, int k, float *t) {
    for (int i = 0; i < k; ++i)
        t[i] = tau[0];
    for (int i = k; i < n; ++i) {
        if (k % 2 == 0) {
            t[i] = tau[i - k / 2];
        } else {
            const int j = i - (k - 1) / 2;
            t[i] = (tau[j - 1] + tau[j]) / 2.0f;
        }
    }
    // Just beyond the last site, so that it lies inside the last knot interval.
    for (int i = n; i < n + k; ++i)
        t[i] = tau[n - 1] + 1.0e-7f;
}

void bsplvb(const float *t, int jhigh, float x, int left, float *biatx) {
    auto T = [t](int i) { return t[i - 1]; };
    float deltar[kMaxSplineOrder + 1];
    float deltal[kMaxSplineOrder + 1];
    biatx[0] = 1.0f;
    for (int j = 1; j < jhigh; ++j) {
        deltar[j] = T(left + j) - x;
        deltal[j] = x - T(left + 1 - j);
        float saved = 0.0f;
        for (int i = 1; i <= j; ++i) {
            const float term = biatx[i - 1] / (deltar[i] + deltal[j + 1 - i]);
            biatx[i - 1] = saved + deltar[i] * term;
            saved = deltal[j + 1 - i] * term;
        }
        biatx[j] = saved;
    }
}

int banfac(float *w, int nroww, int nrow, int nbandl, int nbandu) {
    auto W = [w, nroww](int row, int column) -> float & {
        return w[(row - 1) + (column - 1) * nroww];
    };
    const int middle = nbandu + 1;
    const int nrowm1 = nrow - 1;
    if (nrowm1 < 0) return 2;
    if (nrowm1 > 0) {
        if (nbandl <= 0) {
            // Upper triangular: only the diagonal needs checking.
            for (int i = 1; i <= nrowm1; ++i)
                if (W(middle, i) == 0.0f) return 2;
        } else if (nbandu <= 0) {
            // Lower triangular: divide each column by its diagonal.
            for (int i = 1; i <= nrowm1; ++i) {
                const float pivot = W(middle, i);
                if (pivot == 0.0f) return 2;
                const int jmax = std::min(nbandl, nrow - i);
                for (int j = 1; j <= jmax; ++j)
                    W(middle + j, i) = W(middle + j, i) / pivot;
            }
            return 1;
        } else {
            for (int i = 1; i <= nrowm1; ++i) {
                const float pivot = W(middle, i);
                if (pivot == 0.0f) return 2;
                const int jmax = std::min(nbandl, nrow - i);
                for (int j = 1; j <= jmax; ++j)
                    W(middle + j, i) = W(middle + j, i) / pivot;
                const int kmax = std::min(nbandu, nrow - i);
                for (int k = 1; k <= kmax; ++k) {
                    const int ipk = i + k;
                    const int midmk = middle - k;
                    const float factor = W(midmk, ipk);
                    for (int j = 1; j <= jmax; ++j)
                        W(midmk + j, ipk) = W(midmk + j, ipk) - W(middle + j, i) * factor;
                }
            }
        }
    }
    return W(middle, nrow) != 0.0f ? 1 : 2;
}

void banslv(const float *w, int nroww, int nrow, int nbandl, int nbandu, float *b) {
    auto W = [w, nroww](int row, int column) { return w[(row - 1) + (column - 1) * nroww]; };
    auto B = [b](int i) -> float & { return b[i - 1]; };
    const int middle = nbandu + 1;
    if (nrow > 1) {
        const int nrowm1 = nrow - 1;
        if (nbandl > 0) {
            // Forward pass.
            for (int i = 1; i <= nrowm1; ++i) {
                const int jmax = std::min(nbandl, nrow - i);
                for (int j = 1; j <= jmax; ++j)
                    B(i + j) = B(i + j) - B(i) * W(middle + j, i);
            }
        }
        // Backward pass.
        if (nbandu <= 0) {
            for (int i = 1; i <= nrow; ++i)
                B(i) = B(i) / W(1, i);
            return;
        }
        for (int i = nrow; i > 1; --i) {
            B(i) = B(i) / W(middle, i);
            const int jmax = std::min(nbandu, i - 1);
            for (int j = 1; j <= jmax; ++j)
                B(i - j) = B(i - j) - B(i) * W(middle - j, i);
        }
    }
    B(1) = B(1) / W(middle, 1);
}

int splint(const float *tau, const float *gtau, const float *t, int n, int k, float *q,
           float *bcoef) {
    auto T = [t](int i) { return t[i - 1]; };
    const int km1 = k - 1;
    const int kpkm2 = 2 * km1;
    const int nroww = k + km1;
    for (int i = 0; i < n * nroww; ++i)
        q[i] = 0.0f;
    int left = k;
    for (int i = 1; i <= n; ++i) {
        const float taui = tau[i - 1];
        const int ilp1mx = std::min(i + k, n + 1);
        left = std::max(left, i);
        if (taui < T(left)) return 2;
        while (!(taui < T(left + 1))) {
            ++left;
            if (left < ilp1mx) continue;
            --left;
            if (taui > T(left + 1)) return 2;
            break;
        }
        // Row i of the collocation matrix: the k B-splines non-zero at taui, into
        // the band storage (bcoef serves as scratch here).
        bsplvb(t, k, taui, left, bcoef);
        int jj = i - left + 1 + (left - k) * nroww;
        for (int j = 1; j <= k; ++j) {
            jj += kpkm2;
            q[jj - 1] = bcoef[j - 1];
        }
    }
    if (banfac(q, nroww, n, km1, km1) != 1) return 2;
    for (int i = 0; i < n; ++i)
        bcoef[i] = gtau[i];
    banslv(q, nroww, n, km1, km1, bcoef);
    return 1;
}

int interv(const float *xt, int lxt, float x, int &left, int &ilo) {
    auto X = [xt](int i) { return xt[i - 1]; };
    if (ilo < 1) ilo = 1;
    int ihi = ilo + 1;
    if (ihi >= lxt) {
        if (x >= X(lxt)) {
            left = lxt;
            return 1;
        }
        if (lxt <= 1) {
            left = 1;
            return -1;
        }
        ilo = lxt - 1;
        ihi = lxt;
    }
    if (!(x >= X(ihi))) {
        if (x >= X(ilo)) {
            left = ilo;
            return 0;
        }
        // x lies below xt[ilo - 1]: step ilo down until it captures x.
        bool captured = false;
        for (int istep = 1;; istep *= 2) {
            ihi = ilo;
            ilo = ihi - istep;
            if (ilo <= 1) break;
            if (x >= X(ilo)) {
                captured = true;
                break;
            }
        }
        if (!captured) {
            ilo = 1;
            if (x < X(1)) {
                left = 1;
                return -1;
            }
        }
    } else {
        // x lies at or above xt[ihi - 1]: step ihi up until it captures x.
        bool captured = false;
        for (int istep = 1;; istep *= 2) {
            ilo = ihi;
            ihi = ilo + istep;
            if (ihi >= lxt) break;
            if (x < X(ihi)) {
                captured = true;
                break;
            }
        }
        if (!captured) {
            if (x >= X(lxt)) {
                left = lxt;
                return 1;
            }
            ihi = lxt;
        }
    }
    // xt[ilo - 1] <= x < xt[ihi - 1]: narrow the interval by halves.
    for (;;) {
        const int middle = (ilo + ihi) / 2;
        if (middle == ilo) {
            left = ilo;
            return 0;
        }
        if (x < X(middle))
            ihi = middle;
        else
            ilo = middle;
    }
}

float bvalue(const float *t, const float *bcoef, int n, int k, float x, int jderiv, int &ilo) {
    auto T = [t](int i) { return t[i - 1]; };
    auto BC = [bcoef](int i) { return bcoef[i - 1]; };
    if (jderiv >= k || k > kMaxSplineOrder) return 0.0f;
    int i = 0;
    if (interv(t, n + k, x, i, ilo) != 0) return 0.0f;
    const int km1 = k - 1;
    if (km1 <= 0) return BC(i);

    // The k coefficients relevant on the knot interval i, and the distances of
    // x from the knots around it; knots and coefficients beyond the ends count
    // as the end knots and as zero.
    float aj[kMaxSplineOrder + 1];
    float dm[kMaxSplineOrder + 1];
    float dp[kMaxSplineOrder + 1];
    int jcmin = 1;
    const int imk = i - k;
    if (imk < 0) {
        jcmin = 1 - imk;
        for (int j = 1; j <= i; ++j)
            dm[j] = x - T(i + 1 - j);
        for (int j = i; j <= km1; ++j) {
            aj[k - j] = 0.0f;
            dm[j] = dm[i];
        }
    } else {
        for (int j = 1; j <= km1; ++j)
            dm[j] = x - T(i + 1 - j);
    }
    int jcmax = k;
    const int nmi = n - i;
    if (nmi < 0) {
        jcmax = k + nmi;
        for (int j = 1; j <= jcmax; ++j)
            dp[j] = T(i + j) - x;
        for (int j = jcmax; j <= km1; ++j) {
            aj[j + 1] = 0.0f;
            dp[j] = dp[jcmax];
        }
    } else {
        for (int j = 1; j <= km1; ++j)
            dp[j] = T(i + j) - x;
    }
    for (int jc = jcmin; jc <= jcmax; ++jc)
        aj[jc] = BC(imk + jc);

    // Difference the coefficients jderiv times.
    for (int j = 1; j <= jderiv; ++j) {
        const int kmj = k - j;
        const float fkmj = float(kmj);
        int ilo2 = kmj;
        for (int jj = 1; jj <= kmj; ++jj, --ilo2)
            aj[jj] = ((aj[jj + 1] - aj[jj]) / (dm[ilo2] + dp[jj])) * fkmj;
    }
    // Evaluate from the remaining coefficients.
    for (int j = jderiv + 1; j <= km1; ++j) {
        const int kmj = k - j;
        int ilo2 = kmj;
        for (int jj = 1; jj <= kmj; ++jj, --ilo2)
            aj[jj] = (aj[jj + 1] * dm[ilo2] + aj[jj] * dp[jj]) / (dm[ilo2] + dp[jj]);
    }
    return aj[1];
}

namespace {

struct FreeDeleter {
    void operator()(float *p) const { std::free(p); }
};

} // namespace

SplineStatus interpolateSpline(const float *x, const float *y, int n, int degree, int intervals,
                               SplineForm form, float *xs, float *ys) {
    const int k = degree + 1;
    // The band matrix of the collocation system holds (degree + k) * n <= 1000
    // floats. (splmod keeps the degree and the intervals in their ranges.)
    if (degree < 1 || k > kMaxSplineOrder || intervals < 1 || n < k ||
        static_cast<long long>(degree + k) * n > 1000)
        return SplineStatus::BadCount;

    // One zeroed work area per call: band matrix, parameters, the coefficients
    // of x and of y, and the knots.
    const int bandSize = (2 * k - 1) * n;
    std::unique_ptr<float, FreeDeleter> work(
        static_cast<float *>(std::calloc(std::size_t(bandSize + 3 * n + n + k), sizeof(float))));
    if (!work) return SplineStatus::NoMemory;
    float *band = work.get();
    float *param = band + bandSize;
    float *xcoef = param + n;
    float *ycoef = xcoef + n;
    float *knots = ycoef + n;

    const float m = float(intervals);
    int ilo = 1;
    if (form.parametric) {
        // Both coordinates over the accumulated chord length.
        param[0] = 0.0f;
        for (int i = 0; i + 1 < n; ++i) {
            const float dx = x[i + 1] - x[i];
            const float dy = y[i + 1] - y[i];
            param[i + 1] = param[i] + std::sqrt(dx * dx + dy * dy);
        }
        spnak(param, n, k, knots);
        if (splint(param, x, knots, n, k, band, xcoef) != 1) return SplineStatus::Singular;
        if (splint(param, y, knots, n, k, band, ycoef) != 1) return SplineStatus::Singular;
        const float t0 = param[0];
        const float range = param[n - 1] - param[0];
        for (int i = 1; i < intervals; ++i) {
            const float t = t0 + float(i) * range / m;
            xs[i] = bvalue(knots, xcoef, n, k, t, 0, ilo);
            ys[i] = bvalue(knots, ycoef, n, k, t, 0, ilo);
        }
    } else {
        for (int i = 0; i + 1 < n; ++i)
            if (!(x[i + 1] > x[i])) return SplineStatus::NotIncreasing;
        if (form.logX && !(x[0] > 0.0f && x[n - 1] > 0.0f)) return SplineStatus::NonPositiveLog;
        spnak(x, n, k, knots);
        if (splint(x, y, knots, n, k, band, ycoef) != 1) return SplineStatus::Singular;
        const float first = form.logX ? std::log10(x[0]) : x[0];
        const float range = (form.logX ? std::log10(x[n - 1]) : x[n - 1]) - first;
        for (int i = 1; i < intervals; ++i) {
            const float step = first + float(i) * range / m;
            xs[i] = form.logX ? std::pow(10.0f, step) : step;
            ys[i] = bvalue(knots, ycoef, n, k, xs[i], 0, ilo);
        }
    }
    // The ends are the data ends exactly.
    xs[0] = x[0];
    ys[0] = y[0];
    xs[intervals] = x[n - 1];
    ys[intervals] = y[n - 1];
    return SplineStatus::Done;
}

extern "C" void spline(const float *x, const float *y, int n, float *xs, float *ys, int *ns) {
    GlobalRecord *rec = jqqlev(1, 3, "spline");
    if (rec == nullptr || (n > 0 && !arraysGiven(x, y, xs, ys, ns))) return;
    const int degree = rec->spline.nsplmod[0];
    const int intervals = rec->spline.nsplmod[1];
    // The parametric form is the curve mode PSPL of polcrv, the logarithmic
    // spacing that of a logarithmic X axis.
    SplineForm form;
    form.parametric = CurveMode(rec->curve.ipolcrv) == CurveMode::pspl;
    form.logX = rec->axes.ilogax[0] == 1;
    switch (interpolateSpline(x, y, n, degree, intervals, form, xs, ys)) {
    case SplineStatus::Done: *ns = intervals + 1; break;
    case SplineStatus::BadCount: warni1(Warning::incorrectSplinePointCount, n); break;
    case SplineStatus::NoMemory: warnin(Warning::noMemory); break;
    case SplineStatus::NotIncreasing: warnin(Warning::splineXNotIncreasing); break;
    case SplineStatus::NonPositiveLog: warnin(Warning::logValuesNotPositive); break;
    case SplineStatus::Singular: warnin(Warning::singularMatrix); break;
    }
}

void resetSplineDefaults(GlobalRecord &rec) {
    rec.spline.nsplmod[0] = 3;
    rec.spline.nsplmod[1] = 200;
}
