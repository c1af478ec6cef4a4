// The "combobox" class as a drop-down list: a field showing the selected item
// with a button, and a list dropped down below it while the user chooses.
#include <unordered_map>
#include <vector>

#include "platform/control_kit.h"

namespace controls {

namespace {

struct ComboState {
    std::vector<std::string> items;
    int selected = -1;
    int dropHeight = 0; // the height the window was made with
};

std::unordered_map<HWND, ComboState> &combos() {
    thread_local std::unordered_map<HWND, ComboState> state;
    return state;
}

// The field is one line of the font high, whatever height the window was made.
void fitField(HWND window) {
    WindowObject *w = findWindow(window);
    if (w == nullptr) return;
    const int height = int(metricsOf(fontOf(window)).tmHeight) + 6;
    if (w->clientHeight != height)
        MoveWindow(window, w->clientX, w->clientY, w->clientWidth, height, 1);
}

void choose(HWND window, ComboState &s, int index) {
    if (s.items.empty()) return;
    index = std::clamp(index, 0, int(s.items.size()) - 1);
    if (index == s.selected) return;
    s.selected = index;
    InvalidateRect(window, nullptr, 1);
    notifyParent(window, CBN_SELCHANGE);
}

// Drops the list down and lets the user choose: a click on an item or Return
// chooses, a click elsewhere or Escape does not.
void dropDown(HWND window, ComboState &s) {
    WindowObject *w = findWindow(window);
    if (w == nullptr || s.items.empty()) return;
    POINT below{0, w->clientHeight};
    ClientToScreen(window, &below);
    const int lineHeight = int(metricsOf(fontOf(window)).tmHeight);
    const int lines =
        std::max(1, std::min(int(s.items.size()),
                             (std::max(s.dropHeight, lineHeight) - w->clientHeight) / lineHeight));
    const DWORD scroll = lines < int(s.items.size()) ? WS_VSCROLL : 0;
    const HWND saved = threadWindows().focus;
    const HWND list =
        CreateWindowExA(0, "listbox", "", WS_POPUP | WS_BORDER | scroll, below.x, below.y,
                        w->clientWidth, lines * lineHeight + 2, 0, 0, 0, nullptr);
    if (list == 0) return;
    SendMessageA(list, WM_SETFONT, fontOf(window), 0);
    for (const std::string &item : s.items)
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(item.c_str()));
    SendMessageA(list, LB_SETCURSEL, WPARAM(std::max(s.selected, 0)), 0);
    ShowWindow(list, SW_SHOW);
    int chosen = -1;
    bool done = false;
    MSG msg;
    while (!done) {
        if (GetMessageA(&msg, 0, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        const bool onList = msg.hwnd == list;
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_RETURN) {
                chosen = int(SendMessageA(list, LB_GETCURSEL, 0, 0));
                done = true;
            } else if (msg.wParam == VK_ESCAPE) {
                done = true;
            } else {
                SendMessageA(list, WM_KEYDOWN, msg.wParam, msg.lParam);
            }
            continue;
        case WM_CHAR:
        case WM_KEYUP: continue;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (!onList) {
                done = true;
                continue;
            }
            break;
        case WM_LBUTTONUP:
            if (onList) {
                DispatchMessageA(&msg);
                const int top = int(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
                const int y = short(HIWORD(msg.lParam));
                const int x = short(LOWORD(msg.lParam));
                RECT c;
                GetClientRect(list, &c);
                if (x < c.right - (scroll != 0 ? kBarThickness : 0)) {
                    chosen = top + (y - 1) / lineHeight;
                    done = chosen < int(s.items.size());
                    if (!done) chosen = -1;
                }
                continue;
            }
            break;
        default: break;
        }
        DispatchMessageA(&msg);
    }
    DestroyWindow(list);
    if (saved != 0 && IsWindow(saved)) SetFocus(saved);
    if (chosen >= 0) choose(window, s, chosen);
}

void paint(HWND window, const ComboState &s) {
    const Painter p(window, WM_CTLCOLORLISTBOX, COLOR_WINDOW);
    const RECT &c = p.client();
    p.fill(c, p.background());
    p.frame(c, GetSysColor(COLOR_BTNSHADOW));
    const RECT button{c.right - kBarThickness - 1, c.top + 1, c.right - 1, c.bottom - 1};
    p.fill(button, GetSysColor(COLOR_BTNFACE));
    p.bevel(button, false);
    arrow(p, button, 1, GetSysColor(COLOR_WINDOWTEXT));
    const RECT field{c.left + 2, c.top + 2, button.left - 1, c.bottom - 2};
    const bool focused = hasFocus(window);
    if (focused) p.fill(field, GetSysColor(COLOR_HIGHLIGHT));
    if (s.selected >= 0)
        p.text(field.left + 2, field.top + 1, s.items[std::size_t(s.selected)],
               focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT));
}

} // namespace

LRESULT comboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    const bool common = commonMessage(window, message, wParam, lParam, result);
    ComboState &s = combos()[window];
    if (message == WM_SETFONT) fitField(window);
    if (common) return result;
    switch (message) {
    case WM_CREATE:
        s.dropHeight = reinterpret_cast<const CREATESTRUCTA *>(lParam)->cy;
        fitField(window);
        return 0;
    case WM_PAINT: paint(window, s); return 0;
    case WM_LBUTTONDOWN:
        if (!IsWindowEnabled(window)) return 0;
        SetFocus(window);
        dropDown(window, s);
        return 0;
    case WM_KEYDOWN:
        if (!IsWindowEnabled(window)) return 0;
        if (wParam == VK_UP) choose(window, s, s.selected - 1);
        if (wParam == VK_DOWN) {
            if (GetKeyState(int(VK_SHIFT)) < 0)
                dropDown(window, s);
            else
                choose(window, s, s.selected + 1);
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN) {
            dropDown(window, s);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case CB_ADDSTRING:
        s.items.emplace_back(lParam != 0 ? reinterpret_cast<const char *>(lParam) : "");
        return LRESULT(s.items.size() - 1);
    case CB_RESETCONTENT:
        s.items.clear();
        s.selected = -1;
        InvalidateRect(window, nullptr, 1);
        return 0;
    case CB_SETCURSEL:
        s.selected = LPARAM(wParam) >= 0 && wParam < s.items.size() ? int(wParam) : -1;
        InvalidateRect(window, nullptr, 1);
        return s.selected < 0 && LPARAM(wParam) >= 0 ? CB_ERR : s.selected;
    case CB_GETCURSEL: return s.selected;
    case CB_GETCOUNT: return LRESULT(s.items.size());
    case CB_GETLBTEXT:
        if (wParam >= s.items.size()) return CB_ERR;
        if (lParam != 0)
            std::memcpy(reinterpret_cast<char *>(lParam), s.items[wParam].c_str(),
                        s.items[wParam].size() + 1);
        return LRESULT(s.items[wParam].size());
    case WM_DESTROY: combos().erase(window); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace controls
