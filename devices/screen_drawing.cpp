// The screen's drawing primitives: everything goes into the memory DC of the
// current window and reaches the window on flush, on repaint and at the end.
// Lines follow the window system's rules: a polyline leaves out its last
// pixel, a rectangle its right column and bottom row.
#include <algorithm>
#include <new>

#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kernel/driver.h"
#include "kernel/record.h"

namespace {

// The current memory DC with its tables, or nothing to draw into.
struct Drawing {
    DriverRecord *driver = nullptr;
    WindowTable *table = nullptr;
    HDC dc = 0;
    explicit operator bool() const { return dc != 0; }
};

Drawing drawing(GlobalRecord &rec) {
    Drawing d;
    d.driver = rec.dev.pdriver.get();
    d.table = d.driver != nullptr ? d.driver->pwintab.get() : nullptr;
    if (d.table != nullptr) d.dc = d.table->hdccur;
    return d;
}

// A solid brush selected for one call, deleted after it.
class CallBrush {
  public:
    CallBrush(HDC dc, COLORREF colour) : dc_(dc), brush_(CreateSolidBrush(colour)) {
        old_ = SelectObject(dc_, brush_);
    }
    ~CallBrush() {
        SelectObject(dc_, old_);
        DeleteObject(brush_);
    }
    CallBrush(const CallBrush &) = delete;
    CallBrush &operator=(const CallBrush &) = delete;

  private:
    HDC dc_;
    HBRUSH brush_;
    HGDIOBJ old_;
};

void closedOutline(HDC dc, const POINT *p, int n) {
    POINT ring[9];
    std::copy(p, p + n, ring);
    ring[n] = p[0];
    Polyline(dc, ring, n + 1);
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    const POINT p[2] = {{x1, y1}, {x2, y2}};
    Polyline(dc, p, 2);
}

} // namespace

void qqwdrw(GlobalRecord &rec, int x, int y, int op) {
    Drawing d = drawing(rec);
    if (!d) return;
    WindowTable &t = *d.table;
    if (op == kPenDraw) {
        if (t.npoly > 0) {
            const POINT &last = t.polyline[t.npoly - 1];
            if (last.x != x || last.y != y) t.polyline[t.npoly++] = POINT{x, y};
            // Even a draw to the point of the move is drawn: a point alone
            // becomes a pixel when the buffer goes out.
            t.ipolydrawn = 0;
        }
        if (t.npoly < kScreenPolylinePoints) return;
    }
    if (t.npoly >= 2)
        Polyline(d.dc, t.polyline, t.npoly);
    else if (t.npoly == 1 && t.ipolydrawn == 0)
        SetPixel(d.dc, t.polyline[0].x, t.polyline[0].y, t.ncolref);
    if (op == kPenFlush) {
        if (t.npoly == 0) return;
        t.polyline[0] = t.polyline[t.npoly - 1];
    } else {
        t.polyline[0] = POINT{x, y};
    }
    t.npoly = 1;
    t.ipolydrawn = 1;
}

void qqwpix(GlobalRecord &rec, int x, int y) {
    Drawing d = drawing(rec);
    if (!d || x < 0 || y < 0 || x >= d.driver->nwidth || y >= d.driver->nheight) return;
    SetPixel(d.dc, x, y, d.table->ncolref);
}

void qqwclr(GlobalRecord &rec, int colour) {
    qqwdrw(rec, 0, 0, kPenFlush);
    Drawing d = drawing(rec);
    if (!d || d.table->iclrmodel == kNoColours) return;
    WindowTable &t = *d.table;
    t.ncolref = screenColour(*d.driver, t, colour);
    const HPEN pen = CreatePen(PS_SOLID, 1, t.ncolref);
    if (pen == 0) return;
    SelectObject(d.dc, pen);
    if (t.hpen != 0) DeleteObject(t.hpen);
    t.hpen = pen;
    SetTextColor(d.dc, t.ncolref);
}

void qqwers(GlobalRecord &rec) {
    qqwdrw(rec, 0, 0, kPenFlush);
    const DriverRecord *driver = rec.dev.pdriver.get();
    if (driver != nullptr) qqwfll(rec, 0, 0, driver->nwidth, driver->nheight, 0);
}

