// Windows: CreateWindowExA, DestroyWindow, IsWindow, ShowWindow, MoveWindow,
// SetWindowTextA, GetWindowTextA, GetClientRect, GetWindowRect, GetParent,
// ClientToScreen, ScreenToClient, SetFocus, GetSystemMetrics, GetSystemMenu,
// EnableMenuItem, SetWindowLongPtrA, GetWindowLongPtrA, CallWindowProcA.
//
// An X window stands for the client area of each window: a top-level window's
// frame and caption exist only in the arithmetic of its outer rectangle (an X
// server without a window manager draws none, and one with it draws its own).
#include <X11/Xutil.h>

#include <poll.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/control_kit.h"
#include "platform/cursors.h"
#include "platform/menus.h"
#include "platform/window_classes.h"
#include "platform/window_painting.h"
#include "platform/windows.h"

namespace {

// The frame and caption of a top-level window, in pixels.
constexpr int kFrame = 4;
constexpr int kCaption = 19;
// How long ShowWindow waits for the server to show a window.
constexpr int kMapWaitMilliseconds = 2000;

constexpr long kEventMask = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask |
                            ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask;

WindowObject *ownWindow(HWND window) {
    WindowObject *w = findWindow(window);
    return w != nullptr && !w->foreign ? w : nullptr;
}

bool framed(const WindowObject &w) {
    return (w.style & (WS_CHILD | WS_POPUP)) == 0;
}

// The client area of an outer rectangle.
void placeClient(WindowObject &w, int x, int y, int width, int height) {
    const int inset = framed(w) ? kFrame : 0;
    const int top = framed(w) ? kCaption + kFrame + w.menuBand : 0;
    w.clientX = x + inset;
    w.clientY = y + top;
    w.clientWidth = std::max(0, width - 2 * inset);
    w.clientHeight = std::max(0, height - top - inset);
}

Window createXWindow(const XConnection &x, const WindowObject &w, Window parent) {
    XSetWindowAttributes a{};
    a.background_pixmap = None; // the client image paints it
    a.border_pixel = 0;
    a.colormap = x.colormap;
    a.event_mask = kEventMask;
    a.override_redirect = (w.style & WS_POPUP) != 0 ? True : False;
    const XPlacement at = xPlacementOf(w);
    const Window xid = xlib.XCreateWindow(
        x.display, parent != 0 ? parent : x.root, at.x, at.y, at.width, at.height, 0, x.depth,
        InputOutput, x.visual,
        CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask | CWOverrideRedirect, &a);
    if (parent == 0) {
        Atom protocols[] = {x.wmDeleteWindow};
        xlib.XSetWMProtocols(x.display, xid, protocols, 1);
        XSizeHints hints{};
        hints.flags = USPosition | USSize;
        hints.x = at.x;
        hints.y = at.y;
        hints.width = int(at.width);
        hints.height = int(at.height);
        xlib.XSetWMNormalHints(x.display, xid, &hints);
    }
    // Programs that read screens find a control by its class too.
    std::string resource = parent == 0 ? "kavlor" : w.className;
    char klass[] = "Kavlor";
    XClassHint classHint{resource.data(), klass};
    xlib.XSetClassHint(x.display, xid, &classHint);
    return xid;
}

void storeTitle(const XConnection &x, WindowObject &w, const char *text) {
    w.title = text != nullptr ? text : "";
    if (x.display == nullptr || w.xid == 0) return;
    // The title is ISO-8859-1, which is what WM_NAME holds; _NET_WM_NAME wants UTF-8.
    xlib.XStoreName(x.display, w.xid, w.title.c_str());
    std::string utf8;
    for (const unsigned char c : w.title) {
        if (c < 0x80) {
            utf8 += char(c);
        } else {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    xlib.XChangeProperty(x.display, w.xid, x.netWmName, x.utf8String, 8, PropModeReplace,
                         reinterpret_cast<const unsigned char *>(utf8.data()), int(utf8.size()));
}

// Waits until the server has mapped the window, or gives up after a while
// (a window manager may hold it back).
void waitUntilMapped(const XConnection &x, Window xid) {
    const DWORD start = messageTime();
    XEvent event;
    while (!xlib.XCheckTypedWindowEvent(x.display, xid, MapNotify, &event)) {
        const int waited = int(messageTime() - start);
        if (waited >= kMapWaitMilliseconds) return;
        pollfd p{ConnectionNumber(x.display), POLLIN, 0};
        xlib.XFlush(x.display);
        poll(&p, 1, std::min(50, kMapWaitMilliseconds - waited));
    }
}

// The client area's origin on the screen.
POINT screenOrigin(const ThreadWindows &tw, const WindowObject &w) {
    if (w.foreign) {
        int x = 0, y = 0;
        Window child;
        xlib.XTranslateCoordinates(tw.x.display, w.xid, tw.x.root, 0, 0, &x, &y, &child);
        return POINT{x, y};
    }
    POINT p{w.clientX, w.clientY};
    if (w.parent != 0)
        if (const WindowObject *parent = findWindow(w.parent)) {
            const POINT o = screenOrigin(tw, *parent);
            p.x += o.x;
            p.y += o.y;
        }
    return p;
}

// The window and every window below it, parents before children.
std::vector<HWND> familyOf(const ThreadWindows &tw, HWND window) {
    std::vector<HWND> family{window};
    for (std::size_t i = 0; i < family.size(); ++i)
        for (const auto &entry : tw.windows)
            if (entry.second->parent == family[i] && !entry.second->foreign)
                family.push_back(entry.first);
    return family;
}

} // namespace

HWND CreateWindowExA(DWORD exStyle, const char *className, const char *title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void *param) {
    controls::registerControlClasses();
    WindowClass windowClass;
    if (className == nullptr || !findWindowClass(className, windowClass)) return 0;
    ThreadWindows &tw = threadWindows();
    const WindowObject *parentObject = parent != 0 ? ownWindow(parent) : nullptr;
    if (parent != 0 && parentObject == nullptr) return 0;
    if ((style & WS_CHILD) != 0 && parentObject == nullptr) return 0;
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        width = tw.x.width / 2;
        height = tw.x.height / 2;
    }

    auto made = std::make_unique<WindowObject>();
    WindowObject &w = *made;
    w.className = className;
    w.proc = windowClass.proc;
    w.style = style & ~WS_VISIBLE;
    w.parent = (style & WS_CHILD) != 0 ? parent : 0;
    w.menu = menu;
    w.menuBand = w.parent == 0 && isMenuBar(menu) ? GetSystemMetrics(SM_CYCAPTION) : 0;
    placeClient(w, x, y, width, height);
    if (tw.x.display != nullptr) {
        const WindowObject *xParent = w.parent != 0 ? parentObject : nullptr;
        w.xid = createXWindow(tw.x, w, xParent != nullptr ? xParent->xid : 0);
        w.handle = HWND(w.xid);
    } else {
        w.handle = newHeadlessHandle();
    }
    const HWND handle = w.handle;
    tw.windows.emplace(handle, std::move(made));
    countWindowOfClass(className, 1);
    sizeWindowImage(w);
    invalidate(w, nullptr, true);
    storeTitle(tw.x, w, title);
    defineClassCursor(tw, w);

    CREATESTRUCTA create{param, instance, menu,        parent, height,    width,
                         y,     x,        LONG(style), title,  className, exStyle};
    if (w.proc(handle, WM_CREATE, 0, LPARAM(&create)) == -1) {
        DestroyWindow(handle);
        return 0;
    }
    if ((style & WS_VISIBLE) != 0 && IsWindow(handle)) ShowWindow(handle, SW_SHOW);
    return IsWindow(handle) ? handle : 0;
}

BOOL DestroyWindow(HWND window) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = ownWindow(window);
    if (w == nullptr || w->destroying) return 0;
    const std::vector<HWND> family = familyOf(tw, window);
    for (const HWND h : family)
        findWindow(h)->destroying = true;
    for (const HWND h : family)
        if (WindowObject *member = findWindow(h)) member->proc(h, WM_DESTROY, 0, 0);
    if (WindowObject *top = findWindow(window); top != nullptr && tw.x.display != nullptr) {
        xlib.XDestroyWindow(tw.x.display, top->xid);
        xlib.XFlush(tw.x.display);
    }
    for (const HWND h : family) {
        auto it = tw.windows.find(h);
        if (it == tw.windows.end()) continue;
        if (it->second->parent == 0 && isMenuBar(it->second->menu)) DestroyMenu(it->second->menu);
        countWindowOfClass(it->second->className, -1);
        tw.windows.erase(it);
        if (tw.focus == h) tw.focus = 0;
        if (tw.pointerWindow == h) tw.pointerWindow = 0;
    }
    return 1;
}

