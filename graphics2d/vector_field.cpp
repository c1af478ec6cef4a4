// field: an arrow for each pair of points in the current axis system.
#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern "C" void field(const float *xa, const float *ya, const float *xb, const float *yb, int n,
                      int ivec) {
    GlobalRecord *recp = jqqlev(2, 3, "field");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n <= 0) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(xa, ya, xb, yb)) return;
    // The arrows are plot points already: vector must not mirror them.
    rec.page.iusrdrw = 1;
    sclpax(rec, 0);
    for (int k = 0; k < n; ++k) {
        const float x[2] = {xa[k], xb[k]}, y[2] = {ya[k], yb[k]};
        if (jqqlog(rec, x, y, 2) != 0) continue; // only this arrow is lost
        chkscl(rec, x, y, 2);
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        qqpos2(rec, x[0], y[0], x1, y1);
        qqpos2(rec, x[1], y[1], x2, y2);
        vector(nintqq(x1), nintqq(y1), nintqq(x2), nintqq(y2), ivec);
        // vector names itself in the record; later warnings belong to field.
        qqcopy(rec.core.cfunc, "field");
    }
    sclpax(rec, 1);
    rec.page.iusrdrw = 0;
}
