// Painting: InvalidateRect, UpdateWindow, BeginPaint, EndPaint, GetDC,
// ReleaseDC; and the client images on their way to the X windows.
//
// A window's client image is what it shows. It is sent to the X window when
// something drew into it and the thread next looks at its messages, after a
// BitBlt into the window, and at ReleaseDC and EndPaint; when the server has
// lost a part of the window (Expose), that part is sent again, and the window
// also gets WM_PAINT for it.
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "platform/device_contexts.h"
#include "platform/gdi_table.h"
#include "platform/window_classes.h"
#include "platform/window_painting.h"
#include "platform/windows.h"

namespace {

// A colour component 0..255 placed into the bits of a mask, and back.
unsigned long toMask(unsigned component, unsigned long mask) {
    const int bits = std::popcount(mask);
    const int shift = std::countr_zero(mask);
    return bits >= 8 ? (static_cast<unsigned long>(component) << (bits - 8)) << shift
                     : static_cast<unsigned long>(component >> (8 - bits)) << shift;
}
unsigned fromMask(unsigned long pixel, unsigned long mask) {
    const int bits = std::popcount(mask);
    if (bits == 0) return 0;
    const unsigned long v = (pixel & mask) >> std::countr_zero(mask);
    return bits >= 8 ? unsigned(v >> (bits - 8)) : unsigned(v * 255 / ((1UL << bits) - 1));
}

bool nativeFormat(int bitsPerPixel, unsigned long red, unsigned long green, unsigned long blue) {
    return bitsPerPixel == 32 && red == 0xFF0000 && green == 0xFF00 && blue == 0xFF;
}

} // namespace

// Sends the part r of an image to the window, down by band pixels. The caller
// holds the drawing lock.
void putImage(const XConnection &x, Window xid, WindowImage &image, const RECT &r, int band) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (nativeFormat(x.bitsPerPixel, x.redMask, x.greenMask, x.blueMask)) {
        // Our pixels are the server's: the image is sent as it lies.
        XImage *xi =
            xlib.XCreateImage(x.display, x.visual, unsigned(x.depth), ZPixmap, 0,
                              reinterpret_cast<char *>(image.pixels.get()), unsigned(image.width),
                              unsigned(image.height), 32, image.rowBytes());
        if (xi == nullptr) return;
        xi->byte_order = LSBFirst;
        xlib.XPutImage(x.display, xid, x.gc, xi, r.left, r.top, r.left, r.top + band, unsigned(w),
                       unsigned(h));
        xi->data = nullptr;
        XDestroyImage(xi);
        return;
    }
    XImage *xi = xlib.XCreateImage(x.display, x.visual, unsigned(x.depth), ZPixmap, 0, nullptr,
                                   unsigned(w), unsigned(h), 32, 0);
    if (xi == nullptr) return;
    xi->data = static_cast<char *>(std::malloc(std::size_t(xi->bytes_per_line) * std::size_t(h)));
    if (xi->data == nullptr) {
        XDestroyImage(xi);
        return;
    }
    for (int row = 0; row < h; ++row) {
        const std::uint8_t *p =
            image.pixels.get() + std::size_t(r.top + row) * image.rowBytes() + r.left * 4;
        for (int col = 0; col < w; ++col, p += 4)
            XPutPixel(xi, col, row,
                      toMask(p[2], x.redMask) | toMask(p[1], x.greenMask) |
                          toMask(p[0], x.blueMask));
    }
    xlib.XPutImage(x.display, xid, x.gc, xi, 0, 0, r.left, r.top + band, unsigned(w), unsigned(h));
    XDestroyImage(xi);
}

namespace {

void sendImage(ThreadWindows &tw, WindowObject &w) {
    if (tw.x.display == nullptr || w.xid == 0 || w.drawsItself || !w.image) return;
    gdi::Table &t = gdi::table();
    std::lock_guard<std::mutex> hold(t.lock);
    WindowImage &image = *w.image;
    const RECT r = image.dirty;
    if (r.left >= r.right || r.top >= r.bottom) return;
    image.dirty = RECT{0, 0, 0, 0};
    putImage(tw.x, w.xid, image, r, w.menuBand);
}

WindowObject *ownWindow(HWND window) {
    WindowObject *w = findWindow(window);
    return w != nullptr && !w->foreign ? w : nullptr;
}

} // namespace

void showWindowImage(HWND window) {
    ThreadWindows &tw = threadWindows();
    WindowObject *w = findWindow(window);
    if (w == nullptr || tw.x.display == nullptr) return;
    sendImage(tw, *w);
    xlib.XFlush(tw.x.display);
}

void showWindowImages(ThreadWindows &tw) {
    if (tw.x.display == nullptr) return;
    for (auto &entry : tw.windows)
        sendImage(tw, *entry.second);
    xlib.XFlush(tw.x.display);
}

