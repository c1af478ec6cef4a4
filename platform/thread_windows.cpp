// The thread's connection to the X display and the error handling of Xlib.
//
// Xlib reports a request the server refused (BadWindow for a window another
// client destroyed) through an error handler that would end the process; ours
// notes the error for XErrorTrap and goes on. A broken connection (the server
// went away) cannot be survived: the process ends with status 1 after a line
// on standard error, so no script hangs on a display that is gone.
//
// A write to a server that is gone raises SIGPIPE, whose default action would
// kill the process before Xlib sees the error. Where the program left SIGPIPE
// at its default, a handler of ours takes it: when one of our X connections
// has hung up the signal was ours and is let go (the write fails and the
// connection is reported lost); otherwise the default action is restored and
// the signal raised again, so the program's own pipes behave as before. A
// program that ignores SIGPIPE or handles it itself keeps its choice.
#include "platform/thread_windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/windows.h"

namespace {

thread_local int lastXError = 0;
thread_local bool connectionBroken = false;
thread_local bool closingConnection = false;

int noteXError(Display *, XErrorEvent *event) {
    lastXError = event->error_code;
    return 0;
}

int connectionLost(Display *) {
    // The calling thread's connection is dead: no X call may follow, not even
    // from the destructors that exit runs.
    connectionBroken = true;
    if (closingConnection) return 0; // the thread is done with it anyway
    std::fflush(stdout);
    std::fputs(">>>> The connection to the X display is lost!\n", stderr);
    std::exit(1);
}

// The descriptors of the open X connections, for the SIGPIPE handler (which
// may read only lock-free atomics), each stored plus one so that 0 is a free
// slot. A connection beyond the table keeps SIGPIPE's default action.
std::atomic<int> xConnectionFds[64];
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

void registerConnection(int fd) {
    for (auto &slot : xConnectionFds) {
        int expected = 0;
        if (slot.compare_exchange_strong(expected, fd + 1)) return;
    }
}

void unregisterConnection(int fd) {
    for (auto &slot : xConnectionFds) {
        int expected = fd + 1;
        if (slot.compare_exchange_strong(expected, 0)) return;
    }
}

bool anXConnectionHungUp() {
    for (auto &slot : xConnectionFds) {
        const int fd = slot.load() - 1;
        if (fd < 0) continue;
        pollfd p{fd, 0, 0};
        if (poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLERR)) != 0) return true;
    }
    return false;
}

void brokenPipe(int signal) {
    const int savedErrno = errno;
    const bool ours = anXConnectionHungUp();
    errno = savedErrno;
    if (ours) return; // the write fails with EPIPE and Xlib reports the connection lost
    std::signal(signal, SIG_DFL);
    std::raise(signal); // delivered with the default action once this returns
}

// Takes SIGPIPE only where the program left it at its default action.
void handleBrokenPipes() {
    struct sigaction current {};
    if (sigaction(SIGPIPE, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
        current.sa_handler != SIG_DFL)
        return;
    struct sigaction ours {};
    ours.sa_handler = brokenPipe;
    sigemptyset(&ours.sa_mask);
    ours.sa_flags = SA_RESTART;
    sigaction(SIGPIPE, &ours, nullptr);
}

// Xlib would end the process after connectionLost returns; it returns only
// while the thread closes its connection, and then the thread just goes on.
void survive(Display *, void *) {}

void installHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        xlib.XInitThreads();
        xlib.XSetErrorHandler(noteXError);
        xlib.XSetIOErrorHandler(connectionLost);
        handleBrokenPipes();
    });
}

// A true-colour visual of the screen: the default one when it is, else one of
// depth 24 with a colormap of its own; false when the server has none.
bool chooseVisual(XConnection &x) {
    Visual *visual = DefaultVisual(x.display, x.screen);
    if (visual->c_class == TrueColor) {
        x.visual = visual;
        x.depth = DefaultDepth(x.display, x.screen);
        x.colormap = DefaultColormap(x.display, x.screen);
        return true;
    }
    XVisualInfo info;
    if (!xlib.XMatchVisualInfo(x.display, x.screen, 24, TrueColor, &info)) return false;
    x.visual = info.visual;
    x.depth = info.depth;
    x.colormap = xlib.XCreateColormap(x.display, x.root, info.visual, AllocNone);
    return true;
}

void readPixelFormat(XConnection &x) {
    x.redMask = x.visual->red_mask;
    x.greenMask = x.visual->green_mask;
    x.blueMask = x.visual->blue_mask;
    int count = 0;
    XPixmapFormatValues *formats = xlib.XListPixmapFormats(x.display, &count);
    for (int i = 0; i < count; ++i)
        if (formats[i].depth == x.depth) x.bitsPerPixel = formats[i].bits_per_pixel;
    if (formats != nullptr) xlib.XFree(formats);
}