BOOL IsWindow(HWND window) {
    return ownWindow(window) != nullptr ? 1 : 0;
}

BOOL ShowWindow(HWND window, int command) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    const BOOL wasVisible = w->visible ? 1 : 0;
    const bool show = command != SW_HIDE;
    if (show == w->visible) return wasVisible;
    w->visible = show;
    if (tw.x.display == nullptr) return wasVisible;
    if (!show) {
        xlib.XUnmapWindow(tw.x.display, w->xid);
        xlib.XFlush(tw.x.display);
        return wasVisible;
    }
    if (w->parent == 0)
        xlib.XMapRaised(tw.x.display, w->xid);
    else
        xlib.XMapWindow(tw.x.display, w->xid);
    waitUntilMapped(tw.x, w->xid);
    if (w->parent == 0) {
        // Keys go to the window shown last, as they would with a window manager;
        // a control of it that had the focus keeps it.
        XErrorTrap trap(tw.x.display);
        xlib.XSetInputFocus(tw.x.display, w->xid, RevertToParent, CurrentTime);
        trap.failed();
        if (topLevelOf(findWindow(tw.focus)) != w) tw.focus = window;
    }
    showWindowImages(tw);
    return wasVisible;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    const int oldWidth = w->clientWidth, oldHeight = w->clientHeight;
    placeClient(*w, x, y, width, height);
    if (tw.x.display != nullptr) {
        const XPlacement at = xPlacementOf(*w);
        xlib.XMoveResizeWindow(tw.x.display, w->xid, at.x, at.y, at.width, at.height);
        xlib.XFlush(tw.x.display);
    }
    if (w->clientWidth != oldWidth || w->clientHeight != oldHeight) {
        sizeWindowImage(*w);
        invalidate(*w, nullptr, true);
        SendMessageA(window, WM_SIZE, 0, MAKELPARAM(w->clientWidth, w->clientHeight));
    } else if (repaint) {
        invalidate(*w, nullptr, true);
    }
    return 1;
}

