// X events as messages:
//   Expose            the part is sent again from the client image, and needs painting
//   ConfigureNotify   the window's place; a new size: WM_SIZE, repainted whole
//   ClientMessage     WM_DELETE_WINDOW (the frame's close): WM_SYSCOMMAND SC_CLOSE
//   KeyPress/Release  WM_KEYDOWN/WM_KEYUP to the window with the focus when taken
//   ButtonPress/Rel.  WM_LBUTTONDOWN .. WM_MBUTTONUP (buttons 1, 3, 2)
//   MotionNotify      WM_MOUSEMOVE, a queued move replaced by the next one
//   DestroyNotify     another client destroyed the window: WM_DESTROY
#include "platform/x_events.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>

#include "platform/gdi_table.h"
#include "platform/menus.h"
#include "platform/window_classes.h"
#include "platform/window_painting.h"
#include "platform/windows.h"

namespace {

WPARAM virtualKey(KeySym k) {
    if (k >= XK_a && k <= XK_z) return WPARAM('A' + (k - XK_a));
    if (k >= XK_A && k <= XK_Z) return WPARAM('A' + (k - XK_A));
    if (k >= XK_0 && k <= XK_9) return WPARAM('0' + (k - XK_0));
    if (k >= XK_F1 && k <= XK_F24) return WPARAM(0x70 + (k - XK_F1));
    switch (k) {
    case XK_Return:
    case XK_KP_Enter: return VK_RETURN;
    case XK_Escape: return VK_ESCAPE;
    case XK_Tab:
    case XK_ISO_Left_Tab: return VK_TAB;
    case XK_BackSpace: return VK_BACK;
    case XK_Delete:
    case XK_KP_Delete: return VK_DELETE;
    case XK_space: return VK_SPACE;
    case XK_Left:
    case XK_KP_Left: return VK_LEFT;
    case XK_Up:
    case XK_KP_Up: return VK_UP;
    case XK_Right:
    case XK_KP_Right: return VK_RIGHT;
    case XK_Down:
    case XK_KP_Down: return VK_DOWN;
    case XK_Home:
    case XK_KP_Home: return VK_HOME;
    case XK_End:
    case XK_KP_End: return VK_END;
    case XK_Prior:
    case XK_KP_Prior: return VK_PRIOR;
    case XK_Next:
    case XK_KP_Next: return VK_NEXT;
    case XK_Shift_L:
    case XK_Shift_R: return VK_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return VK_CONTROL;
    default: return 0;
    }
}

WPARAM mouseKeys(unsigned state) {
    WPARAM keys = 0;
    if (state & Button1Mask) keys |= MK_LBUTTON;
    if (state & Button3Mask) keys |= MK_RBUTTON;
    if (state & Button2Mask) keys |= MK_MBUTTON;
    if (state & ShiftMask) keys |= MK_SHIFT;
    if (state & ControlMask) keys |= MK_CONTROL;
    return keys;
}

unsigned buttonMask(unsigned button) {
    return button == 1 ? Button1Mask : button == 2 ? Button2Mask : button == 3 ? Button3Mask : 0;
}

void queueInput(ThreadWindows &tw, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                int rootX, int rootY, unsigned modifiers) {
    const InputMessage input{
        MSG{window, message, wParam, lParam, messageTime(), POINT{rootX, rootY}}, modifiers};
    // As the window system does, moves that nobody has read yet give way to
    // the newest.
    if (message == WM_MOUSEMOVE && !tw.input.empty() &&
        tw.input.back().msg.message == WM_MOUSEMOVE && tw.input.back().msg.hwnd == window) {
        tw.input.back() = input;
        return;
    }
    tw.input.push_back(input);
}

void key(ThreadWindows &tw, WindowObject &w, XKeyEvent &e, bool pressed) {
    char text[8] = {};
    KeySym keysym = NoSymbol;
    const int n = xlib.XLookupString(&e, text, sizeof text, &keysym, nullptr);
    const unsigned character = n == 1 ? static_cast<unsigned char>(text[0]) : 0;
    const WPARAM vk = virtualKey(keysym);
    if (vk == 0 && character == 0) return;
    // With Alt held a key goes to the menus.
    const bool alt = (e.state & Mod1Mask) != 0;
    const UINT message =
        alt ? (pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (pressed ? WM_KEYDOWN : WM_KEYUP);
    // Sent to the window the server chose; it goes to the focus when it is taken.
    queueInput(tw, w.handle, message, vk, LPARAM(1 | (character << 16)), e.x_root, e.y_root,
               e.state);
}

void button(ThreadWindows &tw, WindowObject &w, XButtonEvent &e, bool pressed) {
    static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    static constexpr UINT kUp[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
    if (e.button < 1 || e.button > 3) return; // wheels
    // The state is the one before the event.
    const unsigned state =
        pressed ? e.state | buttonMask(e.button) : e.state & ~buttonMask(e.button);
    if (pressed && w.parent == 0 && tw.x.display != nullptr && w.visible) {
        // A click gives the window the keys, as a window manager would.
        XErrorTrap trap(tw.x.display);
        xlib.XSetInputFocus(tw.x.display, w.xid, RevertToParent, CurrentTime);
        trap.failed();
    }
    if (e.y < w.menuBand) {
        // The menu bar's band: its titles open their menus.
        if (pressed && e.button == 1)
            queueInput(tw, w.handle, WM_NCLBUTTONDOWN, 0, MAKELPARAM(e.x_root, e.y_root), e.x_root,
                       e.y_root, e.state);
        return;
    }
    queueInput(tw, w.handle, pressed ? kDown[e.button - 1] : kUp[e.button - 1], mouseKeys(state),
               MAKELPARAM(e.x, e.y - w.menuBand), e.x_root, e.y_root, e.state);
}

void configure(ThreadWindows &tw, WindowObject &w, XConfigureEvent &e) {
    if (w.parent == 0) {
        // A window manager may have put the window into a frame of its own: ask
        // where it lies on the screen.
        int x = 0, y = 0;
        Window child;
        xlib.XTranslateCoordinates(tw.x.display, w.xid, tw.x.root, 0, 0, &x, &y, &child);
        w.clientX = x;
        w.clientY = y + w.menuBand;
    } else {
        w.clientX = e.x;
        w.clientY = e.y - parentBand(w);
    }
    // (An empty client area has an X window of one pixel.)
    const XPlacement at = xPlacementOf(w);
    if (unsigned(e.width) == at.width && unsigned(e.height) == at.height) return;
    w.clientWidth = e.width;
    w.clientHeight = std::max(e.height - w.menuBand, 0);
    sizeWindowImage(w);
    invalidate(w, nullptr, true);
    SendMessageA(w.handle, WM_SIZE, 0, MAKELPARAM(w.clientWidth, w.clientHeight));
}

void expose(WindowObject &w, XExposeEvent &e) {
    if (e.y < w.menuBand) paintMenuBar(w);
    const RECT r{e.x, e.y - w.menuBand, e.x + e.width, e.y + e.height - w.menuBand};
    if (!w.drawsItself && w.image) {
        gdi::Table &t = gdi::table();
        std::lock_guard<std::mutex> hold(t.lock);
        w.image->touch(r);
    }
    invalidate(w, &r, false);
}

void translate(ThreadWindows &tw, XEvent &e) {
    WindowObject *w = findWindow(HWND(e.xany.window));
    if (w == nullptr || w->foreign) return;
    switch (e.type) {
    case Expose: expose(*w, e.xexpose); break;
    case ConfigureNotify: configure(tw, *w, e.xconfigure); break;
    case MapNotify: w->visible = true; break;
    case UnmapNotify: w->visible = false; break;
    case DestroyNotify:
        if (!w->destroying) {
            // Gone without DestroyWindow: the program still hears of it.
            const HWND h = w->handle;
            w->destroying = true;
            const std::string className = w->className;
            w->proc(h, WM_DESTROY, 0, 0);
            tw.windows.erase(h);
            countWindowOfClass(className, -1);
            if (tw.focus == h) tw.focus = 0;
        }
        break;
    case ClientMessage:
        if (e.xclient.message_type == tw.x.wmProtocols &&
            Atom(e.xclient.data.l[0]) == tw.x.wmDeleteWindow)
            queueInput(tw, w->handle, WM_SYSCOMMAND, SC_CLOSE, 0, 0, 0, tw.modifiers);
        break;
    case KeyPress: key(tw, *w, e.xkey, true); break;
    case KeyRelease: key(tw, *w, e.xkey, false); break;
    case ButtonPress: button(tw, *w, e.xbutton, true); break;
    case ButtonRelease: button(tw, *w, e.xbutton, false); break;
    case MotionNotify:
        tw.pointerWindow = w->handle;
        queueInput(tw, w->handle, WM_MOUSEMOVE, mouseKeys(e.xmotion.state),
                   MAKELPARAM(e.xmotion.x, e.xmotion.y - w->menuBand), e.xmotion.x_root,
                   e.xmotion.y_root, e.xmotion.state);
        break;
    case EnterNotify: tw.pointerWindow = w->handle; break;
    default: break;
    }
}

} // namespace

void readXEvents(ThreadWindows &tw) {
    if (tw.x.display == nullptr) return;
    while (xlib.XPending(tw.x.display) > 0) {
        XEvent e;
        xlib.XNextEvent(tw.x.display, &e);
        translate(tw, e);
        if (tw.x.display == nullptr) return;
    }
}

HWND keyTarget(ThreadWindows &tw, HWND sentTo) {
    WindowObject *focus = findWindow(tw.focus);
    WindowObject *window = findWindow(sentTo);
    return focus != nullptr && window != nullptr && topLevelOf(focus) == topLevelOf(window)
               ? tw.focus
               : sentTo;
}

void waitForXEvents(ThreadWindows &tw, int timeoutMs) {
    if (tw.x.display == nullptr) return;
    xlib.XFlush(tw.x.display);
    if (xlib.XPending(tw.x.display) > 0) return;
    pollfd p{ConnectionNumber(tw.x.display), POLLIN, 0};
    poll(&p, 1, timeoutMs);
}
