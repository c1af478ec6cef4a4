// The floating horizon dhline: for every page column the lowest and the highest
// point drawn so far; a line is visible only where it leaves that band.
//
// A draw walks the raster points of the segment (Bresenham). Each point is
// tested against its column as it stands; the column is then raised with the
// point's y before a step that leaves the column, so the end point of a
// segment is tested but not entered. Visible runs go out through qqbldr, so
// shields still apply.
#include "kernel/floating_horizon.h"

#include <cstdlib>
#include <limits>
#include <new>

#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/shields.h"
#include "kernel/warnings.h"

namespace {

// The empty column: below every point (nhormax) and above every point (nhormin).
constexpr int kNoneBelow = -1;
constexpr int kNoneAbove = std::numeric_limits<int>::max();

enum Side { kTop = 1, kBottom = 2 };

bool startHorizon(GlobalRecord &rec) {
    HorizonState &h = rec.horizon;
    const int columns = rec.page.nxpage + 1;
    if (h.ihoralc == 0 || h.ncolumns < columns) {
        h.block.reset(new (std::nothrow) int[2 * std::size_t(columns)]);
        h.ncolumns = h.block ? columns : 0;
        h.ihoralc = h.block ? 1 : 0;
        if (!h.block) {
            h.nhormax = h.nhormin = nullptr;
            warnin(Warning::noMemory);
            return false;
        }
        h.nhormax = h.block.get();
        h.nhormin = h.block.get() + columns;
    }
    for (int i = 0; i < h.ncolumns; ++i) {
        h.nhormax[i] = kNoneBelow;
        h.nhormin[i] = kNoneAbove;
    }
    return true;
}

void endHorizon(HorizonState &h) {
    h.block.reset();
    h.nhormax = h.nhormin = nullptr;
    h.ncolumns = 0;
    h.ihoralc = 0;
}

// Columns outside the page are neither tested nor entered.
bool onPage(const GlobalRecord &rec, int x) {
    return x >= 0 && x <= rec.page.nxpage && x < rec.horizon.ncolumns;
}

// Sets the colour of a side of the surface when the walk reaches it.
void reachSide(GlobalRecord &rec, Side side) {
    HorizonState &h = rec.horizon;
    if (h.isurclr != 1 || h.isurside == side) return;
    const int colour = h.nsurclr[side == kTop ? 0 : 1];
    qqsclr(rec, colour == -1 ? h.nsurcur : colour);
    h.isurside = side;
}

// Whether the point lies outside the band of its column (colours follow).
bool visible(GlobalRecord &rec, int x, int y) {
    HorizonState &h = rec.horizon;
    if (h.ihormod == 2 || !onPage(rec, x)) return false;
    bool seen = false;
    if (y > h.nhormax[x] && h.isurvis != kTop) {
        seen = true;
        reachSide(rec, kBottom);
    }
    if (y < h.nhormin[x] && h.isurvis != kBottom) {
        seen = true;
        reachSide(rec, kTop);
    }
    return seen;
}

void enter(GlobalRecord &rec, int x, int y) {
    HorizonState &h = rec.horizon;
    if (h.ihormod == 0 || !onPage(rec, x)) return;
    if (y > h.nhormax[x]) h.nhormax[x] = y;
    if (y < h.nhormin[x]) h.nhormin[x] = y;
}

void drawTo(GlobalRecord &rec, int xEnd, int yEnd) {
    HorizonState &h = rec.horizon;
    int x = h.nhorpos[0], y = h.nhorpos[1];
    const int dx = xEnd - x, dy = yEnd - y;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool yMajor = std::abs(dy) > std::abs(dx);
    const int major = yMajor ? std::abs(dy) : std::abs(dx);
    const int minor = yMajor ? std::abs(dx) : std::abs(dy);
    int error = 2 * minor - major;
    bool state = visible(rec, x, y);
    for (int step = 0; step < major; ++step) {
        const bool minorStep = error >= 0;
        // The column is entered before the walk leaves it.
        if (!yMajor || minorStep) enter(rec, x, y);
        const int px = x, py = y;
        if (yMajor) {
            y += sy;
            if (minorStep) x += sx;
        } else {
            x += sx;
            if (minorStep) y += sy;
        }
        error += minorStep ? 2 * minor - 2 * major : 2 * minor;
        const bool now = visible(rec, x, y);
        if (state && !now) qqbldr(rec, float(px), float(py), kPenDraw);
        if (!state && now) qqbldr(rec, float(x), float(y), kPenMove);
        state = now;
    }
    qqbldr(rec, float(x), float(y), state ? kPenDraw : kPenMove);
    h.nhorpos[0] = xEnd;
    h.nhorpos[1] = yEnd;
}

} // namespace

void dhline(GlobalRecord &rec, float x, float y, int mode) {
    HorizonState &h = rec.horizon;
    switch (mode) {
    case kHorizonStart: startHorizon(rec); break;
    case kHorizonEnd: endHorizon(h); break;
    case kHorizonMove:
        h.nhorpos[0] = roundAddHalf(x);
        h.nhorpos[1] = roundAddHalf(y);
        // A shielded draw of the horizon starts where the pen is.
        rec.shield.xshllst[0] = x;
        rec.shield.xshllst[1] = y;
        break;
    case kHorizonDraw:
        if (h.ihoralc == 1) drawTo(rec, roundAddHalf(x), roundAddHalf(y));
        break;
    default: break;
    }
}
