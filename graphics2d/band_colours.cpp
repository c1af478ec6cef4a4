// The colours of filled contour bands: from the colour scale of the Z axis or
// from the list given with conclr, chosen by the shdmod settings.
#include <algorithm>
#include <cmath>

#include "graphics2d/colour_axis.h"
#include "graphics2d/filled_contours.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// shdmod CELL and COLO.
constexpr int kCellsBoth = 0, kCellsUpper = 1, kCellsLower = 2, kCellsNone = 3;
constexpr int kColourLower = 0, kColourMiddle = 1, kColourUpper = 2;

// The list entry of band index k (1-based), reached through the level order;
// false when the list does not reach that far. An order entry past the list's
// room falls back to the colour scale.
bool listColour(const GlobalRecord &rec, int k, int &colour) {
    const FilledContourState &f = rec.contfill;
    if (f.nconclr <= 0 || f.nconclr < k || f.pconidx == nullptr) return false;
    const int p = nintqq(f.pconidx[k - 1]);
    if (p < 1 || p > kBandColours) return false;
    colour = f.nconcls[p - 1];
    return true;
}

} // namespace

int contourBand(const float *s, int nlev, float v) {
    if (std::isnan(v)) return -1;
    // The count of levels below v: a value on a level belongs to the band below it.
    return int(std::lower_bound(s, s + nlev, v) - s);
}

int qqcnt4(const GlobalRecord &rec, const float *lev, int nlev, int b) {
    const SurfaceState &m = rec.surface;
    const int *ends = rec.colour.nclrran0;
    const bool cells = m.ishdcon == 0;
    if (cells) {
        if (b == nlev && (m.ishdcel == kCellsLower || m.ishdcel == kCellsNone)) return -1;
        if (b == 0 && (m.ishdcel == kCellsUpper || m.ishdcel == kCellsNone)) return -1;
    }
    int colour = 0;
    if (m.ishdclr == kColourUpper && cells) {
        const int upper = b + 1;
        if (upper > nlev) return ends[1];
        if (listColour(rec, upper, colour)) return colour;
        return jqqclr(rec, lev[upper - 1]);
    }
    if (b == 0) return ends[0];
    if (listColour(rec, b, colour)) return colour;
    if (m.ishdclr == kColourMiddle && cells) {
        if (b == nlev) return jqqclr(rec, lev[nlev - 1]);
        return jqqclr(rec, (lev[b - 1] + lev[b]) * 0.5f);
    }
    return jqqclr(rec, lev[b - 1]);
}

void resetFilledContourDefaults(GlobalRecord &rec) {
    rec.contfill.nconclr = 0;
}

extern "C" void conclr(const int *ic, int n) {
    GlobalRecord &rec = chkini("conclr");
    if (n < 0 || n > kBandColours || (n > 0 && ic == nullptr)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    FilledContourState &f = rec.contfill;
    for (int i = 0; i < n; ++i)
        f.nconcls[i] = ic[i] & 0xff;
    f.nconclr = n;
}
