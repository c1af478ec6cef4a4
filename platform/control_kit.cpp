// The controls' shared parts: classes, fonts, enabled windows, system
// colours, notifications and painting.
#include "platform/control_kit.h"

#include <X11/X.h>

#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/gdi_table.h"
#include "platform/thread_windows.h"

namespace controls {

namespace {

constexpr UINT WM_ENABLE = 0x000A;

// Per thread, as the windows are.
struct ControlWindows {
    std::unordered_map<HWND, HFONT> fonts;
    std::unordered_set<HWND> disabled;
};
ControlWindows &controlWindows() {
    thread_local ControlWindows state;
    return state;
}

struct SystemColour {
    int index;
    COLORREF colour;
};
constexpr SystemColour kSystemColours[] = {
    {COLOR_WINDOW, RGB(255, 255, 255)},   {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHT, RGB(0, 84, 166)},   {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_BTNFACE, RGB(212, 208, 200)},  {COLOR_BTNSHADOW, RGB(128, 128, 128)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)},
};

} // namespace

void registerControlClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct Class {
            const char *name;
            WNDPROC proc;
        };
        const Class classes[] = {
            {"static", staticProcedure},     {"button", buttonProcedure},
            {"edit", editProcedure},         {"listbox", listBoxProcedure},
            {"combobox", comboBoxProcedure}, {"scrollbar", scrollBarProcedure}};
        for (const Class &c : classes) {
            WNDCLASSA w{};
            w.lpfnWndProc = c.proc;
            w.hCursor = LoadCursorA(0, IDC_ARROW);
            w.lpszClassName = c.name;
            RegisterClassA(&w);
        }
    });
}

HFONT fontOf(HWND control) {
    auto &fonts = controlWindows().fonts;
    auto it = fonts.find(control);
    return it != fonts.end() && it->second != 0 ? it->second : GetStockObject(SYSTEM_FONT);
}

bool commonMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    ControlWindows &cw = controlWindows();
    result = 0;
    switch (message) {
    case WM_SETFONT:
        cw.fonts[control] = HFONT(wParam);
        if (lParam != 0) InvalidateRect(control, nullptr, 1);
        return true;
    case WM_GETFONT: {
        auto it = cw.fonts.find(control);
        result = it != cw.fonts.end() ? it->second : 0;
        return true;
    }
    case WM_ENABLE: InvalidateRect(control, nullptr, 1); return true;
    case WM_SETTEXT: InvalidateRect(control, nullptr, 1); return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(control, nullptr, 1); return false;
    case WM_DESTROY:
        cw.fonts.erase(control);
        cw.disabled.erase(control);
        return false;
    default: return false;
    }
}

void notifyParent(HWND control, WORD notification) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(controlId(control), notification),
                 control);
}

int controlId(HWND control) {
    return int(GetWindowLongPtrA(control, GWLP_ID));
}

bool hasFocus(HWND control) {
    return threadWindows().focus == control;
}

DWORD styleOf(HWND control) {
    const WindowObject *w = findWindow(control);
    return w != nullptr ? w->style : 0;
}

std::string textOf(HWND control) {
    const WindowObject *w = findWindow(control);
    return w != nullptr ? w->title : std::string();
}

TEXTMETRICA metricsOf(HFONT font) {
    TEXTMETRICA tm{};
    const HDC dc = CreateCompatibleDC(0);
    SelectObject(dc, font);
    GetTextMetricsA(dc, &tm);
    DeleteDC(dc);
    return tm;
}

int textWidth(HFONT font, std::string_view text) {
    SIZE s{0, 0};
    const HDC dc = CreateCompatibleDC(0);
    SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text.data(), int(text.size()), &s);
    DeleteDC(dc);
    return s.cx;
}

Painter::Painter(HWND control, UINT colourMessage, int background) : control_(control) {
    dc_ = BeginPaint(control, &paint_);
    GetClientRect(control, &client_);
    enabled_ = IsWindowEnabled(control) != 0;
    SelectObject(dc_, fontOf(control));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc_, GetSysColor(background));
    const HWND parent = GetParent(control);
    const HBRUSH answered =
        parent != 0 ? HBRUSH(SendMessageA(parent, colourMessage, WPARAM(dc_), control)) : 0;
    // A parent may have made the background mode opaque: text is drawn on
    // the background painted first.
    SetBkMode(dc_, TRANSPARENT);
    background_ = answered != 0 ? answered : GetSysColorBrush(background);
    if (!enabled_) SetTextColor(dc_, GetSysColor(COLOR_GRAYTEXT));
}

Painter::~Painter() {
    EndPaint(control_, &paint_);
}

