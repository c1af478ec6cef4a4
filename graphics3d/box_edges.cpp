// box3d: the twelve edges of the 3-D box.
#include "graphics2d/axis_system.h"
#include "graphics3d/box_level.h"
#include "graphics3d/lines3d.h"
#include "graphics3d/plane.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// A 3-D line through the box corners in the order given.
template <int N> void cornerLine(GlobalRecord &rec, const int (&corners)[N]) {
    float x = 0, y = 0, z = 0;
    boxCorner(rec, corners[0], x, y, z);
    qqst3d(rec, x, y, z);
    for (int i = 1; i < N; ++i) {
        boxCorner(rec, corners[i], x, y, z);
        qqcn3d(rec, x, y, z);
    }
}

} // namespace

extern "C" void box3d(void) {
    GlobalRecord *rec = jqqbox("box3d");
    if (rec == nullptr) return;
    // The edges are clipped at the axis-system rectangle while they are drawn.
    sclpax(*rec, 0);
    cornerLine(*rec, {1, 2, 3, 4, 1});
    cornerLine(*rec, {5, 6, 7, 8, 5});
    for (int corner = 1; corner <= 4; ++corner)
        cornerLine(*rec, {corner, corner + 4});
    sclpax(*rec, 1);
}
