// Menus: CreateMenu, CreatePopupMenu, AppendMenuA, DestroyMenu, DrawMenuBar;
// the band of a window's menu bar, and pop-ups that run a loop of their own
// until an entry is chosen or the menu is left.
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/control_kit.h"
#include "platform/device_contexts.h"
#include "platform/gdi_table.h"
#include "platform/menus.h"
#include "platform/window_painting.h"

namespace {

constexpr const char *kPopupClass = "KavlorMenu";
constexpr int kTitlePadding = 6;  // left and right of a title in the bar
constexpr int kEntryPadding = 18; // left and right of an entry in a pop-up
constexpr int kSeparatorHeight = 7;

struct Entry {
    UINT flags = 0;
    std::uintptr_t id = 0; // the command, or the pop-up of an MF_POPUP entry
    std::string text;
    bool greyed = false;
};
struct Menu {
    bool bar = false;
    std::vector<Entry> entries;
};

// Menus belong to the process.
struct Menus {
    std::mutex lock;
    std::unordered_map<HMENU, Menu> all;
};
Menus &menus() {
    static Menus m;
    return m;
}

HMENU newMenu(bool bar) {
    Menus &m = menus();
    std::lock_guard<std::mutex> hold(m.lock);
    const HMENU handle = newHeadlessHandle();
    m.all[handle].bar = bar;
    return handle;
}

// A copy of the menu's entries; false when it is no menu.
bool entriesOf(HMENU menu, std::vector<Entry> &entries) {
    Menus &m = menus();
    std::lock_guard<std::mutex> hold(m.lock);
    auto it = m.all.find(menu);
    if (it == m.all.end()) return false;
    entries = it->second.entries;
    return true;
}

HFONT menuFont() {
    return GetStockObject(SYSTEM_FONT);
}

bool choosable(const Entry &e) {
    return (e.flags & MF_SEPARATOR) == 0 && !e.greyed;
}

// ---- The bar -------------------------------------------------------------------

// The left and right edge of each title in the band.
std::vector<std::pair<int, int>> titlePlaces(const std::vector<Entry> &entries) {
    std::vector<std::pair<int, int>> places;
    int x = 0;
    for (const Entry &e : entries) {
        const int width =
            controls::textWidth(menuFont(), controls::withoutMnemonics(e.text)) + 2 * kTitlePadding;
        places.emplace_back(x, x + width);
        x += width;
    }
    return places;
}

// ---- Pop-ups --------------------------------------------------------------------

struct Popup {
    HMENU menu = 0;
    std::vector<Entry> entries;
    int highlight = -1;
};
std::unordered_map<HWND, Popup> &popups() {
    thread_local std::unordered_map<HWND, Popup> state;
    return state;
}

int entryHeight(const Entry &e) {
    return (e.flags & MF_SEPARATOR) != 0 ? kSeparatorHeight
                                         : int(controls::metricsOf(menuFont()).tmHeight) + 4;
}

int entryAt(const Popup &p, int y) {
    int top = 1;
    for (int i = 0; i < int(p.entries.size()); ++i) {
        const int h = entryHeight(p.entries[std::size_t(i)]);
        if (y >= top && y < top + h) return i;
        top += h;
    }
    return -1;
}

int entryTop(const Popup &p, int index) {
    int top = 1;
    for (int i = 0; i < index; ++i)
        top += entryHeight(p.entries[std::size_t(i)]);
    return top;
}

void paintPopup(HWND window, const Popup &p) {
    const controls::Painter paint(window, WM_CTLCOLORDLG, COLOR_BTNFACE);
    const RECT &c = paint.client();
    paint.fill(c, GetSysColorBrush(COLOR_BTNFACE));
    paint.frame(c, GetSysColor(COLOR_BTNSHADOW));
    for (int i = 0; i < int(p.entries.size()); ++i) {
        const Entry &e = p.entries[std::size_t(i)];
        const int top = entryTop(p, i), h = entryHeight(e);
        if ((e.flags & MF_SEPARATOR) != 0) {
            paint.fill(RECT{4, top + h / 2, c.right - 4, top + h / 2 + 1},
                       GetSysColor(COLOR_BTNSHADOW));
            continue;
        }
        const RECT row{1, top, c.right - 1, top + h};
        const bool lit = i == p.highlight;
        if (lit) paint.fill(row, GetSysColor(COLOR_HIGHLIGHT));
        const COLORREF ink = e.greyed ? GetSysColor(COLOR_GRAYTEXT)
                             : lit    ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : GetSysColor(COLOR_WINDOWTEXT);
        SetTextColor(paint.dc(), ink);
        paint.mnemonicText(kEntryPadding, top + 2, e.text);
        if ((e.flags & MF_POPUP) != 0)
            controls::arrow(paint, RECT{c.right - 16, top, c.right - 4, top + h}, 3, ink);
    }
}

LRESULT popupProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = popups().find(window);
    if (message == WM_PAINT && it != popups().end()) {
        paintPopup(window, it->second);
        return 0;
    }
    if (message == WM_DESTROY) popups().erase(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerPopupClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA c{};
        c.lpfnWndProc = popupProcedure;
        c.hCursor = LoadCursorA(0, IDC_ARROW);
        c.lpszClassName = kPopupClass;
        RegisterClassA(&c);
    });
}

