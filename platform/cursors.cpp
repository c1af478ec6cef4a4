// Cursors and icons: LoadCursorA, LoadIconA, SetCursor, GetCursorPos,
// SetCursorPos. A cursor handle is the number of the system cursor; each
// thread makes the X cursor for it when it first shows it.
#include "platform/cursors.h"

#include <X11/cursorfont.h>

#include "platform/window_classes.h"
#include "platform/windows.h"

namespace {

constexpr HCURSOR kArrow = 32512, kCross = 32515, kUpArrow = 32516;

Cursor xCursor(ThreadWindows &tw, HCURSOR cursor) {
    auto it = tw.cursors.find(cursor);
    if (it != tw.cursors.end()) return it->second;
    const unsigned shape = cursor == kCross     ? XC_crosshair
                           : cursor == kUpArrow ? XC_sb_up_arrow
                                                : XC_left_ptr;
    const Cursor made = xlib.XCreateFontCursor(tw.x.display, shape);
    tw.cursors.emplace(cursor, made);
    return made;
}

void define(ThreadWindows &tw, const WindowObject &w, HCURSOR cursor) {
    if (tw.x.display == nullptr || w.xid == 0 || w.foreign || cursor == 0) return;
    xlib.XDefineCursor(tw.x.display, w.xid, xCursor(tw, cursor));
}

} // namespace

void defineClassCursor(ThreadWindows &tw, WindowObject &w) {
    WindowClass c;
    if (findWindowClass(w.className, c)) define(tw, w, c.cursor);
}

void defineClassCursors(ThreadWindows &tw, HWND anyWindowOfClass) {
    const WindowObject *model = findWindow(anyWindowOfClass);
    if (model == nullptr) return;
    for (auto &entry : tw.windows)
        if (entry.second->className == model->className) defineClassCursor(tw, *entry.second);
    if (tw.x.display != nullptr) xlib.XFlush(tw.x.display);
}

HCURSOR LoadCursorA(HINSTANCE, const char *name) {
    const HCURSOR id = HCURSOR(reinterpret_cast<std::uintptr_t>(name));
    return id == kArrow || id == kCross || id == kUpArrow ? id : 0;
}

HICON LoadIconA(HINSTANCE, const char *name) {
    return HICON(reinterpret_cast<std::uintptr_t>(name));
}

HCURSOR SetCursor(HCURSOR cursor) {
    ThreadWindows &tw = threadWindows();
    const HCURSOR previous = tw.cursor;
    tw.cursor = cursor;
    // The pointer's window shows it; without one, every window of the thread.
    if (const WindowObject *w = findWindow(tw.pointerWindow)) {
        define(tw, *w, cursor);
    } else {
        for (auto &entry : tw.windows)
            define(tw, *entry.second, cursor);
    }
    if (tw.x.display != nullptr) xlib.XFlush(tw.x.display);
    return previous;
}

BOOL GetCursorPos(POINT *point) {
    if (point == nullptr) return 0;
    ThreadWindows &tw = threadWindows();
    if (tw.x.display == nullptr) {
        *point = tw.pointer;
        return 1;
    }
    Window root, child;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    xlib.XQueryPointer(tw.x.display, tw.x.root, &root, &child, &rootX, &rootY, &x, &y, &mask);
    *point = POINT{rootX, rootY};
    return 1;
}

BOOL SetCursorPos(int x, int y) {
    ThreadWindows &tw = threadWindows();
    tw.pointer = POINT{x, y};
    if (tw.x.display != nullptr) {
        xlib.XWarpPointer(tw.x.display, None, tw.x.root, 0, 0, 0, 0, x, y);
        xlib.XFlush(tw.x.display);
    }
    return 1;
}
