// The functions of libX11 that the platform calls, looked up when a thread
// first opens the display: a program that never opens a window does not load
// the X libraries. The platform calls them through the table, by their own
// names (xlib.XOpenDisplay(...)); the headers give the types and constants.
#pragma once
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#define KAVLOR_XLIB_FUNCTIONS(F)                                                                   \
    F(XAllocColor)                                                                                 \
    F(XChangeProperty)                                                                             \
    F(XCheckTypedWindowEvent)                                                                      \
    F(XCloseDisplay)                                                                               \
    F(XCreateColormap)                                                                             \
    F(XCreateFontCursor)                                                                           \
    F(XCreateGC)                                                                                   \
    F(XCreateImage)                                                                                \
    F(XCreatePixmap)                                                                               \
    F(XCreateWindow)                                                                               \
    F(XDefineCursor)                                                                               \
    F(XDestroyWindow)                                                                              \
    F(XDrawRectangle)                                                                              \
    F(XDrawString)                                                                                 \
    F(XFillRectangle)                                                                              \
    F(XFlush)                                                                                      \
    F(XFree)                                                                                       \
    F(XFreeCursor)                                                                                 \
    F(XFreeFont)                                                                                   \
    F(XFreeGC)                                                                                     \
    F(XFreePixmap)                                                                                 \
    F(XGetImage)                                                                                   \
    F(XGetWindowAttributes)                                                                        \
    F(XInitThreads)                                                                                \
    F(XInternAtom)                                                                                 \
    F(XListPixmapFormats)                                                                          \
    F(XLoadQueryFont)                                                                              \
    F(XLookupString)                                                                               \
    F(XMapRaised)                                                                                  \
    F(XMapWindow)                                                                                  \
    F(XMatchVisualInfo)                                                                            \
    F(XMoveResizeWindow)                                                                           \
    F(XNextEvent)                                                                                  \
    F(XOpenDisplay)                                                                                \
    F(XPending)                                                                                    \
    F(XPutImage)                                                                                   \
    F(XQueryPointer)                                                                               \
    F(XRaiseWindow)                                                                                \
    F(XSetClassHint)                                                                               \
    F(XSetErrorHandler)                                                                            \
    F(XSetFont)                                                                                    \
    F(XSetForeground)                                                                              \
    F(XSetIOErrorExitHandler)                                                                      \
    F(XSetIOErrorHandler)                                                                          \
    F(XSetInputFocus)                                                                              \
    F(XSetLineAttributes)                                                                          \
    F(XSetWMNormalHints)                                                                           \
    F(XSetWMProtocols)                                                                             \
    F(XStoreName)                                                                                  \
    F(XSync)                                                                                       \
    F(XTextWidth)                                                                                  \
    F(XTranslateCoordinates)                                                                       \
    F(XUnmapWindow)                                                                                \
    F(XWarpPointer)

struct XlibFunctions {
#define KAVLOR_XLIB_POINTER(name) decltype(&::name) name = nullptr;
    KAVLOR_XLIB_FUNCTIONS(KAVLOR_XLIB_POINTER)
#undef KAVLOR_XLIB_POINTER
};

// Loads libX11 on the first call in the process (whichever thread makes it)
// and answers whether it is there; when it is not, the first call prints why
// on standard error, and the thread goes on without a display.
bool xlibLoaded();

// The table; its functions may be called once xlibLoaded() answered true on
// the calling thread (a connection to the display implies it).
extern const XlibFunctions &xlib;
