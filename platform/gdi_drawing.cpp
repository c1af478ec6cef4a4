// The drawing calls: MoveToEx, LineTo, Polyline, FillRect, Polygon, Ellipse,
// Arc, Chord, SetPixel, GetPixel, BitBlt. On a metafile context the calls that
// have records write them; on a memory or window context they draw with the
// raster core. A drawing into a window's image notes the changed rectangle.
#include <algorithm>
#include <cstring>
#include <numbers>
#include <optional>

#include "platform/ellipse_points.h"
#include "platform/gdi_table.h"
#include "platform/metafile_records.h"
#include "platform/window_painting.h"
#include "platform/windows.h"

using namespace gdi;

namespace {

constexpr int kMaxPolygonPoints = 32767; // the point count of a metafile's polygon is 16-bit

// A raster context under the lock, with what it draws on.
struct Canvas {
    Table &t;
    Context &c;
    Target target;

    bool usable() const { return target.surface.bits != nullptr; }
    int bytesPerPixel() const { return target.surface.bytesPerPixel; }

    // The pen's pixel; false for the null pen.
    bool pen(PixelValue &v) {
        const Pen *p = t.get<Pen>(c.pen);
        if (p == nullptr || p->style == PS_NULL) return false;
        v = t.pixelOf(c, bytesPerPixel(), p->colour);
        return true;
    }
    // The brush's pixel; false for a hollow brush.
    bool brush(HBRUSH handle, PixelValue &v) {
        const Brush *b = t.get<Brush>(handle);
        if (b == nullptr || b->hollow) return false;
        v = t.pixelOf(c, bytesPerPixel(), b->colour);
        return true;
    }
    // Notes that the pixels from (x1, y1) to (x2, y2), both included, may have changed.
    void changed(long long x1, long long y1, long long x2, long long y2) {
        if (target.image == nullptr) return;
        auto clampInt = [](long long v) { return LONG(std::clamp<long long>(v, -1, 1LL << 30)); };
        target.image->touch(RECT{clampInt(std::min(x1, x2)), clampInt(std::min(y1, y2)),
                                 clampInt(std::max(x1, x2) + 1), clampInt(std::max(y1, y2) + 1)});
    }
    void line(int x1, int y1, int x2, int y2, const PixelValue &v) {
        drawLine(target.surface, x1, y1, x2, y2, v, EndPoint::Exclude);
        changed(x1, y1, x2, y2);
    }
    // The outline through the points, closed or not.
    void outline(const POINT *p, int n, bool closed) {
        PixelValue v;
        if (!pen(v)) return;
        for (int i = 0; i + 1 < n; ++i)
            line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, v);
        if (closed && n > 1) line(p[n - 1].x, p[n - 1].y, p[0].x, p[0].y, v);
    }
    void fill(const POINT *p, int n) {
        PixelValue v;
        if (!brush(c.brush, v)) return;
        fillPolygon(target.surface, p, n, v, t.polygonScratch);
        for (int i = 0; i < n; ++i)
            changed(p[i].x, p[i].y, p[0].x, p[0].y);
    }
};

// The drawing table's lock, held while a call looks at a context.
class Held {
  public:
    Held() : t_(gdi::table()), hold_(t_.lock) {}
    Table &table() { return t_; }
    Context *context(HDC dc) { return t_.context(dc); }
    // A raster context that has pixels, or nothing.
    std::optional<Canvas> canvas(HDC dc) {
        Context *c = t_.context(dc);
        if (c == nullptr) return std::nullopt;
        Canvas canvas{t_, *c, t_.target(*c)};
        if (!canvas.usable()) return std::nullopt;
        return canvas;
    }

  private:
    Table &t_;
    std::lock_guard<std::mutex> hold_;
};

// Ellipse, Arc and Chord: the points of the arc into the table's room.
const std::vector<POINT> &arcPoints(Table &t, int left, int top, int right, int bottom, int xs,
                                    int ys, int xe, int ye, bool whole) {
    const EllipseShape e = ellipseInBox(left, top, right, bottom);
    double start = 0, sweep = 2 * std::numbers::pi;
    if (!whole) {
        start = rayAngle(e, xs, ys);
        sweep = rayAngle(e, xe, ye) - start;
        if (sweep <= 0) sweep += 2 * std::numbers::pi;
    }
    t.points.clear();
    appendArc(e, start, sweep, t.points);
    return t.points;
}

} // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT *previous) {
    Held held;
    Context *c = held.context(dc);
    if (c == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) recordMoveTo(*c, x, y);
    if (previous != nullptr) *previous = c->position;
    c->position = {x, y};
    return 1;
}

BOOL LineTo(HDC dc, int x, int y) {
    Held held;
    Context *c = held.context(dc);
    if (c == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) {
        recordLineTo(*c, x, y);
    } else if (auto canvas = held.canvas(dc)) {
        PixelValue v;
        if (canvas->pen(v)) canvas->line(c->position.x, c->position.y, x, y, v);
    }
    c->position = {x, y};
    return 1;
}

BOOL Polyline(HDC dc, const POINT *points, int count) {
    if (points == nullptr || count < 2) return 0;
    Held held;
    auto canvas = held.canvas(dc);
    if (!canvas) return 0;
    canvas->outline(points, count, false);
    return 1;
}

