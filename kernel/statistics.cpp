// Statistical moments of a data array.
#include <cmath>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/warnings.h"

namespace {

enum class Moment { Mean = 1, Average, Variance, Deviation, Skewness, Kurtosis };

} // namespace

extern "C" float moment(const float *x, int n, const char *key) {
    jqqlev(0, 3, "moment");
    if (n < 2) {
        qqserr("n must be greater than 1");
        warnin(Warning::ownText);
        return 0.0f;
    }
    const int kind = jqqind("MEAN+AVER+VARI+STAN+THIR+FOUR", 6, key);
    if (kind == 0 || !arraysGiven(x)) return 0.0f;
    const Moment what = static_cast<Moment>(kind);

    // Sums in extended precision; the mean is rounded to a float before it is used.
    long double sum = 0.0L;
    for (int i = 0; i < n; ++i)
        sum += x[i];
    const float mean = float(sum / n);
    if (what == Moment::Mean) return mean;

    if (what == Moment::Average) {
        long double deviations = 0.0L;
        for (int i = 0; i < n; ++i)
            deviations += std::fabs(static_cast<long double>(x[i]) - mean);
        return float(deviations / n);
    }

    long double squares = 0.0L;
    for (int i = 0; i < n; ++i) {
        const long double d = static_cast<long double>(x[i]) - mean;
        squares += d * d;
    }
    const long double variance = squares / (n - 1);
    if (what == Moment::Variance) return float(variance);
    const long double sigma = std::sqrt(variance);
    if (what == Moment::Deviation) return float(sigma);

    if (sigma == 0.0L) {
        qqserr("Variance = 0. Value cannot be calculated");
        warnin(Warning::ownText);
        return 0.0f;
    }
    long double powers = 0.0L;
    for (int i = 0; i < n; ++i) {
        const long double z = (static_cast<long double>(x[i]) - mean) / sigma;
        powers += what == Moment::Skewness ? z * z * z : z * z * z * z;
    }
    return what == Moment::Skewness ? float(powers / n) : float(powers / n - 3.0L);
}
