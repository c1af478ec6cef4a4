// nzposn: the colour number of a value on the colour scale of the current
// axis system.
#include "graphics2d/colour_axis.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

extern "C" int nzposn(float z) {
    GlobalRecord *rec = jqqlev(3, 3, "nzposn");
    if (rec == nullptr) return 0;
    return jqqclr(*rec, z);
}