void invalidate(WindowObject &w, const RECT *rect, bool erase) {
    RECT r = rect != nullptr ? *rect : RECT{0, 0, w.clientWidth, w.clientHeight};
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, w.clientWidth);
    r.bottom = std::min(r.bottom, w.clientHeight);
    if (r.left >= r.right || r.top >= r.bottom) return;
    if (w.invalid.left >= w.invalid.right) {
        w.invalid = r;
    } else {
        w.invalid.left = std::min(w.invalid.left, r.left);
        w.invalid.top = std::min(w.invalid.top, r.top);
        w.invalid.right = std::max(w.invalid.right, r.right);
        w.invalid.bottom = std::max(w.invalid.bottom, r.bottom);
    }
    w.eraseNeeded = w.eraseNeeded || erase;
}

void sizeWindowImage(WindowObject &w) {
    WindowClass c;
    const HBRUSH background = findWindowClass(w.className, c) ? c.background : 0;
    gdi::Table &t = gdi::table();
    std::lock_guard<std::mutex> hold(t.lock);
    if (!w.image) w.image = std::make_shared<WindowImage>();
    w.image->resize(w.clientWidth, w.clientHeight);
    const gdi::Brush *brush = t.get<gdi::Brush>(background);
    if (brush == nullptr || brush->hollow) return;
    PixelValue v;
    v.bytes[0] = GetBValue(brush->colour);
    v.bytes[1] = GetGValue(brush->colour);
    v.bytes[2] = GetRValue(brush->colour);
    fillRect(w.image->surface(), 0, 0, w.clientWidth - 1, w.clientHeight - 1, v);
}

void readForeignPicture(ThreadWindows &tw, WindowObject &w) {
    XWindowAttributes a;
    {
        XErrorTrap trap(tw.x.display);
        if (xlib.XGetWindowAttributes(tw.x.display, w.xid, &a) == 0 || trap.failed()) return;
    }
    w.clientWidth = a.width;
    w.clientHeight = a.height;
    XImage *xi = nullptr;
    if (a.map_state == IsViewable) {
        XErrorTrap trap(tw.x.display);
        xi = xlib.XGetImage(tw.x.display, w.xid, 0, 0, unsigned(a.width), unsigned(a.height),
                            AllPlanes, ZPixmap);
        if (trap.failed() && xi != nullptr) {
            XDestroyImage(xi);
            xi = nullptr;
        }
    }
    gdi::Table &t = gdi::table();
    std::lock_guard<std::mutex> hold(t.lock);
    w.image->resize(a.width, a.height);
    w.image->dirty = RECT{0, 0, 0, 0}; // the window shows this already
    if (xi == nullptr) return;
    for (int row = 0; row < w.image->height; ++row) {
        std::uint8_t *p = w.image->pixels.get() + std::size_t(row) * w.image->rowBytes();
        for (int col = 0; col < w.image->width; ++col, p += 4) {
            const unsigned long pixel = XGetPixel(xi, col, row);
            p[0] = std::uint8_t(fromMask(pixel, a.visual->blue_mask));
            p[1] = std::uint8_t(fromMask(pixel, a.visual->green_mask));
            p[2] = std::uint8_t(fromMask(pixel, a.visual->red_mask));
        }
    }
    XDestroyImage(xi);
}

BOOL InvalidateRect(HWND window, const RECT *rect, BOOL erase) {
    if (window == 0) {
        for (auto &entry : threadWindows().windows)
            if (!entry.second->foreign) invalidate(*entry.second, rect, erase != 0);
        return 1;
    }
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    invalidate(*w, rect, erase != 0);
    return 1;
}

BOOL UpdateWindow(HWND window) {
    WindowObject *w = ownWindow(window);
    if (w == nullptr) return 0;
    if (w->invalid.left < w->invalid.right) SendMessageA(window, WM_PAINT, 0, 0);
    return 1;
}

HDC BeginPaint(HWND window, PAINTSTRUCT *paint) {
    WindowObject *w = ownWindow(window);
    if (w == nullptr || paint == nullptr) return 0;
    paint->rcPaint = w->invalid.left < w->invalid.right
                         ? w->invalid
                         : RECT{0, 0, w->clientWidth, w->clientHeight};
    const bool erase = w->eraseNeeded;
    w->invalid = RECT{0, 0, 0, 0};
    w->eraseNeeded = false;
    paint->hdc = gdi::makeWindowContext(window, w->image);
    paint->fErase = erase && SendMessageA(window, WM_ERASEBKGND, WPARAM(paint->hdc), 0) == 0;
    return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT *paint) {
    if (paint == nullptr) return 0;
    return ReleaseDC(window, paint->hdc);
}

HDC GetDC(HWND window) {
    if (window == 0) return gdi::makeWindowContext(0, nullptr);
    ThreadWindows &tw = threadWindows();
    WindowObject *w = windowOrForeign(window);
    if (w == nullptr) return 0;
    if (w->foreign) readForeignPicture(tw, *w);
    return gdi::makeWindowContext(window, w->image);
}

int ReleaseDC(HWND, HDC dc) {
    const HWND window = gdi::removeWindowContext(dc);
    if (window == -1) return 0;
    if (window != 0) showWindowImage(window);
    return 1;
}
