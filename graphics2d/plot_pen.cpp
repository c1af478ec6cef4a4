// xmove and xdraw: the kernel's pen moved and drawn at plot coordinates, y
// measured from the page origin the caller chose.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// y from the bottom of the page when the page origin is there, truncated to
// a whole plot unit (far values are held where an int ends).
float pageY(const GlobalRecord &rec, float y) {
    if (rec.page.ipagorg == 1 && rec.page.iusrdrw == 0) y = float(rec.page.nypage) - y;
    return float(truncToInt(y));
}

} // namespace

extern "C" void xmove(float x, float y) {
    if (GlobalRecord *rec = jqqlev(1, 3, "xmove")) qqmove(*rec, x, pageY(*rec, y));
}

extern "C" void xdraw(float x, float y) {
    if (GlobalRecord *rec = jqqlev(1, 3, "xdraw")) qqdraw(*rec, x, pageY(*rec, y));
}