void qqwfll(GlobalRecord &rec, int x, int y, int width, int height, int colour) {
    Drawing d = drawing(rec);
    if (!d) return;
    const HBRUSH brush = CreateSolidBrush(screenColour(*d.driver, *d.table, colour));
    const RECT r{x, y, x + width, y + height};
    FillRect(d.dc, &r, brush);
    DeleteObject(brush);
}

void qqwpol(GlobalRecord &rec, int x, int y, int op) {
    Drawing d = drawing(rec);
    if (d.table == nullptr) return;
    WindowTable &t = *d.table;
    if (op == 1) {
        const int n = std::max(x, 0);
        t.ppolygon.reset(new (std::nothrow) POINT[std::size_t(n) + 1]);
        t.npolygon = 0;
        t.npolygonmax = t.ppolygon ? n : 0;
        return;
    }
    if (op == 9) {
        if (d && t.npolygon >= 2) {
            CallBrush brush(d.dc, t.ncolref);
            Polygon(d.dc, t.ppolygon.get(), t.npolygon);
        }
        t.ppolygon.reset();
        t.npolygon = t.npolygonmax = 0;
        return;
    }
    // Points beyond the announced count are dropped, never written past the list.
    if (t.ppolygon && t.npolygon < t.npolygonmax) t.ppolygon[t.npolygon++] = POINT{x, y};
}

void qqwsym(GlobalRecord &rec, int n, int x, int y, int size) {
    Drawing d = drawing(rec);
    if (!d || n < 0 || n > 23) return;
    WindowTable &t = *d.table;
    const HDC dc = d.dc;
    const int r = size / 2;
    if (r == 0) {
        SetPixel(dc, x, y, t.ncolref);
        return;
    }
    const auto is = [n](std::initializer_list<int> list) {
        return std::find(list.begin(), list.end(), n) != list.end();
    };
    const bool filled = n > 15 && n != 22;
    if (is({3, 8, 9, 10, 12})) {
        line(dc, x - r, y, x + r, y);
        line(dc, x, y - r, x, y + r);
    }
    if (is({4, 7, 8, 13})) {
        line(dc, x - r, y - r, x + r, y + r);
        line(dc, x - r, y + r, x + r, y - r);
    }
    const auto shape = [&](const POINT *p, int count) {
        closedOutline(dc, p, count);
        if (filled) {
            CallBrush brush(dc, t.ncolref);
            Polygon(dc, p, count);
        }
    };
    if (is({0, 7, 12, 14, 16})) {
        const POINT p[4] = {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}};
        shape(p, 4);
    }
    if (is({1, 10, 13, 17})) {
        const int h = r / 2;
        const POINT p[8] = {{x - h, y - r}, {x + h, y - r}, {x + r, y - h}, {x + r, y + h},
                            {x + h, y + r}, {x - h, y + r}, {x - r, y + h}, {x - r, y - h}};
        shape(p, 8);
    }
    if (is({2, 11, 14, 18})) {
        const POINT p[3] = {{x, y - r}, {x + r, y + r}, {x - r, y + r}};
        shape(p, 3);
    }
    if (is({6, 11, 20})) {
        const POINT p[3] = {{x, y + r}, {x - r, y - r}, {x + r, y - r}};
        shape(p, 3);
    }
    if (is({5, 9, 19})) {
        const POINT p[4] = {{x, y - r}, {x + r, y}, {x, y + r}, {x - r, y}};
        shape(p, 4);
    }
    if (n == 15) Arc(dc, x - r, y - r, x + r, y + r, x + r, y, x + r, y);
    if (n == 22) {
        Arc(dc, x - r, y - r, x + r, y + r, x + r, y, x - r, y);
        line(dc, x - r, y, x + r, y);
    }
    if (n == 21) {
        CallBrush brush(dc, t.ncolref);
        Ellipse(dc, x - r, y - r, x + r, y + r);
    }
    if (n == 23) {
        CallBrush brush(dc, t.ncolref);
        Chord(dc, x - r, y - r, x + r, y + r, x + r, y, x - r, y);
    }
}

void qqwftr(GlobalRecord &rec, const int x[3], const int y[3], const int colours[]) {
    Drawing d = drawing(rec);
    if (!d) return;
    const POINT p[3] = {{x[0], y[0]}, {x[1], y[1]}, {x[2], y[2]}};
    CallBrush brush(d.dc, screenColour(*d.driver, *d.table, colours[0]));
    Polygon(d.dc, p, 3);
}