int FillRect(HDC dc, const RECT *rect, HBRUSH brush) {
    Held held;
    Context *c = held.context(dc);
    if (c == nullptr || rect == nullptr || held.table().get<Brush>(brush) == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) {
        recordFillRect(held.table(), *c, *rect, brush);
        return 1;
    }
    auto canvas = held.canvas(dc);
    if (!canvas) return 0;
    PixelValue v;
    if (rect->right > rect->left && rect->bottom > rect->top && canvas->brush(brush, v)) {
        fillRect(canvas->target.surface, rect->left, rect->top, rect->right - 1, rect->bottom - 1,
                 v);
        canvas->changed(rect->left, rect->top, rect->right - 1, rect->bottom - 1);
    }
    return 1;
}

BOOL Polygon(HDC dc, const POINT *points, int count) {
    if (points == nullptr || count < 2 || count > kMaxPolygonPoints) return 0;
    Held held;
    Context *c = held.context(dc);
    if (c == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) {
        recordPolygon(*c, points, count);
        return 1;
    }
    auto canvas = held.canvas(dc);
    if (!canvas) return 0;
    canvas->fill(points, count);
    canvas->outline(points, count, true);
    return 1;
}

namespace {

// Ellipse, Arc and Chord: the arc from the start ray to the end ray (all of the
// ellipse when the two are the same), outlined, or closed, filled and outlined.
BOOL drawArc(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye,
             bool closed) {
    Held held;
    auto canvas = held.canvas(dc);
    if (!canvas) return 0;
    const bool whole = xs == xe && ys == ye;
    const auto &p = arcPoints(held.table(), left, top, right, bottom, xs, ys, xe, ye, whole);
    if (closed) canvas->fill(p.data(), int(p.size()));
    canvas->outline(p.data(), int(p.size()), closed || whole);
    return 1;
}

} // namespace

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return drawArc(dc, left, top, right, bottom, 0, 0, 0, 0, true);
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd) {
    return drawArc(dc, left, top, right, bottom, xStart, yStart, xEnd, yEnd, false);
}

BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd) {
    return drawArc(dc, left, top, right, bottom, xStart, yStart, xEnd, yEnd, true);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    Held held;
    auto canvas = held.canvas(dc);
    if (!canvas || !insideSurface(canvas->target.surface, x, y)) return CLR_INVALID;
    const PixelValue v = held.table().pixelOf(canvas->c, canvas->bytesPerPixel(), colour);
    putPixel(canvas->target.surface, x, y, v);
    canvas->changed(x, y, x, y);
    return held.table().colourOf(v.bytes, canvas->bytesPerPixel());
}

COLORREF GetPixel(HDC dc, int x, int y) {
    Held held;
    auto canvas = held.canvas(dc);
    if (!canvas || !insideSurface(canvas->target.surface, x, y)) return CLR_INVALID;
    const PixelSurface &s = canvas->target.surface;
    return held.table().colourOf(s.bits + std::ptrdiff_t(y) * s.rowBytes +
                                     std::ptrdiff_t(x) * s.bytesPerPixel,
                                 s.bytesPerPixel);
}

namespace {

// One row of a copy between surfaces of any two depths.
void copyRow(const Table &t, std::uint8_t *to, int toBytes, const std::uint8_t *from, int fromBytes,
             int n) {
    if (toBytes == fromBytes) {
        std::memmove(to, from, std::size_t(n) * std::size_t(toBytes));
        return;
    }
    for (int i = 0; i < n; ++i, to += toBytes, from += fromBytes) {
        const COLORREF c = t.colourOf(from, fromBytes);
        if (toBytes == 1) {
            *to = t.nearestSystemIndex(c);
        } else {
            const PixelValue v = trueColourPixel(c, toBytes);
            std::copy(v.bytes, v.bytes + toBytes, to);
        }
    }
}

} // namespace

BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    if (rop != SRCCOPY) return 0;
    HWND shown = 0;
    {
        Held held;
        auto to = held.canvas(target);
        auto from = held.canvas(source);
        if (!to || !from) return 0;
        const PixelSurface &d = to->target.surface, &s = from->target.surface;
        // The part that lies inside both surfaces.
        long long x0 = std::max({0LL, -(long long)x, -(long long)sourceX});
        long long y0 = std::max({0LL, -(long long)y, -(long long)sourceY});
        long long x1 =
            std::min({(long long)width, (long long)d.width - x, (long long)s.width - sourceX});
        long long y1 =
            std::min({(long long)height, (long long)d.height - y, (long long)s.height - sourceY});
        if (x0 < x1 && y0 < y1) {
            const int n = int(x1 - x0);
            // Within one surface a copy downwards starts at the bottom row.
            const bool upward = s.bits == d.bits && y > sourceY;
            for (long long i = 0; i < y1 - y0; ++i) {
                const long long row = upward ? y1 - 1 - i : y0 + i;
                std::uint8_t *dp = d.bits + (y + row) * d.rowBytes + (x + x0) * d.bytesPerPixel;
                const std::uint8_t *sp =
                    s.bits + (sourceY + row) * s.rowBytes + (sourceX + x0) * s.bytesPerPixel;
                copyRow(held.table(), dp, d.bytesPerPixel, sp, s.bytesPerPixel, n);
            }
            to->changed(x + x0, y + y0, x + x1 - 1, y + y1 - 1);
        }
        shown = to->c.kind == ContextKind::Window ? to->c.window : 0;
    }
    // A copy into a window is what the user is to see now.
    if (shown != 0) showWindowImage(shown);
    return 1;
}