BOOL SetWindowTextA(HWND window, const char *text) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    storeTitle(tw.x, *w, text);
    if (tw.x.display != nullptr) xlib.XFlush(tw.x.display);
    // Controls show their text: they hear of it.
    SendMessageA(window, WM_SETTEXT, 0, LPARAM(text));
    return 1;
}

int GetWindowTextA(HWND window, char *text, int capacity) {
    const WindowObject *w = ownWindow(window);
    if (w == nullptr || text == nullptr || capacity <= 0) return 0;
    const int n = int(std::min<std::size_t>(w->title.size(), std::size_t(capacity - 1)));
    std::memcpy(text, w->title.data(), std::size_t(n));
    text[n] = '\0';
    return n;
}

BOOL GetClientRect(HWND window, RECT *rect) {
    const WindowObject *w = windowOrForeign(window);
    if (w == nullptr || rect == nullptr) return 0;
    *rect = RECT{0, 0, w->clientWidth, w->clientHeight};
    return 1;
}

BOOL GetWindowRect(HWND window, RECT *rect) {
    const ThreadWindows &tw = threadWindows();
    const WindowObject *w = windowOrForeign(window);
    if (w == nullptr || rect == nullptr) return 0;
    const POINT o = screenOrigin(tw, *w);
    const int inset = framed(*w) && !w->foreign ? kFrame : 0;
    const int top = framed(*w) && !w->foreign ? kCaption + kFrame + w->menuBand : 0;
    *rect =
        RECT{o.x - inset, o.y - top, o.x + w->clientWidth + inset, o.y + w->clientHeight + inset};
    return 1;
}

