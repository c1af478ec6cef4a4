// The "button" class: push buttons (the default one with a heavier frame),
// check boxes and radio buttons. A press with the left button shows the button
// down; releasing it over the button, or Space, clicks it.
#include <unordered_map>

#include "platform/control_kit.h"

namespace controls {

namespace {

struct ButtonState {
    int check = 0;
    bool pushed = false;   // shown pressed
    bool pressing = false; // the mouse button went down on it
};

std::unordered_map<HWND, ButtonState> &buttons() {
    thread_local std::unordered_map<HWND, ButtonState> state;
    return state;
}

DWORD kindOf(HWND window) {
    return styleOf(window) & 0xF;
}
bool isPush(DWORD kind) {
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

void click(HWND window) {
    ButtonState &b = buttons()[window];
    if (kindOf(window) == BS_AUTOCHECKBOX) {
        b.check = b.check == 0 ? 1 : 0;
        InvalidateRect(window, nullptr, 1);
    }
    notifyParent(window, BN_CLICKED);
}

void paint(HWND window, const ButtonState &b) {
    const DWORD kind = kindOf(window);
    const Painter p(window, WM_CTLCOLORBTN, COLOR_BTNFACE);
    const RECT &c = p.client();
    const bool focused = hasFocus(window);
    const DWORD align = styleOf(window) & BS_CENTER;
    const std::string text = textOf(window);
    if (isPush(kind)) {
        p.fill(c, GetSysColorBrush(COLOR_BTNFACE));
        RECT face = c;
        if (kind == BS_DEFPUSHBUTTON || focused) {
            p.frame(c, GetSysColor(COLOR_WINDOWTEXT));
            face = RECT{c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
        }
        p.bevel(face, b.pushed);
        const int shift = b.pushed ? 1 : 0;
        const RECT inner{face.left + 3 + shift, face.top + 1 + shift, face.right - 3 + shift,
                         face.bottom - 1 + shift};
        p.textIn(inner, text, align == BS_LEFT ? 0 : align == BS_RIGHT ? 2 : 1);
        if (focused)
            p.focusFrame(RECT{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3});
        return;
    }
    // A check box or radio button: its mark at the left, the text beside it. A
    // radio button's mark is round, with a dot when chosen, so that a row of
    // them does not read as a row of check boxes.
    p.fill(c, p.background());
    const int box = std::min<int>(13, c.bottom - c.top);
    const RECT mark{c.left, (c.bottom - box) / 2, c.left + box, (c.bottom - box) / 2 + box};
    const COLORREF face = b.pushed ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_WINDOW);
    const COLORREF rim = GetSysColor(COLOR_BTNSHADOW), ink = GetSysColor(COLOR_WINDOWTEXT);
    if (kind == BS_RADIOBUTTON) {
        p.ellipse(mark, rim, face);
        if (b.check != 0) {
            // A dot of five pixels across, its corners left out.
            const int cx = (mark.left + mark.right - 1) / 2, cy = (mark.top + mark.bottom - 1) / 2;
            p.fill(RECT{cx - 1, cy - 2, cx + 2, cy + 3}, ink);
            p.fill(RECT{cx - 2, cy - 1, cx + 3, cy + 2}, ink);
        }
    } else {
        p.fill(mark, face);
        p.frame(mark, rim);
        if (b.check != 0)
            p.fill(RECT{mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3}, ink);
    }
    const RECT label{mark.right + 4, c.top, c.right, c.bottom};
    p.textIn(label, text, align == BS_CENTER ? 1 : align == BS_RIGHT ? 2 : 0);
    if (focused) p.focusFrame(RECT{label.left - 1, c.top, c.right, c.bottom});
}

} // namespace

LRESULT buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commonMessage(window, message, wParam, lParam, result)) return result;
    ButtonState &b = buttons()[window];
    switch (message) {
    case WM_PAINT: paint(window, b); return 0;
    case WM_LBUTTONDOWN:
        if (!IsWindowEnabled(window)) return 0;
        SetFocus(window);
        b.pressing = b.pushed = true;
        InvalidateRect(window, nullptr, 1);
        return 0;
    case WM_LBUTTONUP: {
        if (!b.pressing) return 0;
        b.pressing = b.pushed = false;
        InvalidateRect(window, nullptr, 1);
        RECT c;
        GetClientRect(window, &c);
        const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
        if (x >= 0 && y >= 0 && x < c.right && y < c.bottom) click(window);
        return 0;
    }
    case WM_CHAR:
        if (wParam == ' ' && IsWindowEnabled(window)) click(window);
        return 0;
    case BM_GETCHECK: return b.check;
    case BM_SETCHECK:
        b.check = int(wParam);
        InvalidateRect(window, nullptr, 1);
        return 0;
    case BM_GETSTATE: return b.check | (b.pushed ? BST_PUSHED : 0);
    case BM_SETSTATE:
        b.pushed = wParam != 0;
        InvalidateRect(window, nullptr, 1);
        UpdateWindow(window);
        return 0;
    case WM_DESTROY: buttons().erase(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace controls
