// The "listbox" class: items one per line, a selected one, and scroll bars
// of its own along the right and the bottom edge.
#include <unordered_map>
#include <vector>

#include "platform/control_kit.h"

namespace controls {

namespace {

struct ListState {
    std::vector<std::string> items;
    int selected = -1;
    int top = 0;    // the first line shown
    int extent = 0; // the horizontal extent in pixels
    int left = 0;   // pixels scrolled sideways
};

std::unordered_map<HWND, ListState> &lists() {
    thread_local std::unordered_map<HWND, ListState> state;
    return state;
}

struct Layout {
    RECT lines; // where the items are drawn
    int lineHeight = 1;
    int visible = 1; // whole lines that fit
    bool vertical = false, horizontal = false;
    RECT verticalBar{0, 0, 0, 0}, horizontalBar{0, 0, 0, 0};
};

Layout layoutOf(HWND window) {
    Layout l;
    RECT c;
    GetClientRect(window, &c);
    const DWORD style = styleOf(window);
    const int border = (style & WS_BORDER) != 0 ? 1 : 0;
    l.vertical = (style & WS_VSCROLL) != 0;
    l.horizontal = (style & WS_HSCROLL) != 0;
    l.lines = RECT{c.left + border, c.top + border, c.right - border, c.bottom - border};
    if (l.vertical) {
        l.verticalBar = RECT{l.lines.right - kBarThickness, l.lines.top, l.lines.right,
                             l.lines.bottom - (l.horizontal ? kBarThickness : 0)};
        l.lines.right -= kBarThickness;
    }
    if (l.horizontal) {
        l.horizontalBar =
            RECT{l.lines.left, l.lines.bottom - kBarThickness, l.lines.right, l.lines.bottom};
        l.lines.bottom -= kBarThickness;
    }
    l.lineHeight = std::max(1, int(metricsOf(fontOf(window)).tmHeight));
    l.visible = std::max(1, int(l.lines.bottom - l.lines.top) / l.lineHeight);
    return l;
}

int lastTop(const ListState &s, const Layout &l) {
    return std::max(0, int(s.items.size()) - l.visible);
}
int maxLeft(const ListState &s, const Layout &l) {
    return std::max(0, s.extent - int(l.lines.right - l.lines.left));
}

void scrollTo(HWND window, ListState &s, int top) {
    s.top = std::clamp(top, 0, lastTop(s, layoutOf(window)));
    InvalidateRect(window, nullptr, 1);
}

// Brings the selection into view.
void reveal(HWND window, ListState &s) {
    const Layout l = layoutOf(window);
    if (s.selected < 0) return;
    if (s.selected < s.top) scrollTo(window, s, s.selected);
    if (s.selected >= s.top + l.visible) scrollTo(window, s, s.selected - l.visible + 1);
}

void select(HWND window, ListState &s, int index, bool notify) {
    if ((styleOf(window) & LBS_NOSEL) != 0) return;
    index = std::clamp(index, 0, int(s.items.size()) - 1);
    if (index == s.selected) return;
    s.selected = index;
    reveal(window, s);
    InvalidateRect(window, nullptr, 1);
    if (notify && (styleOf(window) & LBS_NOTIFY) != 0) notifyParent(window, LBN_SELCHANGE);
}

void scrollBy(HWND window, ListState &s, const Layout &l, bool vertical, int part) {
    const int line = vertical ? 1 : l.lineHeight;
    const int page = vertical ? l.visible : int(l.lines.right - l.lines.left);
    const int step = part == SB_LINEUP     ? -line
                     : part == SB_LINEDOWN ? line
                     : part == SB_PAGEUP   ? -page
                                           : page;
    if (vertical)
        scrollTo(window, s, s.top + step);
    else
        s.left = std::clamp(s.left + step, 0, maxLeft(s, l));
    InvalidateRect(window, nullptr, 1);
}

void paint(HWND window, ListState &s) {
    const Painter p(window, WM_CTLCOLORLISTBOX, COLOR_WINDOW);
    const Layout l = layoutOf(window);
    p.fill(p.client(), p.background());
    if ((styleOf(window) & WS_BORDER) != 0) p.frame(p.client(), GetSysColor(COLOR_BTNSHADOW));
    for (int i = s.top; i < int(s.items.size()) && i < s.top + l.visible + 1; ++i) {
        const int y = l.lines.top + (i - s.top) * l.lineHeight;
        if (y >= l.lines.bottom) break;
        const int x = l.lines.left + 2 - s.left;
        if (i == s.selected) {
            p.fill(RECT{l.lines.left, y, l.lines.right,
                        std::min<LONG>(y + l.lineHeight, l.lines.bottom)},
                   GetSysColor(COLOR_HIGHLIGHT));
            p.text(x, y, s.items[std::size_t(i)], GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            p.text(x, y, s.items[std::size_t(i)]);
        }
    }
    // Text that runs under the bars is covered again.
    if (l.vertical) paintBar(p, barGeometry(l.verticalBar, true, 0, lastTop(s, l), s.top));
    if (l.horizontal) paintBar(p, barGeometry(l.horizontalBar, false, 0, maxLeft(s, l), s.left));
    if (l.vertical && l.horizontal)
        p.fill(RECT{l.verticalBar.left, l.horizontalBar.top, l.verticalBar.right,
                    l.horizontalBar.bottom},
               GetSysColor(COLOR_BTNFACE));
}

void click(HWND window, ListState &s, int x, int y) {
    const Layout l = layoutOf(window);
    if (l.vertical) {
        const int part = barPart(barGeometry(l.verticalBar, true, 0, lastTop(s, l), s.top), x, y);
        if (part >= 0) {
            if (part != SB_THUMBTRACK) scrollBy(window, s, l, true, part);
            return;
        }
    }
    if (l.horizontal) {
        const int part =
            barPart(barGeometry(l.horizontalBar, false, 0, maxLeft(s, l), s.left), x, y);
        if (part >= 0) {
            if (part != SB_THUMBTRACK) scrollBy(window, s, l, false, part);
            return;
        }
    }
    if (y < l.lines.top || y >= l.lines.bottom || x < l.lines.left || x >= l.lines.right) return;
    const int index = s.top + (y - l.lines.top) / l.lineHeight;
    if (index < int(s.items.size())) select(window, s, index, true);
}

LRESULT copyItem(const ListState &s, WPARAM index, LPARAM buffer) {
    if (index >= s.items.size()) return LB_ERR;
    const std::string &item = s.items[index];
    if (buffer != 0) {
        std::memcpy(reinterpret_cast<char *>(buffer), item.c_str(), item.size() + 1);
    }
    return LRESULT(item.size());
}

} // namespace

LRESULT listBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commonMessage(window, message, wParam, lParam, result)) return result;
    ListState &s = lists()[window];
    switch (message) {
    case WM_PAINT: paint(window, s); return 0;
    case WM_LBUTTONDOWN:
        if (!IsWindowEnabled(window)) return 0;
        SetFocus(window);
        click(window, s, short(LOWORD(lParam)), short(HIWORD(lParam)));
        return 0;
    case WM_KEYDOWN: {
        if (!IsWindowEnabled(window) || s.items.empty()) return 0;
        const int page = layoutOf(window).visible;
        const int at = std::max(s.selected, 0);
        switch (wParam) {
        case VK_UP: select(window, s, s.selected < 0 ? 0 : at - 1, true); break;
        case VK_DOWN: select(window, s, s.selected < 0 ? 0 : at + 1, true); break;
        case VK_PRIOR: select(window, s, at - page, true); break;
        case VK_NEXT: select(window, s, at + page, true); break;
        case VK_HOME: select(window, s, 0, true); break;
        case VK_END: select(window, s, int(s.items.size()) - 1, true); break;
        default: break;
        }
        return 0;
    }
    case LB_ADDSTRING:
        s.items.emplace_back(lParam != 0 ? reinterpret_cast<const char *>(lParam) : "");
        InvalidateRect(window, nullptr, 1);
        return LRESULT(s.items.size() - 1);
    case LB_DELETESTRING:
        if (wParam >= s.items.size()) return LB_ERR;
        s.items.erase(s.items.begin() + std::ptrdiff_t(wParam));
        if (s.selected == int(wParam))
            s.selected = -1;
        else if (s.selected > int(wParam))
            --s.selected;
        scrollTo(window, s, s.top);
        return LRESULT(s.items.size());
    case LB_RESETCONTENT:
        s.items.clear();
        s.selected = -1;
        s.top = 0;
        InvalidateRect(window, nullptr, 1);
        return 0;
    case LB_SETCURSEL:
        if (LPARAM(wParam) < 0 || wParam >= s.items.size()) {
            s.selected = -1;
            InvalidateRect(window, nullptr, 1);
            return LPARAM(wParam) < 0 ? 0 : LB_ERR;
        }
        s.selected = int(wParam);
        reveal(window, s);
        InvalidateRect(window, nullptr, 1);
        return s.selected;
    case LB_GETCURSEL: return s.selected;
    case LB_GETCOUNT: return LRESULT(s.items.size());
    case LB_GETTOPINDEX: return s.top;
    case LB_GETTEXT: return copyItem(s, wParam, lParam);
    case LB_GETTEXTLEN: return copyItem(s, wParam, 0);
    case LB_SETHORIZONTALEXTENT:
        s.extent = int(wParam);
        InvalidateRect(window, nullptr, 1);
        return 0;
    case WM_DESTROY: lists().erase(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace controls
