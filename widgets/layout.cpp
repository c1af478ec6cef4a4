// Where widgets go: new entries, the layout of VERT, HORI and FORM parents,
// containers (wgbas), and the controls made for entries.
#include <algorithm>
#include <new>

#include "kavlor.h"
#include "kernel/page_sums.h"
#include "widgets/widget_routines.h"

namespace {

void ownBrush(WidgetEntry &e, COLORREF colour) {
    if (e.brush != 0) DeleteObject(e.brush);
    e.background = colour;
    e.brush = CreateSolidBrush(colour);
    e.colourFlags |= 1;
}

// The latest earlier sibling of the parent p below index from; -1 for none.
int latestSibling(WidgetContext &c, int p, int from) {
    for (int j = from; j >= 1; --j)
        if (c.entry(j).parent == p) return j;
    return -1;
}

bool isParentKind(WidgetKind k) {
    return k == WidgetKind::Main || k == WidgetKind::Container;
}

} // namespace

int qqdstruc(WidgetContext &c, WidgetKind kind, int parent) {
    const int i = c.count;
    WidgetEntry &e = c.entry(i);
    e = WidgetEntry{};
    e.kind = kind;
    e.level = std::uint8_t(c.depth);
    e.parent = parent;
    if (c.colourGiven[0] != 0) ownBrush(e, c.colours[0]);
    if (c.colourGiven[1] != 0) {
        e.foreground = c.colours[1];
        e.colourFlags |= 2;
    }
    if (c.colourGiven[2] != 0 &&
        (kind == WidgetKind::HorizontalScale || kind == WidgetKind::VerticalScale))
        ownBrush(e, c.colours[2]);
    if (c.colourGiven[3] != 0 && kind == WidgetKind::LabelledText) ownBrush(e, c.colours[3]);
    return i;
}

void qqdgpos(WidgetContext &c, int p, int &x, int &y, int &w, int &h) {
    WidgetEntry &parent = c.entry(p);
    WidgetGeometry &P = *parent.geometry;
    const int left = c.margins[0], top = c.margins[1], right = c.margins[2], bottom = c.margins[3];
    const int sv = c.verticalSpacing, sh = c.horizontalSpacing;
    if (parent.layout == kForm) {
        x = c.position[0];
        y = c.position[1];
        if (parent.kind == WidgetKind::Container) {
            x += P.x;
            y += P.y;
        }
        w = c.size[0];
        h = c.size[1];
    } else {
        const int sibling = latestSibling(c, p, c.count - 2);
        if (sibling >= 0 && isParentKind(c.entry(sibling).kind)) {
            const WidgetGeometry &s = *c.entry(sibling).geometry;
            if (parent.layout == kVert)
                P.cursorY = pageSum(P.cursorY, s.height);
            else
                P.cursorX = pageSum(P.cursorX, s.width);
        }
        x = P.cursorX;
        y = P.cursorY;
        if (parent.layout == kVert) {
            P.cursorY = pageSum(P.cursorY, sv + h, top + bottom);
            w = P.width;
        } else {
            w = defaultWidthPixels(c);
            P.cursorX = pageSum(P.cursorX, sh + w, left + right);
            // A row in a column: the column goes on below the row's tallest widget.
            if (parent.kind == WidgetKind::Container && c.entry(parent.parent).layout == kVert) {
                WidgetGeometry &G = *c.entry(parent.parent).geometry;
                G.cursorY = std::max(G.cursorY, pageSum(y, h + sv, top + bottom));
            }
        }
    }
    x = pageSum(x, left);
    y = pageSum(y, top);
    c.extent[0] = std::max(c.extent[0], pageSum(x, w, right));
    c.extent[1] = std::max(c.extent[1], pageSum(y, h, bottom));
    if (parent.formFlag == 0) {
        if (parent.layout == kVert) {
            P.height = pageSum(P.height, sv, h);
        } else if (parent.layout == kHori) {
            P.width = pageSum(P.width, sh, w);
        } else {
            P.height = std::max(P.height, c.position[1] + c.size[1] + sv);
            P.width = std::max(P.width, c.position[0] + c.size[0] + sh);
        }
    }
}

HWND qqdcontrol(WidgetContext &c, int i, const char *className, const char *text, DWORD style,
                int x, int y, int w, int h) {
    const HWND window = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w,
                                        h, c.mainWindow, HMENU(i), 0, nullptr);
    c.entry(i).window = window;
    if (c.fontMode == 1 && c.currentFont != 0) SendMessageA(window, WM_SETFONT, c.currentFont, 1);
    return window;
}

void qqdsubclass(WidgetContext &c, int i, bool focus) {
    WidgetEntry &e = c.entry(i);
    e.replaced = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(e.window, GWLP_WNDPROC, reinterpret_cast<std::intptr_t>(MyEditProc)));
    if (focus && c.focusIndex == 0) {
        SetFocus(e.window);
        c.focusIndex = i;
    }
}

int oneAndHalf(const WidgetContext &c) {
    return 3 * c.charHeight / 2;
}

int wgbas(int ip, const char *layout) {
    WidgetContext *c = qqdglb("wgbas");
    if (c == nullptr || !qqdcip(*c, ip)) return -1;
    const int k = jwgind("VERT+HORI+FORM", 3, layout, "wgbas");
    if (k == 0) return -1;
    std::unique_ptr<WidgetGeometry> geometry(new (std::nothrow) WidgetGeometry);
    if (!geometry) {
        qqderr(*c, "Not enough memory");
        return -1;
    }
    const int p = ip - 1;
    const int i = c->count;
    WidgetEntry &e = c->entry(i);
    e = WidgetEntry{};
    e.kind = WidgetKind::Container;
    e.level = std::uint8_t(c->depth);
    e.parent = p;
    e.layout = k == 1 ? kVert : k == 2 ? kHori : kForm;
    WidgetEntry &parent = c->entry(p);
    WidgetGeometry &P = *parent.geometry;
    WidgetGeometry &g = *geometry;
    if (parent.layout == kForm) {
        g.x = c->position[0];
        g.y = c->position[1];
        if (parent.kind == WidgetKind::Container) {
            g.x += P.x;
            g.y += P.y;
        }
        g.width = c->size[0];
        g.height = c->size[1];
        e.formFlag = 1;
    } else {
        const int sibling = latestSibling(*c, p, c->count - 1);
        if (sibling >= 0 && isParentKind(c->entry(sibling).kind)) {
            const WidgetGeometry &s = *c->entry(sibling).geometry;
            if (parent.layout == kVert)
                P.cursorY += c->verticalSpacing + s.height;
            else
                P.cursorX += c->horizontalSpacing + s.width;
        }
        g.x = P.cursorX;
        g.y = P.cursorY;
        g.width = defaultWidthPixels(*c);
    }
    g.cursorX = g.x;
    g.cursorY = g.y;
    e.geometry = std::move(geometry);
    return ++c->count;
}