void light(HWND window, Popup &p, int index) {
    if (index == p.highlight) return;
    p.highlight = index;
    InvalidateRect(window, nullptr, 1);
}

// Shows the pop-up with its top left corner at the point of the screen and
// lets the user choose: the command chosen, or 0.
std::uintptr_t track(HMENU menu, int x, int y) {
    std::vector<Entry> entries;
    if (!entriesOf(menu, entries) || entries.empty()) return 0;
    registerPopupClass();
    int width = 0, height = 2;
    for (const Entry &e : entries) {
        width =
            std::max(width, controls::textWidth(menuFont(), controls::withoutMnemonics(e.text)));
        height += entryHeight(e);
    }
    width += 2 * kEntryPadding + 2;
    const HWND saved = threadWindows().focus;
    const HWND window =
        CreateWindowExA(0, kPopupClass, "", WS_POPUP, x, y, width, height, 0, 0, 0, nullptr);
    if (window == 0) return 0;
    Popup &p = popups()[window];
    p.menu = menu;
    p.entries = entries;
    ShowWindow(window, SW_SHOW);

    std::uintptr_t chosen = 0;
    bool done = false;
    // The entry i is taken: a command ends the menu, a pop-up opens beside it.
    auto take = [&](int i) {
        if (i < 0 || !choosable(p.entries[std::size_t(i)])) return;
        const Entry e = p.entries[std::size_t(i)];
        if ((e.flags & MF_POPUP) == 0) {
            chosen = e.id;
            done = true;
            return;
        }
        POINT corner{width - 4, entryTop(p, i)};
        ClientToScreen(window, &corner);
        chosen = track(HMENU(e.id), corner.x, corner.y);
        done = chosen != 0;
    };
    auto step = [&](int direction) {
        const int n = int(p.entries.size());
        for (int k = 1; k <= n; ++k) {
            const int i = ((p.highlight < 0 ? (direction > 0 ? -1 : n) : p.highlight) +
                           direction * k + 2 * n) %
                          n;
            if ((p.entries[std::size_t(i)].flags & MF_SEPARATOR) == 0) {
                light(window, p, i);
                return;
            }
        }
    };
    MSG msg;
    while (!done) {
        if (GetMessageA(&msg, 0, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam)); // the loop outside ends too
            break;
        }
        const bool onPopup = msg.hwnd == window;
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const WPARAM k = msg.wParam;
            if (k == VK_ESCAPE || k == VK_LEFT) {
                done = true;
            } else if (k == VK_UP || k == VK_DOWN) {
                step(k == VK_UP ? -1 : 1);
            } else if (k == VK_RETURN || k == VK_RIGHT) {
                if (k == VK_RETURN ||
                    (p.highlight >= 0 && (p.entries[std::size_t(p.highlight)].flags & MF_POPUP)))
                    take(p.highlight);
            } else if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9')) {
                for (int i = 0; i < int(p.entries.size()); ++i)
                    if (controls::mnemonicOf(p.entries[std::size_t(i)].text) == char(k)) {
                        take(i);
                        break;
                    }
            }
            continue;
        }
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP: continue;
        case WM_MOUSEMOVE:
            if (onPopup) light(window, p, entryAt(p, short(HIWORD(msg.lParam))));
            continue;
        case WM_LBUTTONUP:
            if (onPopup) take(entryAt(p, short(HIWORD(msg.lParam))));
            continue;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            if (!onPopup) done = true;
            continue;
        default: break;
        }
        DispatchMessageA(&msg);
    }
    DestroyWindow(window);
    if (saved != 0 && IsWindow(saved)) SetFocus(saved);
    return chosen;
}

// Opens the bar's entry i (a pop-up below its title, or a command at once).
void openTitle(HWND window, HMENU bar, int i) {
    std::vector<Entry> entries;
    if (!entriesOf(bar, entries) || i < 0 || i >= int(entries.size())) return;
    const Entry &e = entries[std::size_t(i)];
    if (!choosable(e)) return;
    std::uintptr_t command = e.id;
    if ((e.flags & MF_POPUP) != 0) {
        POINT corner{titlePlaces(entries)[std::size_t(i)].first, 0};
        ClientToScreen(window, &corner);
        command = track(HMENU(e.id), corner.x, corner.y);
    }
    if (command != 0) PostMessageA(window, WM_COMMAND, command, 0);
}

} // namespace

HMENU CreateMenu() {
    return newMenu(true);
}

HMENU CreatePopupMenu() {
    return newMenu(false);
}

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char *text) {
    Menus &m = menus();
    std::lock_guard<std::mutex> hold(m.lock);
    auto it = m.all.find(menu);
    if (it == m.all.end()) return 0;
    it->second.entries.push_back(Entry{flags, idOrPopup, text != nullptr ? text : "", false});
    return 1;
}

