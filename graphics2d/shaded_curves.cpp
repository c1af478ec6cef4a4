// shdcrv: the area between two curves of the axis system, filled with the
// current pattern and listed in the legend; each area moves the pattern on to
// the next entry of the pattern cycle so that neighbouring areas differ.
#include <climits>
#include <cstddef>

#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Counts the polygon can be built from: none negative, at least one point in
// all but no more than an int counts, and arrays behind every count read.
bool validCurves(const float *xa, const float *ya, int na, const float *xb, const float *yb,
                 int nb) {
    if (na < 0 || nb < 0) {
        warni1(Warning::incorrectParameter, na < 0 ? na : nb);
        return false;
    }
    // The polygon's point count must itself be an int.
    const long long total = static_cast<long long>(na) + nb;
    if (total < 1 || total > INT_MAX) {
        warnin(Warning::incorrectPointCount);
        return false;
    }
    if ((na > 0 && (xa == nullptr || ya == nullptr)) ||
        (nb > 0 && (xb == nullptr || yb == nullptr))) {
        warnin(Warning::incorrectParameter);
        return false;
    }
    return true;
}

} // namespace

extern "C" void shdcrv(const float *xa, const float *ya, int na, const float *xb, const float *yb,
                       int nb) {
    GlobalRecord *rec = jqqlev(2, 3, "shdcrv");
    if (rec == nullptr || !validCurves(xa, ya, na, xb, yb, nb)) return;
    int &count = rec->shdcrv.nshdcnt;
    count += 1;
    rec->curve.ilegpat = 1;
    if (jqqlog(*rec, xa, ya, na) != 0 || jqqlog(*rec, xb, yb, nb) != 0) return;

    const std::size_t n = std::size_t(na) + std::size_t(nb);
    float *points = rec->fill.areaPoints.reserve(2 * n);
    if (points == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    slegnd(*rec, count);

    // The first curve forwards, then the second backwards, closes the area.
    float *px = points, *py = points + n;
    for (int i = 0; i < na; ++i) {
        px[i] = xa[i];
        py[i] = ya[i];
    }
    for (int i = 0; i < nb; ++i) {
        px[std::size_t(na) + std::size_t(i)] = xb[nb - 1 - i];
        py[std::size_t(na) + std::size_t(i)] = yb[nb - 1 - i];
    }
    const int np = na + nb;
    chkscl(*rec, px, py, np);
    for (int i = 0; i < np; ++i)
        qqpos2(*rec, px[i], py[i], px[i], py[i]);
    {
        AxisClip clip(*rec);
        if (rec->fill.inoarln == 1) arealx(*rec, px, py, np);
        if (rec->fill.ihattyp != 0) dareaf(*rec, px, py, np);
    }

    const int next = (count + 1) % kAttributeCycle;
    selectPattern(*rec, rec->curve.npatcyc[(next == 0 ? kAttributeCycle : next) - 1]);
}
