// The floating horizon dhline: for every page column the lowest and the highest
// point drawn so far; a line is visible only where it leaves that band.
//
// A draw walks the raster points of the segment (Bresenham). Each point is
// tested against its column as it stands; the column is then raised with the
// point's y before a step that leaves the column, so the end point of a
// segment is tested but not entered. Visible runs go out through qqbldr, so
// shields still apply.
#include "kernel/floating_horizon.h"

#include <algorithm>
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

// Sets the colour of a side of the surface when the walk reaches it.
void reachSide(GlobalRecord &rec, Side side) {
    HorizonState &h = rec.horizon;
    if (h.isurclr != 1 || h.isurside == side) return;
    const int colour = h.nsurclr[side == kTop ? 0 : 1];
    qqsclr(rec, colour == -1 ? h.nsurcur : colour);
    h.isurside = side;
}

// What the walk reads at every raster point, copied out of the record: the
// walk writes the columns as it goes, and with the copies the compiler need
// not read the record again after every write. Columns outside the page are
// neither tested nor entered.
struct Walk {
    int *highest = nullptr; // nhormax
    int *lowest = nullptr;  // nhormin
    unsigned lastColumn = 0;
    bool tests = false;       // the walk tests points (not in update-only mode)
    bool enters = false;      // and raises the columns (not in test-only mode)
    bool showsBottom = false; // a point below its column's band can be seen
    bool showsTop = false;    // a point above it
    bool sideColours = false;

    explicit Walk(const GlobalRecord &rec) {
        const HorizonState &h = rec.horizon;
        const int last = std::min(rec.page.nxpage, h.ncolumns - 1);
        if (last < 0 || h.nhormax == nullptr) return;
        highest = h.nhormax;
        lowest = h.nhormin;
        lastColumn = unsigned(last);
        tests = h.ihormod != 2;
        enters = h.ihormod != 0;
        showsBottom = h.isurvis != kTop;
        showsTop = h.isurvis != kBottom;
        sideColours = h.isurclr == 1;
    }
    bool onPage(int x) const { return unsigned(x) <= lastColumn; }
};

// Whether the point lies outside the band of its column (colours follow).
// Plain: the point's column is on the page, the walk tests points, both sides
// can be seen and no side colours are given, so only the band is left to look
// at.
template <bool Plain> bool visible(GlobalRecord &rec, const Walk &w, int x, int y) {
    if (!Plain && (!w.tests || !w.onPage(x))) return false;
    const bool below = (Plain || w.showsBottom) && y > w.highest[x];
    const bool above = (Plain || w.showsTop) && y < w.lowest[x];
    if (!Plain && w.sideColours) {
        if (below) reachSide(rec, kBottom);
        if (above) reachSide(rec, kTop);
    }
    return below || above;
}

// Plain: the column is on the page and the walk raises the columns.
template <bool Plain> void enter(const Walk &w, int x, int y) {
    if (!Plain && (!w.enters || !w.onPage(x))) return;
    if (y > w.highest[x]) w.highest[x] = y;
    if (y < w.lowest[x]) w.lowest[x] = y;
}

// The Bresenham walk along the major axis (y when YMajor). The x-major walk
// leaves its column at every step; the y-major walk only with a step along x.
// Plain as for visible and enter, for every point of the walk.
template <bool YMajor, bool Plain>
void walk(GlobalRecord &rec, int x, int y, int sx, int sy, int major, int minor) {
    Walk w(rec);
    int error = 2 * minor - major;
    bool state = visible<Plain>(rec, w, x, y);
    for (int step = 0; step < major; ++step) {
        const bool minorStep = error >= 0;
        // The column is entered before the walk leaves it. In a plain walk a
        // hidden point lies within its column's band, which only widens, so
        // entering it would change nothing: only visible points are entered.
        if ((!YMajor || minorStep) && (!Plain || state)) enter<Plain>(w, x, y);
        const int px = x, py = y;
        if (YMajor) {
            y += sy;
            if (minorStep) x += sx;
        } else {
            x += sx;
            if (minorStep) y += sy;
        }
        error += minorStep ? 2 * minor - 2 * major : 2 * minor;
        const bool now = visible<Plain>(rec, w, x, y);
        if (now != state) {
            if (state)
                qqbldr(rec, float(px), float(py), kPenDraw);
            else
                qqbldr(rec, float(x), float(y), kPenMove);
            w = Walk(rec); // the pen went out: read again what it may have changed
        }
        state = now;
    }
    qqbldr(rec, float(x), float(y), state ? kPenDraw : kPenMove);
}

template <bool YMajor>
void walk(GlobalRecord &rec, int x, int y, int sx, int sy, int major, int minor, int xEnd) {
    const Walk w(rec);
    // Most segments lie on the page in a horizon that tests and raises its
    // columns, shows both sides and has no side colours: their walk skips
    // those questions.
    const bool plain = w.tests && w.enters && w.showsBottom && w.showsTop && !w.sideColours &&
                       w.onPage(x) && w.onPage(xEnd);
    if (plain)
        walk<YMajor, true>(rec, x, y, sx, sy, major, minor);
    else
        walk<YMajor, false>(rec, x, y, sx, sy, major, minor);
}

void drawTo(GlobalRecord &rec, int xEnd, int yEnd) {
    HorizonState &h = rec.horizon;
    const int x = h.nhorpos[0], y = h.nhorpos[1];
    const int dx = xEnd - x, dy = yEnd - y;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    if (std::abs(dy) > std::abs(dx))
        walk<true>(rec, x, y, sx, sy, std::abs(dy), std::abs(dx), xEnd);
    else
        walk<false>(rec, x, y, sx, sy, std::abs(dx), std::abs(dy), xEnd);
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