HWND GetParent(HWND window) {
    const WindowObject *w = ownWindow(window);
    return w != nullptr ? w->parent : 0;
}

BOOL ClientToScreen(HWND window, POINT *point) {
    const WindowObject *w = windowOrForeign(window);
    if (w == nullptr || point == nullptr) return 0;
    const POINT o = screenOrigin(threadWindows(), *w);
    point->x += o.x;
    point->y += o.y;
    return 1;
}

BOOL ScreenToClient(HWND window, POINT *point) {
    const WindowObject *w = windowOrForeign(window);
    if (w == nullptr || point == nullptr) return 0;
    const POINT o = screenOrigin(threadWindows(), *w);
    point->x -= o.x;
    point->y -= o.y;
    return 1;
}

HWND SetFocus(HWND window) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = window != 0 ? ownWindow(window) : nullptr;
    if (window != 0 && w == nullptr) return 0;
    const HWND previous = tw.focus;
    if (previous == window) return previous;
    tw.focus = window;
    if (previous != 0) SendMessageA(previous, WM_KILLFOCUS, WPARAM(window), 0);
    if (window == 0) return previous;
    SendMessageA(window, WM_SETFOCUS, WPARAM(previous), 0);
    const WindowObject *top = topLevelOf(findWindow(window));
    if (tw.x.display != nullptr && top != nullptr && top->visible) {
        XErrorTrap trap(tw.x.display);
        xlib.XSetInputFocus(tw.x.display, top->xid, RevertToParent, CurrentTime);
        trap.failed();
    }
    return previous;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: return threadWindows().x.width;
    case SM_CYSCREEN: return threadWindows().x.height;
    case SM_CXFRAME:
    case SM_CYFRAME: return kFrame;
    case SM_CYCAPTION: return kCaption;
    default: return 0;
    }
}

HMENU GetSystemMenu(HWND window, BOOL) {
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    if (w->systemMenu == 0) w->systemMenu = newHeadlessHandle();
    return w->systemMenu;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    if (isMenu(menu)) return enableMenuEntry(menu, item, flags);
    if (menu == 0 || item != SC_CLOSE) return -1;
    for (auto &entry : threadWindows().windows) {
        WindowObject &w = *entry.second;
        if (w.systemMenu != menu) continue;
        const BOOL previous = w.closeEnabled ? BOOL(MF_ENABLED) : BOOL(MF_GRAYED);
        w.closeEnabled = (flags & (MF_GRAYED | MF_DISABLED)) == 0;
        return previous;
    }
    return -1;
}

std::intptr_t SetWindowLongPtrA(HWND window, int index, std::intptr_t value) {
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    std::intptr_t previous = 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (value == 0) return 0;
        previous = reinterpret_cast<std::intptr_t>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_USERDATA:
        previous = w->userData;
        w->userData = value;
        break;
    case GWLP_ID:
        previous = w->menu;
        w->menu = value;
        break;
    default: return 0;
    }
    return previous;
}

std::intptr_t GetWindowLongPtrA(HWND window, int index) {
    const WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<std::intptr_t>(w->proc);
    case GWLP_USERDATA: return w->userData;
    case GWLP_ID: return w->menu;
    default: return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}
