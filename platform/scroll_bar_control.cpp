// The "scrollbar" class and the scroll calls on it: arrows, trough and a
// thumb that can be dragged. Requests go to the parent; the parent moves the
// thumb with SetScrollPos.
#include <unordered_map>

#include "platform/control_kit.h"

namespace controls {

namespace {

struct ScrollState {
    int minimum = 0, maximum = 100, position = 0;
    bool dragging = false;
    int grip = 0; // where the thumb was taken, from its start
    int dragPosition = 0;
};

std::unordered_map<HWND, ScrollState> &scrollBars() {
    thread_local std::unordered_map<HWND, ScrollState> state;
    return state;
}

ScrollState *scrollBarOf(HWND window, int bar) {
    if (bar != SB_CTL) return nullptr;
    const WindowObject *w = findWindow(window);
    if (w == nullptr || w->className != "scrollbar") return nullptr;
    return &scrollBars()[window];
}

bool vertical(HWND window) {
    return (styleOf(window) & SBS_VERT) != 0;
}

BarGeometry geometry(HWND window, const ScrollState &s) {
    RECT c;
    GetClientRect(window, &c);
    return barGeometry(c, vertical(window), s.minimum, s.maximum,
                       s.dragging ? s.dragPosition : s.position);
}

void request(HWND window, WORD code, int position) {
    SendMessageA(GetParent(window), vertical(window) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, position), window);
}

} // namespace

LRESULT scrollBarProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commonMessage(window, message, wParam, lParam, result)) return result;
    ScrollState &s = scrollBars()[window];
    const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
    switch (message) {
    case WM_PAINT: {
        const Painter p(window, WM_CTLCOLORSCROLLBAR, COLOR_BTNFACE);
        paintBar(p, geometry(window, s));
        return 0;
    }
    case WM_LBUTTONDOWN: {
        if (!IsWindowEnabled(window)) return 0;
        const BarGeometry b = geometry(window, s);
        const int part = barPart(b, x, y);
        if (part == SB_THUMBTRACK) {
            s.dragging = true;
            s.dragPosition = s.position;
            s.grip = (b.vertical ? y - b.area.top : x - b.area.left) - b.thumbStart;
        } else if (part >= 0) {
            request(window, WORD(part), 0);
            request(window, SB_ENDSCROLL, 0);
        }
        return 0;
    }
    case WM_MOUSEMOVE: {
        if (!s.dragging) return 0;
        const BarGeometry b = geometry(window, s);
        const int to = barPosition(b, (b.vertical ? y - b.area.top : x - b.area.left) - s.grip);
        if (to != s.dragPosition) {
            s.dragPosition = to;
            InvalidateRect(window, nullptr, 1);
            request(window, SB_THUMBTRACK, to);
        }
        return 0;
    }
    case WM_LBUTTONUP:
        if (!s.dragging) return 0;
        s.dragging = false;
        request(window, SB_THUMBPOSITION, s.dragPosition);
        request(window, SB_ENDSCROLL, 0);
        InvalidateRect(window, nullptr, 1);
        return 0;
    case WM_DESTROY: scrollBars().erase(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace controls

using namespace controls;

int SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw) {
    ScrollState *s = scrollBarOf(window, bar);
    if (s == nullptr) return 0;
    s->minimum = minimum;
    s->maximum = std::max(minimum, maximum);
    s->position = std::clamp(s->position, s->minimum, s->maximum);
    if (redraw) InvalidateRect(window, nullptr, 1);
    return 1;
}

int SetScrollPos(HWND window, int bar, int position, BOOL redraw) {
    ScrollState *s = scrollBarOf(window, bar);
    if (s == nullptr) return 0;
    const int old = s->position;
    s->position = std::clamp(position, s->minimum, s->maximum);
    if (redraw) InvalidateRect(window, nullptr, 1);
    return old;
}

int GetScrollPos(HWND window, int bar) {
    const ScrollState *s = scrollBarOf(window, bar);
    return s != nullptr ? s->position : 0;
}

BOOL GetScrollRange(HWND window, int bar, int *minimum, int *maximum) {
    const ScrollState *s = scrollBarOf(window, bar);
    if (s == nullptr || minimum == nullptr || maximum == nullptr) return 0;
    *minimum = s->minimum;
    *maximum = s->maximum;
    return 1;
}
