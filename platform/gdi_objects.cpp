// Pens, brushes and stock objects, and their selection into contexts:
// CreatePen, CreateSolidBrush, GetStockObject, SelectObject, DeleteObject,
// GetObjectA.
#include <cstring>
#include <utility>

#include "platform/gdi_table.h"
#include "platform/metafile_records.h"
#include "platform/windows.h"

using namespace gdi;

HPEN CreatePen(int style, int width, COLORREF colour) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const HPEN pen = t.newHandle();
    t.objects.emplace(pen, Pen{style, width, colour});
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const HBRUSH brush = t.newHandle();
    t.objects.emplace(brush, Brush{colour, false});
    return brush;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index > DEFAULT_PALETTE) return 0;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    return t.stockObjects[index];
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    auto it = t.objects.find(object);
    if (c == nullptr || it == t.objects.end()) return 0;
    HGDIOBJ *current = nullptr;
    if (std::holds_alternative<Pen>(it->second))
        current = &c->pen;
    else if (std::holds_alternative<Brush>(it->second))
        current = &c->brush;
    else if (std::holds_alternative<Bitmap>(it->second) && c->kind == ContextKind::Memory)
        current = &c->bitmap;
    else if (std::holds_alternative<Font>(it->second))
        current = &c->font;
    if (current == nullptr) return 0;
    if (c->kind == ContextKind::Metafile) recordSelect(t, *c, object);
    const HGDIOBJ previous = *current;
    *current = object;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    auto it = t.objects.find(object);
    if (it == t.objects.end()) return 0;
    if (t.stock.count(object) != 0) return 1;
    if (std::holds_alternative<Pen>(it->second))
        recordRemoval(t, object, RecordedKind::pen);
    else if (std::holds_alternative<Brush>(it->second))
        recordRemoval(t, object, RecordedKind::brush);
    else if (std::holds_alternative<Font>(it->second))
        recordRemoval(t, object, RecordedKind::font);
    // Contexts never draw with a removed object: they fall back to their defaults.
    for (auto &entry : t.contexts) {
        Context &c = entry.second;
        if (c.kind == ContextKind::Metafile) continue;
        if (c.pen == object) c.pen = t.stockObjects[BLACK_PEN];
        if (c.brush == object) c.brush = t.stockObjects[WHITE_BRUSH];
        if (c.bitmap == object) c.bitmap = t.defaultBitmap;
        if (c.palette == object) c.palette = t.stockObjects[DEFAULT_PALETTE];
        if (c.font == object) c.font = t.stockObjects[SYSTEM_FONT];
    }
    t.objects.erase(it);
    return 1;
}

int GetObjectA(HGDIOBJ object, int size, void *buffer) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const Bitmap *b = t.get<Bitmap>(object);
    if (b == nullptr || buffer == nullptr || size < int(sizeof(BITMAP))) return 0;
    BITMAP description{0, b->width, b->height, b->rowBytes, 1, WORD(b->bitsPerPixel), nullptr};
    std::memcpy(buffer, &description, sizeof description);
    return int(sizeof description);
}
