// What a thread that uses windows owns: its connection to the X display, its
// message queue and its windows. Made on the thread's first call, closed when
// the thread ends. Nothing here is shared between threads, so nothing locks.
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/win_user.h"
#include "platform/window_image.h"
#include "platform/xlib_functions.h"

// The connection, or none (display null) when no display can be reached.
struct XConnection {
    Display *display = nullptr;
    int screen = 0;
    Window root = 0;
    Visual *visual = nullptr; // a true-colour visual
    int depth = 0;
    Colormap colormap = 0;
    int width = 1024; // the screen in pixels (these sizes without a display)
    int height = 768;
    // How the server stores a pixel of that visual.
    int bitsPerPixel = 32;
    unsigned long redMask = 0xFF0000, greenMask = 0xFF00, blueMask = 0xFF;
    Atom wmProtocols = 0, wmDeleteWindow = 0, netWmName = 0, utf8String = 0, textProperty = 0;
    GC gc = nullptr; // for the visual's depth
    Pixmap gcPixmap = 0;
};

// A window of this thread, or a foreign X window that a context was asked for.
struct WindowObject {
    HWND handle = 0;
    Window xid = 0; // 0 without a display
    bool foreign = false;
    std::string className;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    HWND parent = 0;
    HMENU menu = 0; // a top-level window's menu bar, a child's id
    // The height of the menu bar's band: a top-level window with a menu bar
    // has the band above its client area, within its X window.
    int menuBand = 0;
    // Where the client area lies: on the screen for a top-level window, in the
    // parent's client area for a child.
    int clientX = 0, clientY = 0;
    int clientWidth = 0, clientHeight = 0;
    std::string title;
    bool visible = false;
    bool closeEnabled = true;
    bool destroying = false;
    bool drawsItself = false; // paints with Xlib directly: no client image is sent
    std::intptr_t userData = 0;
    HMENU systemMenu = 0;
    RECT invalid{0, 0, 0, 0}; // needs painting; empty when right <= left
    bool eraseNeeded = false;
    std::shared_ptr<WindowImage> image;
};

// Input from the display, queued as it came. What depends on the moment it is
// taken is settled then, as the window system does for keys typed ahead: a key
// goes to the window that has the focus when the program takes it (the keys
// before it may have moved the focus), and the Shift and Ctrl state that
// GetKeyState reports is that of the input taken last.
struct InputMessage {
    MSG msg;                // a key's hwnd: the window the server sent it to
    unsigned modifiers = 0; // the X modifier state of the event
};

struct ThreadWindows {
    XConnection x;
    // Messages posted by the program come before input from the display,
    // each in the order they came.
    std::deque<MSG> posted;
    std::deque<InputMessage> input;
    bool quitPosted = false;
    int quitCode = 0;
    std::unordered_map<HWND, std::unique_ptr<WindowObject>> windows;
    HWND focus = 0;         // the window that takes the keys
    HWND pointerWindow = 0; // the window the pointer is in
    HCURSOR cursor = 0;
    unsigned modifiers = 0;                      // the X modifier state of the input taken last
    std::unordered_map<HCURSOR, Cursor> cursors; // made on first use
    POINT pointer{0, 0};                         // without a display: where SetCursorPos put it

    ThreadWindows();
    ~ThreadWindows();
    ThreadWindows(const ThreadWindows &) = delete;
    ThreadWindows &operator=(const ThreadWindows &) = delete;
};

// The calling thread's state.
ThreadWindows &threadWindows();

// This thread's window (foreign ones included), or null.
WindowObject *findWindow(HWND window);

// This thread's window, or an X window of another client (a foreign window,
// which we only draw into); null when neither exists.
WindowObject *windowOrForeign(HWND window);

// A handle for a window that has no X window (no display).
HWND newHeadlessHandle();

// Where a window's X window lies in its parent X window (or on the screen):
// the client area, the menu bar's band above it, inside the parent's band.
struct XPlacement {
    int x, y;
    unsigned width, height; // at least 1
};
XPlacement xPlacementOf(const WindowObject &w);
// The band of the window's parent (0 for a top-level window).
int parentBand(const WindowObject &w);

// The window's top-level ancestor (itself for a top-level window).
WindowObject *topLevelOf(WindowObject *window);

// Runs a few X requests and tells whether the server refused any of them
// (BadWindow for a window another client destroyed, for instance).
class XErrorTrap {
  public:
    explicit XErrorTrap(Display *display);
    ~XErrorTrap();
    // Waits for the server's answers; true when one was an error.
    bool failed();

  private:
    Display *display_;
    int saved_;
};

// Milliseconds of a steady clock (the time of messages).
DWORD messageTime();