BOOL DestroyMenu(HMENU menu) {
    std::vector<Entry> entries;
    if (!entriesOf(menu, entries)) return 0;
    {
        Menus &m = menus();
        std::lock_guard<std::mutex> hold(m.lock);
        m.all.erase(menu);
    }
    for (const Entry &e : entries)
        if ((e.flags & MF_POPUP) != 0) DestroyMenu(HMENU(e.id));
    return 1;
}

BOOL DrawMenuBar(HWND window) {
    WindowObject *w = findWindow(window);
    if (w == nullptr || w->menuBand == 0) return 0;
    paintMenuBar(*w);
    return 1;
}

bool isMenu(HMENU menu) {
    Menus &m = menus();
    std::lock_guard<std::mutex> hold(m.lock);
    return m.all.count(menu) != 0;
}

bool isMenuBar(HMENU menu) {
    Menus &m = menus();
    std::lock_guard<std::mutex> hold(m.lock);
    auto it = m.all.find(menu);
    return it != m.all.end() && it->second.bar;
}

BOOL enableMenuEntry(HMENU menu, UINT id, UINT flags) {
    std::vector<HMENU> pending{menu};
    BOOL previous = -1;
    {
        Menus &m = menus();
        std::lock_guard<std::mutex> hold(m.lock);
        while (!pending.empty() && previous == -1) {
            auto it = m.all.find(pending.back());
            pending.pop_back();
            if (it == m.all.end()) continue;
            for (Entry &e : it->second.entries) {
                if ((e.flags & MF_POPUP) != 0) pending.push_back(HMENU(e.id));
                if ((e.flags & MF_POPUP) != 0 || e.id != id) continue;
                previous = e.greyed ? BOOL(MF_GRAYED) : BOOL(MF_ENABLED);
                e.greyed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
                break;
            }
        }
    }
    return previous;
}

void paintMenuBar(WindowObject &w) {
    ThreadWindows &tw = threadWindows();
    std::vector<Entry> entries;
    if (w.menuBand == 0 || tw.x.display == nullptr || !entriesOf(w.menu, entries)) return;
    auto band = std::make_shared<WindowImage>();
    {
        gdi::Table &t = gdi::table();
        std::lock_guard<std::mutex> hold(t.lock);
        band->resize(w.clientWidth, w.menuBand);
    }
    const HDC dc = gdi::makeWindowContext(0, band);
    const RECT all{0, 0, w.clientWidth, w.menuBand};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, menuFont());
    SetBkMode(dc, TRANSPARENT);
    const auto places = titlePlaces(entries);
    const int textTop = (w.menuBand - int(controls::metricsOf(menuFont()).tmHeight)) / 2;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SetTextColor(dc, entries[i].greyed ? GetSysColor(COLOR_GRAYTEXT)
                                           : GetSysColor(COLOR_WINDOWTEXT));
        const std::string shown = controls::withoutMnemonics(entries[i].text);
        const int x = places[i].first + kTitlePadding;
        TextOutA(dc, x, textTop, shown.c_str(), int(shown.size()));
        // The letter after "&" is underlined.
        const std::size_t amp = entries[i].text.find('&');
        if (amp != std::string::npos && amp + 1 < entries[i].text.size()) {
            const int from = x + controls::textWidth(menuFont(), shown.substr(0, amp));
            const int to = from + controls::textWidth(menuFont(), shown.substr(amp, 1));
            const RECT under{from, textTop + int(controls::metricsOf(menuFont()).tmAscent) + 1, to,
                             textTop + int(controls::metricsOf(menuFont()).tmAscent) + 2};
            const HBRUSH ink = CreateSolidBrush(GetSysColor(COLOR_WINDOWTEXT));
            FillRect(dc, &under, ink);
            DeleteObject(ink);
        }
    }
    const RECT line{0, w.menuBand - 1, w.clientWidth, w.menuBand};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    gdi::removeWindowContext(dc);
    gdi::Table &t = gdi::table();
    std::lock_guard<std::mutex> hold(t.lock);
    if (band->pixels) putImage(tw.x, w.xid, *band, all, 0);
    xlib.XFlush(tw.x.display);
}

void openMenuBarAt(HWND window, int screenX, int screenY) {
    WindowObject *w = findWindow(window);
    std::vector<Entry> entries;
    if (w == nullptr || !entriesOf(w->menu, entries)) return;
    POINT p{screenX, screenY};
    ScreenToClient(window, &p);
    const auto places = titlePlaces(entries);
    for (std::size_t i = 0; i < places.size(); ++i)
        if (p.x >= places[i].first && p.x < places[i].second) openTitle(window, w->menu, int(i));
}

void openMenuBarByLetter(HWND window, char c) {
    WindowObject *top = topLevelOf(findWindow(window));
    std::vector<Entry> entries;
    if (top == nullptr || top->menuBand == 0 || !entriesOf(top->menu, entries)) return;
    const char letter = c >= 'a' && c <= 'z' ? char(c - 32) : c;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (controls::mnemonicOf(entries[i].text) == letter) {
            openTitle(top->handle, top->menu, int(i));
            return;
        }
}
