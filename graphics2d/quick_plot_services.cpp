// The clipping and the colour cells of the Python module's quick colour plot,
// on the calling thread's record.
#include "graphics2d/quick_plot_services.h"

#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "kernel/record.h"
#include "kernel/record_table.h"

namespace {

// The caller's record while an axis system is open.
GlobalRecord *axisSystemRecord() {
    GlobalRecord *rec = qqgglb();
    return rec != nullptr && rec->core.ilevel >= 2 ? rec : nullptr;
}

} // namespace

extern "C" void kavlor_clip_to_axis_system(int mode) {
    if (GlobalRecord *rec = axisSystemRecord()) sclpax(*rec, mode == 0 ? 0 : 1);
}

extern "C" void kavlor_colour_cell(float x, float y, float z, int w, int h) {
    if (GlobalRecord *rec = axisSystemRecord()) rpoint(*rec, x, y, z, w, h);
}