void openConnection(XConnection &x) {
    const char *name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0' || !xlibLoaded()) return;
    installHandlers();
    x.display = xlib.XOpenDisplay(name);
    if (x.display == nullptr) return;
    xlib.XSetIOErrorExitHandler(x.display, survive, nullptr);
    registerConnection(ConnectionNumber(x.display));
    x.screen = DefaultScreen(x.display);
    x.root = RootWindow(x.display, x.screen);
    if (!chooseVisual(x)) {
        std::fputs(">>>> The X display has no true-colour visual: windows are not shown!\n",
                   stderr);
        unregisterConnection(ConnectionNumber(x.display));
        xlib.XCloseDisplay(x.display);
        x.display = nullptr;
        return;
    }
    readPixelFormat(x);
    x.width = DisplayWidth(x.display, x.screen);
    x.height = DisplayHeight(x.display, x.screen);
    x.wmProtocols = xlib.XInternAtom(x.display, "WM_PROTOCOLS", False);
    x.wmDeleteWindow = xlib.XInternAtom(x.display, "WM_DELETE_WINDOW", False);
    x.netWmName = xlib.XInternAtom(x.display, "_NET_WM_NAME", False);
    x.utf8String = xlib.XInternAtom(x.display, "UTF8_STRING", False);
    x.textProperty = xlib.XInternAtom(x.display, "_KAVLOR_TEXT", False);
    // A graphics context for the images sent to windows of the visual.
    x.gcPixmap = xlib.XCreatePixmap(x.display, x.root, 1, 1, unsigned(x.depth));
    x.gc = xlib.XCreateGC(x.display, x.gcPixmap, 0, nullptr);
}

} // namespace

ThreadWindows::ThreadWindows() {
    openConnection(x);
}

ThreadWindows::~ThreadWindows() {
    if (x.display == nullptr) return;
    if (connectionBroken) {
        unregisterConnection(ConnectionNumber(x.display));
        return;
    }
    closingConnection = true;
    for (auto &entry : windows)
        if (!entry.second->foreign && entry.second->parent == 0)
            xlib.XDestroyWindow(x.display, entry.second->xid);
    for (auto &entry : cursors)
        xlib.XFreeCursor(x.display, entry.second);
    xlib.XFreeGC(x.display, x.gc);
    xlib.XFreePixmap(x.display, x.gcPixmap);
    unregisterConnection(ConnectionNumber(x.display));
    xlib.XCloseDisplay(x.display);
}

ThreadWindows &threadWindows() {
    thread_local ThreadWindows state;
    return state;
}

WindowObject *findWindow(HWND window) {
    ThreadWindows &tw = threadWindows();
    auto it = tw.windows.find(window);
    return it == tw.windows.end() ? nullptr : it->second.get();
}

WindowObject *windowOrForeign(HWND window) {
    ThreadWindows &tw = threadWindows();
    auto it = tw.windows.find(window);
    if (it != tw.windows.end() && !it->second->foreign) return it->second.get();
    if (tw.x.display == nullptr || window <= 0 || window > 0x1FFFFFFF) return nullptr;
    // A foreign window is asked for afresh each time: it may have changed or gone.
    XWindowAttributes a;
    {
        XErrorTrap trap(tw.x.display);
        if (xlib.XGetWindowAttributes(tw.x.display, Window(window), &a) == 0 || trap.failed()) {
            if (it != tw.windows.end()) tw.windows.erase(it);
            return nullptr;
        }
    }
    if (it == tw.windows.end()) {
        auto w = std::make_unique<WindowObject>();
        w->handle = window;
        w->xid = Window(window);
        w->foreign = true;
        w->image = std::make_shared<WindowImage>();
        it = tw.windows.emplace(window, std::move(w)).first;
    }
    WindowObject &w = *it->second;
    w.clientWidth = a.width;
    w.clientHeight = a.height;
    w.visible = a.map_state == IsViewable;
    return &w;
}

HWND newHeadlessHandle() {
    // Above the ids an X server gives its first clients, so that the two never
    // meet in one process.
    static std::atomic<HWND> next{0x10000000};
    return next++;
}

int parentBand(const WindowObject &w) {
    const WindowObject *parent = w.parent != 0 ? findWindow(w.parent) : nullptr;
    return parent != nullptr ? parent->menuBand : 0;
}

XPlacement xPlacementOf(const WindowObject &w) {
    return XPlacement{w.clientX, w.clientY - w.menuBand + parentBand(w),
                      unsigned(std::max(w.clientWidth, 1)),
                      unsigned(std::max(w.clientHeight + w.menuBand, 1))};
}

WindowObject *topLevelOf(WindowObject *window) {
    while (window != nullptr && window->parent != 0) {
        WindowObject *parent = findWindow(window->parent);
        if (parent == nullptr) break;
        window = parent;
    }
    return window;
}

XErrorTrap::XErrorTrap(Display *display) : display_(display), saved_(lastXError) {
    if (display_ != nullptr) xlib.XSync(display_, False);
    lastXError = 0;
}

XErrorTrap::~XErrorTrap() {
    lastXError = saved_;
}

bool XErrorTrap::failed() {
    if (display_ != nullptr) xlib.XSync(display_, False);
    return lastXError != 0;
}

DWORD messageTime() {
    using namespace std::chrono;
    return DWORD(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

BOOL DisplayPresent() {
    return threadWindows().x.display != nullptr ? 1 : 0;
}
