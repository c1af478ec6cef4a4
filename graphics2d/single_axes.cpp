// Single axes anywhere on the page, outside any axis system: horizontal X
// axes, vertical Y axes and colour bars with their axis, each linear or
// logarithmic (a and e are then exponents).
#include <algorithm>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

enum class AxisKind { x = 1, y = 2, z = 3 };

// Returns the record when the axis may be drawn from (nx, ny), with ny
// turned into the internal top-down system. A length and a position past the
// largest page are held there: the axis ends off the page as it would, and
// the sums of its parts (far end, ticks, labels, name) stay within an int.
GlobalRecord *checkedAxis(const char *name, float a, float e, float orig, float step, int &nl,
                          int &nx, int &ny) {
    GlobalRecord *rec = jqqlev(1, 3, name);
    if (rec == nullptr) return nullptr;
    ny = jqqyvl(*rec, ny);
    if (erraxs(*rec, a, e, orig, step, nl, nx, ny) != 0) return nullptr;
    nl = std::min(nl, kMaxPageUnits);
    nx = heldOnPage(nx);
    ny = heldOnPage(ny);
    return rec;
}

void singleAxis(const char *name, AxisKind kind, int logarithmic, float a, float e, float orig,
                float step, int nl, const char *cname, int it, int nx, int ny) {
    GlobalRecord *rec = checkedAxis(name, a, e, orig, step, nl, nx, ny);
    if (rec == nullptr) return;
    daxis(*rec, a, e, orig, step, nl, cname != nullptr ? cname : "", it, nx, ny, logarithmic,
          int(kind));
    qqstrk(*rec);
}

void colourBarAxis(const char *name, int logarithmic, float a, float e, float orig, float step,
                   int nl, const char *cname, int it, int id, int nx, int ny) {
    GlobalRecord *rec = checkedAxis(name, a, e, orig, step, nl, nx, ny);
    if (rec == nullptr) return;
    colbar(*rec, a, e, orig, step, nl, logarithmic, id, cname != nullptr ? cname : "", it, nx, ny);
    qqstrk(*rec);
}

} // namespace

extern "C" void xaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny) {
    singleAxis("xaxis", AxisKind::x, 0, a, e, orig, step, nl, cname, it, nx, ny);
}

extern "C" void xaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny) {
    singleAxis("xaxlg", AxisKind::x, 1, a, e, orig, step, nl, cname, it, nx, ny);
}

extern "C" void yaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny) {
    singleAxis("yaxis", AxisKind::y, 0, a, e, orig, step, nl, cname, it, nx, ny);
}

extern "C" void yaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int nx, int ny) {
    singleAxis("yaxlg", AxisKind::y, 1, a, e, orig, step, nl, cname, it, nx, ny);
}

extern "C" void zaxis(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int id, int nx, int ny) {
    colourBarAxis("zaxis", 0, a, e, orig, step, nl, cname, it, id, nx, ny);
}

extern "C" void zaxlg(float a, float e, float orig, float step, int nl, const char *cname, int it,
                      int id, int nx, int ny) {
    colourBarAxis("zaxlg", 1, a, e, orig, step, nl, cname, it, id, nx, ny);
}
