// Bitmaps: CreateCompatibleBitmap, GetBitmapBits, SetBitmapBits.
#include <algorithm>
#include <cstring>

#include "platform/gdi_table.h"
#include "platform/windows.h"

using namespace gdi;

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    Bitmap bitmap = newBitmap(width, height);
    if (!bitmap.bits) return 0;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const HBITMAP handle = t.newHandle();
    t.objects.emplace(handle, std::move(bitmap));
    return handle;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG count, void *bits) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Bitmap *b = t.get<Bitmap>(bitmap);
    if (b == nullptr || bits == nullptr || count <= 0) return 0;
    const std::size_t n = std::min(b->size(), std::size_t(count));
    std::memcpy(bits, b->bits.get(), n);
    return LONG(n);
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD count, const void *bits) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Bitmap *b = t.get<Bitmap>(bitmap);
    if (b == nullptr || bits == nullptr) return 0;
    const std::size_t n = std::min(b->size(), std::size_t(count));
    std::memcpy(b->bits.get(), bits, n);
    return LONG(n);
}
