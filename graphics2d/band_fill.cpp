#include "graphics2d/band_fill.h"

#include <cstddef>
#include <new>

#include "graphics2d/axis_system.h"
#include "graphics2d/colour_range.h"
#include "graphics2d/curves.h"
#include "graphics2d/filled_contours.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/pair_sort.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

BandFillScope::BandFillScope(GlobalRecord &rec, const float *zlev, int nlev)
    : rec_(rec), nlev_(nlev), sorted_(new (std::nothrow) float[std::size_t(nlev)]),
      order_(new (std::nothrow) float[std::size_t(nlev)]) {
    if (sorted_ == nullptr || order_ == nullptr) {
        sorted_.reset();
        warnin(Warning::noMemory);
        return;
    }
    float *s = sorted_.get();
    for (int k = 0; k < nlev; ++k) {
        s[k] = zlev[k];
        order_[k] = float(k + 1);
    }
    sortPairs(s, order_.get(), nlev, false);
    rec.contfill.pconidx = order_.get();
    scaleColours(rec, s[0], s[nlev - 1]);

    colour_ = rec.colour.ncolor;
    pattern_ = rec.fill.nshdpat;
    rec.page.iusrdrw = 1;
    selectPattern(rec, kSolidPattern);
    rec.fill.xsurscl = solidFillSpacing(rec.core.idevice, 0.9999f) / rec.page.xunits;
    rec.curve.ilegpat = 1; // the legend shows the bands' fills
}

void BandFillScope::beginFills(const float *lev) {
    for (int b = 1; b <= nlev_; ++b) {
        const int c = qqcnt4(rec_, lev, nlev_, b);
        if (c == -1) continue;
        qqsclr(rec_, c);
        slegnd(rec_, b);
    }
    sclpax(rec_, 0);
    clipping_ = true;
}

BandFillScope::~BandFillScope() {
    if (!ready()) return;
    rec_.contfill.pconidx = nullptr;
    if (clipping_) sclpax(rec_, 1);
    qqsclr(rec_, colour_);
    selectPattern(rec_, pattern_);
    rec_.page.iusrdrw = 0;
}
