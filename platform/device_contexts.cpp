// Contexts and their settings: CreateCompatibleDC, DeleteDC, GetDeviceCaps,
// SetMapMode, GetMapMode, DPtoLP, SetWindowOrgEx, SetWindowExtEx, SetTextColor,
// SetBkMode; and the window and screen contexts that GetDC and BeginPaint make.
#include "platform/device_contexts.h"

#include "platform/metafile_records.h"
#include "platform/thread_windows.h"
#include "platform/windows.h"

using namespace gdi;

namespace {

// A raster context with the defaults a new one starts with.
HDC addContext(Table &t, ContextKind kind) {
    const HDC dc = t.newHandle();
    Context &c = t.contexts[dc];
    c.kind = kind;
    c.pen = t.stockObjects[BLACK_PEN];
    c.brush = t.stockObjects[WHITE_BRUSH];
    c.palette = t.stockObjects[DEFAULT_PALETTE];
    c.font = t.stockObjects[SYSTEM_FONT];
    c.bitmap = kind == ContextKind::Memory ? t.defaultBitmap : 0;
    return dc;
}

} // namespace

namespace gdi {

HDC makeWindowContext(HWND window, std::shared_ptr<WindowImage> image) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const HDC dc = addContext(t, image ? ContextKind::Window : ContextKind::Screen);
    Context &c = t.contexts[dc];
    c.window = window;
    c.image = std::move(image);
    return dc;
}

HWND removeWindowContext(HDC dc) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || (c->kind != ContextKind::Window && c->kind != ContextKind::Screen))
        return -1;
    const HWND window = c->window;
    t.contexts.erase(dc);
    return window;
}

} // namespace gdi

HDC CreateCompatibleDC(HDC) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    return addContext(t, ContextKind::Memory);
}

BOOL DeleteDC(HDC dc) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || c->kind != ContextKind::Memory) return 0;
    t.contexts.erase(dc);
    return 1;
}

int GetDeviceCaps(HDC, int index) {
    const bool palette = screenBitsPerPixel() == 8;
    switch (index) {
    case HORZRES: return threadWindows().x.width;
    case VERTRES: return threadWindows().x.height;
    case BITSPIXEL: return screenBitsPerPixel();
    case PLANES: return 1;
    case RASTERCAPS: return palette ? RC_PALETTE : 0;
    case SIZEPALETTE: return palette ? 256 : 0;
    case NUMRESERVED: return palette ? 20 : 0;
    default: return 0;
    }
}

int SetMapMode(HDC dc, int mode) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr) return 0;
    if (c->kind == ContextKind::Metafile)
        recordMapMode(*c, mode);
    else if (mode != MM_TEXT)
        return 0; // raster contexts draw in device units only
    const int previous = c->mapMode;
    c->mapMode = mode;
    return previous;
}

int GetMapMode(HDC dc) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Context *c = t.context(dc);
    return c == nullptr ? 0 : c->mapMode;
}

BOOL DPtoLP(HDC dc, POINT *, int) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Context *c = t.context(dc);
    return c != nullptr && c->mapMode == MM_TEXT ? 1 : 0;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT *previous) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || c->kind != ContextKind::Metafile) return 0;
    if (previous != nullptr) *previous = recordedWindowOrg(*c);
    recordWindowOrg(*c, x, y);
    return 1;
}

BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE *previous) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || c->kind != ContextKind::Metafile) return 0;
    if (previous != nullptr) *previous = recordedWindowExt(*c);
    recordWindowExt(*c, x, y);
    return 1;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr) return CLR_INVALID;
    if (c->kind == ContextKind::Metafile) recordTextColour(*c, colour);
    const COLORREF previous = c->textColour;
    c->textColour = colour;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) recordBkMode(*c, mode);
    const int previous = c->bkMode;
    c->bkMode = mode;
    return previous;
}