void Painter::fill(const RECT &r, COLORREF colour) const {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void Painter::fill(const RECT &r, HBRUSH brush) const {
    FillRect(dc_, &r, brush);
}

void Painter::frame(const RECT &r, COLORREF colour) const {
    if (r.right <= r.left || r.bottom <= r.top) return;
    fill(RECT{r.left, r.top, r.right, r.top + 1}, colour);
    fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
    fill(RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
    fill(RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Painter::line(int x1, int y1, int x2, int y2, COLORREF colour) const {
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    const HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void Painter::ellipse(const RECT &r, COLORREF outline, COLORREF inside) const {
    const HPEN pen = CreatePen(PS_SOLID, 1, outline);
    const HBRUSH brush = CreateSolidBrush(inside);
    const HGDIOBJ oldPen = SelectObject(dc_, pen), oldBrush = SelectObject(dc_, brush);
    Ellipse(dc_, r.left, r.top, r.right, r.bottom);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Painter::text(int x, int y, std::string_view s) const {
    TextOutA(dc_, x, y, s.data(), int(s.size()));
}

void Painter::text(int x, int y, std::string_view s, COLORREF colour) const {
    const COLORREF old = SetTextColor(dc_, colour);
    text(x, y, s);
    SetTextColor(dc_, old);
}

void Painter::mnemonicText(int x, int y, std::string_view s) const {
    const HFONT font = fontOf(control_);
    std::string shown;
    int underlineFrom = -1, underlineTo = -1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != '&' && underlineFrom < 0) {
                underlineFrom = textWidth(font, shown);
                underlineTo = underlineFrom + textWidth(font, s.substr(i, 1));
            }
        }
        shown += s[i];
    }
    text(x, y, shown);
    if (underlineFrom >= 0) {
        const TEXTMETRICA tm = metricsOf(font);
        const HBRUSH ink = CreateSolidBrush(enabled_ ? GetSysColor(COLOR_WINDOWTEXT)
                                                     : GetSysColor(COLOR_GRAYTEXT));
        const RECT under{x + underlineFrom, y + tm.tmAscent + 1, x + underlineTo,
                         y + tm.tmAscent + 2};
        FillRect(dc_, &under, ink);
        DeleteObject(ink);
    }
}

void Painter::textIn(const RECT &r, std::string_view s, int align) const {
    const HFONT font = fontOf(control_);
    const int width = textWidth(font, s);
    const int height = metricsOf(font).tmHeight;
    const int x = align == 0   ? r.left
                  : align == 1 ? r.left + (r.right - r.left - width) / 2
                               : r.right - width;
    text(x, r.top + (r.bottom - r.top - height) / 2, s);
}

void Painter::focusFrame(const RECT &r) const {
    for (int x = r.left; x < r.right; x += 2) {
        SetPixel(dc_, x, r.top, GetSysColor(COLOR_WINDOWTEXT));
        SetPixel(dc_, x, r.bottom - 1, GetSysColor(COLOR_WINDOWTEXT));
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        SetPixel(dc_, r.left, y, GetSysColor(COLOR_WINDOWTEXT));
        SetPixel(dc_, r.right - 1, y, GetSysColor(COLOR_WINDOWTEXT));
    }
}

void Painter::bevel(const RECT &r, bool pressed) const {
    const COLORREF light = RGB(255, 255, 255), dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = pressed ? dark : light, bottomRight = pressed ? light : dark;
    fill(RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    fill(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fill(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

std::string withoutMnemonics(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) ++i;
        out += s[i];
    }
    return out;
}

char mnemonicOf(std::string_view s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&') continue;
        if (s[i + 1] == '&') {
            ++i;
            continue;
        }
        const char c = s[i + 1];
        return c >= 'a' && c <= 'z' ? char(c - 32) : c;
    }
    return 0;
}

void arrow(const Painter &p, const RECT &r, int direction, COLORREF colour) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const int size = std::max(2, std::min(r.right - r.left, r.bottom - r.top) / 4);
    for (int i = 0; i <= size; ++i) {
        switch (direction) {
        case 0:
            p.fill(RECT{cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1}, colour);
            break;
        case 1:
            p.fill(RECT{cx - i, cy + size / 2 - i, cx + i + 1, cy + size / 2 - i + 1}, colour);
            break;
        case 2:
            p.fill(RECT{cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1}, colour);
            break;
        default:
            p.fill(RECT{cx + size / 2 - i, cy - i, cx + size / 2 - i + 1, cy + i + 1}, colour);
            break;
        }
    }
}

} // namespace controls

using namespace controls;

BOOL EnableWindow(HWND window, BOOL enable) {
    if (!IsWindow(window)) return 0;
    auto &disabled = controlWindows().disabled;
    const BOOL wasDisabled = disabled.count(window) != 0 ? 1 : 0;
    if (enable)
        disabled.erase(window);
    else
        disabled.insert(window);
    if (wasDisabled == (enable ? 1 : 0)) SendMessageA(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
    return IsWindow(window) && controlWindows().disabled.count(window) == 0 ? 1 : 0;
}

BOOL SetWindowPos(HWND window, HWND after, int x, int y, int width, int height, UINT flags) {
    RECT r;
    if (!GetWindowRect(window, &r)) return 0;
    const WindowObject *w = findWindow(window);
    if (w != nullptr && w->parent != 0) {
        POINT corner{r.left, r.top};
        ScreenToClient(w->parent, &corner);
        r = RECT{corner.x, corner.y, corner.x + r.right - r.left, corner.y + r.bottom - r.top};
    }
    if ((flags & SWP_NOMOVE) != 0) {
        x = r.left;
        y = r.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    MoveWindow(window, x, y, width, height, 1);
    ThreadWindows &tw = threadWindows();
    if (after == HWND_TOPMOST && w != nullptr && tw.x.display != nullptr) {
        xlib.XRaiseWindow(tw.x.display, w->xid);
        xlib.XFlush(tw.x.display);
    }
    return 1;
}

COLORREF GetSysColor(int index) {
    for (const SystemColour &c : kSystemColours)
        if (c.index == index) return c.colour;
    return RGB(0, 0, 0);
}

HBRUSH GetSysColorBrush(int index) {
    static std::mutex lock;
    static std::unordered_map<int, HBRUSH> brushes;
    std::lock_guard<std::mutex> hold(lock);
    HBRUSH &brush = brushes[index];
    if (brush == 0) {
        brush = CreateSolidBrush(GetSysColor(index));
        gdi::Table &t = gdi::table();
        std::lock_guard<std::mutex> holdTable(t.lock);
        t.stock.insert(brush);
    }
    return brush;
}

short GetKeyState(int virtualKey) {
    const unsigned state = threadWindows().modifiers;
    const bool down = (virtualKey == int(VK_SHIFT) && (state & ShiftMask) != 0) ||
                      (virtualKey == int(VK_CONTROL) && (state & ControlMask) != 0);
    return down ? short(-128) : short(0);
}

namespace controls {

BarGeometry barGeometry(const RECT &area, bool vertical, int minimum, int maximum, int position) {
    BarGeometry b;
    b.area = area;
    b.vertical = vertical;
    b.minimum = minimum;
    b.maximum = std::max(minimum, maximum);
    const int length = vertical ? area.bottom - area.top : area.right - area.left;
    const int thickness = vertical ? area.right - area.left : area.bottom - area.top;
    b.arrow = std::min(thickness, length / 2);
    b.trough = std::max(0, length - 2 * b.arrow);
    b.thumbLength = std::min(std::max(thickness, 8), b.trough);
    const int span = b.maximum - b.minimum;
    const int room = b.trough - b.thumbLength;
    const int at = std::clamp(position, b.minimum, b.maximum) - b.minimum;
    b.thumbStart = b.arrow + (span > 0 ? int((long long)at * room / span) : 0);
    return b;
}

namespace {
RECT along(const BarGeometry &b, int from, int to) {
    return b.vertical ? RECT{b.area.left, b.area.top + from, b.area.right, b.area.top + to}
                      : RECT{b.area.left + from, b.area.top, b.area.left + to, b.area.bottom};
}
} // namespace

void paintBar(const Painter &p, const BarGeometry &b) {
    p.fill(b.area, RGB(234, 232, 228));
    const int length = b.arrow * 2 + b.trough;
    const RECT first = along(b, 0, b.arrow), last = along(b, length - b.arrow, length);
    for (const RECT &r : {first, last}) {
        p.fill(r, GetSysColor(COLOR_BTNFACE));
        p.bevel(r, false);
    }
    const COLORREF ink = p.enabled() ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    arrow(p, first, b.vertical ? 0 : 2, ink);
    arrow(p, last, b.vertical ? 1 : 3, ink);
    if (b.maximum > b.minimum && b.thumbLength > 0) {
        const RECT thumb = along(b, b.thumbStart, b.thumbStart + b.thumbLength);
        p.fill(thumb, GetSysColor(COLOR_BTNFACE));
        p.bevel(thumb, false);
    }
}

int barPart(const BarGeometry &b, int x, int y) {
    if (x < b.area.left || x >= b.area.right || y < b.area.top || y >= b.area.bottom) return -1;
    const int at = b.vertical ? y - b.area.top : x - b.area.left;
    if (at < b.arrow) return SB_LINEUP;
    if (at >= b.arrow + b.trough) return SB_LINEDOWN;
    if (b.maximum <= b.minimum) return -1;
    if (at < b.thumbStart) return SB_PAGEUP;
    if (at >= b.thumbStart + b.thumbLength) return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}

int barPosition(const BarGeometry &b, int offset) {
    const int room = b.trough - b.thumbLength;
    if (room <= 0) return b.minimum;
    const int at = std::clamp(offset - b.arrow, 0, room);
    return b.minimum + int(((long long)at * (b.maximum - b.minimum) + room / 2) / room);
}

} // namespace controls
