// The colour scale of the Z axis: setzpa and setzsc fix it, jqqclr maps a
// value to a colour number, nzposn does so for a caller and colray for an
// array.
#include <cmath>
#include <utility>

#include "graphics2d/colour_axis.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

void setzpa(GlobalRecord &rec, float za, float ze) {
    AxisSystemState &s = rec.axsys;
    const AxisOptionState &o = rec.axes;
    const int *range = rec.colour.nclrran;
    s.xzpa[0] = za;
    s.xzpa[1] = ze;
    s.xzplscl = float(s.naxslen[2] - 1) / (ze - za);
    float lo = za, hi = ze;
    if (o.ilogax[2] == 1) {
        if (o.isetscl[2] == 1) {
            lo = o.xsclmin[2];
            hi = o.xsclmax[2];
        } else {
            lo = std::pow(10.0f, za);
            hi = std::pow(10.0f, ze);
        }
    }
    if (lo > hi) std::swap(lo, hi);
    s.xzusr[0] = lo;
    s.xzusr[1] = hi;
    s.xzclrscl = float(range[1] - range[0] + 1) / (ze - za);
}

void setzsc(GlobalRecord &rec, float zor, float zstp) {
    rec.axsys.xzpa[2] = zor;
    rec.axsys.xzpa[3] = zstp;
}

int jqqclr(const GlobalRecord &rec, float z) {
    const AxisSystemState &s = rec.axsys;
    const int ncmin = rec.colour.nclrran[0], ncmax = rec.colour.nclrran[1];
    const int *ends = rec.colour.nclrran0;
    const bool ascending = s.xzpa[1] > s.xzpa[0];
    // A value that is no number compares as below the axis, so that it shows
    // as background rather than as a colour of the range.
    if (!(z >= s.xzusr[0])) return ascending ? ends[0] : ends[1];
    if (z > s.xzusr[1]) return ascending ? ends[1] : ends[0];
    const float v = rec.axes.ilogax[2] == 1 ? std::log10(z) : z;
    int n = truncToInt((v - s.xzpa[0]) * s.xzclrscl + float(ncmin));
    // The ends of the axis fall one colour outside the range.
    if (n == ncmin - 1) n = ncmin;
    if (n == ncmax + 1) n = ncmax;
    return n;
}

extern "C" int nzposn(float z) {
    GlobalRecord *rec = jqqlev(3, 3, "nzposn");
    return rec == nullptr ? 0 : jqqclr(*rec, z);
}

extern "C" void colray(const float *zray, int *nray, int n) {
    GlobalRecord *rec = jqqlev(3, 3, "colray");
    if (rec == nullptr || (n > 0 && !arraysGiven(zray, nray))) return;
    for (int i = 0; i < n; ++i)
        nray[i] = jqqclr(*rec, zray[i]);
}
