// Checks of data against the axis system: points outside the scaling are
// reported, non-positive values on logarithmic axes refused.
#include <cmath>

#include "graphics2d/curves.h"
#include "kernel/c_format.h"
#include "kernel/message_stream.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

bool reportsOn(const GlobalRecord &rec) {
    return rec.msg.ichkpnt == 1 && rec.msg.iunit != 0;
}

// Values too small or too large for "%f" are written in exponent form.
bool exponentForm(float v) {
    const float a = std::fabs(v);
    return (a > 0.0f && a < 1.0e-6f) || a > 1.0e6f;
}

// " <<<< (x /y) out of axis scaling!" with each value in the form it needs.
void reportPoint(GlobalRecord &rec, float x, float y) {
    qqerrfil(rec);
    FILE *stream = rec.msg.fpmsg;
    if (stream == nullptr) return;
    const double dx = x, dy = y;
    if (exponentForm(x))
        printC(stream, " <<<< (%12.4e /", dx);
    else
        printC(stream, " <<<< (%f /", dx);
    if (exponentForm(y))
        printC(stream, "%12.4e) out of axis scaling!\n", dy);
    else
        printC(stream, " %f) out of axis scaling!\n", dy);
}

} // namespace

void chkscl(GlobalRecord &rec, const float *x, const float *y, int n) {
    if (!reportsOn(rec)) return;
    const float *w = rec.axsys.xusrwin;
    const bool testY = rec.axsys.igrftyp != 1;
    for (int i = 0; i < n; ++i) {
        const bool outside = x[i] < w[0] || x[i] > w[1] || (testY && (y[i] < w[2] || y[i] > w[3]));
        if (outside) reportPoint(rec, x[i], y[i]);
    }
}

int ckpkt2(GlobalRecord &rec, float x, float y) {
    const float *w = rec.axsys.xusrwin;
    int result = 0;
    if (x < w[0] || x > w[1])
        result = 1;
    else if (y < w[2] || y > w[3])
        result = 2;
    if (result != 0 && reportsOn(rec)) {
        qqerrfil(rec);
        if (rec.msg.fpmsg != nullptr)
            printC(rec.msg.fpmsg, " <<<< (%12.4e /%12.4e) out of axis scaling!\n", double(x),
                   double(y));
    }
    return result;
}

int jqqlgx(GlobalRecord &rec, const float *values, int n, int axis) {
    if (rec.axes.ilogax[axis - 1] != 1 || rec.axes.ineglog == 1) return 0;
    for (int i = 0; i < n; ++i) {
        if (values[i] <= 0.0f) {
            warnin(Warning::logValuesNotPositive);
            return 1;
        }
    }
    return 0;
}

int jqqlog(GlobalRecord &rec, const float *x, const float *y, int n) {
    return jqqlgx(rec, x, n, 1) + jqqlgx(rec, y, n, 2);
}
