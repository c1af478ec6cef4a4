// The readings of the calling thread's record that the binding modules size
// their buffers by. A thread without a record reads the state structs' own
// defaults, those of a fresh record.
#include "kernel/binding_readings.h"

#include "kernel/record.h"
#include "kernel/record_table.h"

#include <algorithm>

extern "C" int kavlor_spline_points(void) {
    const GlobalRecord *rec = qqgglb();
    const SplineState spline = rec != nullptr ? rec->spline : SplineState{};
    return spline.nsplmod[1] + 1;
}

extern "C" int kavlor_pixel_bytes(void) {
    const GlobalRecord *rec = qqgglb();
    const int mode = rec != nullptr ? rec->img.iimgmod : ImageState{}.iimgmod;
    return mode == 1 ? 3 : 1;
}

extern "C" long long kavlor_readable_pixels(void) {
    const GlobalRecord *rec = qqgglb();
    if (rec == nullptr || rec->core.ilevel < 1 || rec->core.ilevel > 3 || rec->img.iimgini != 1)
        return 0;
    return static_cast<long long>(std::max(rec->win.nwinsiz[0], 0)) *
           std::max(rec->win.nwinsiz[1], 0);
}

extern "C" int kavlor_legend_size(void) {
    const GlobalRecord *rec = qqgglb();
    if (rec == nullptr || rec->legend.ilegini != 1) return 0;
    return rec->legend.nleglin * rec->legend.nlegchr + 1;
}
