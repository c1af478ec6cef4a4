// Logical palettes and the system palette of the emulated palette screen:
// CreatePalette, SetPaletteEntries, SelectPalette, RealizePalette,
// SetSystemPaletteUse. On a true-colour screen a palette only names colours
// (PALETTEINDEX); on the palette screen its entries must be realized into the
// system palette before pixels can show them.
#include <algorithm>

#include "platform/gdi_table.h"
#include "platform/windows.h"

using namespace gdi;

namespace {

// Entries that have no place of their own yet show the nearest system colour.
void mapToNearest(const Table &t, Palette &p, int first, int count) {
    for (int i = first; i < first + count; ++i)
        p.systemIndex[i] = t.nearestSystemIndex(
            RGB(p.entries[i].peRed, p.entries[i].peGreen, p.entries[i].peBlue));
}

} // namespace

HPALETTE CreatePalette(const LOGPALETTE *logical) {
    if (logical == nullptr || logical->palNumEntries < 1 || logical->palNumEntries > 256) return 0;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Palette p{};
    p.count = logical->palNumEntries;
    std::copy_n(logical->palPalEntry, p.count, p.entries);
    mapToNearest(t, p, 0, p.count);
    const HPALETTE handle = t.newHandle();
    t.objects.emplace(handle, p);
    return handle;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY *entries) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Palette *p = t.get<Palette>(palette);
    if (p == nullptr || entries == nullptr || t.stock.count(palette) != 0 ||
        start >= UINT(p->count))
        return 0;
    count = std::min(count, UINT(p->count) - start);
    std::copy_n(entries, count, p->entries + start);
    mapToNearest(t, *p, int(start), int(count));
    return count;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL) {
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr || c->kind == ContextKind::Metafile || t.get<Palette>(palette) == nullptr)
        return 0;
    const HPALETTE previous = c->palette;
    c->palette = palette;
    return previous;
}

UINT RealizePalette(HDC dc) {
    if (screenBitsPerPixel() != 8) return 0;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    Context *c = t.context(dc);
    if (c == nullptr) return 0;
    Palette *p = t.get<Palette>(c->palette);
    if (p == nullptr || t.stock.count(c->palette) != 0) return 0;
    // The free part of the system palette: all of it, or all but the fixed
    // colours at both ends.
    const bool fixedKept = t.systemUse == SYSPAL_STATIC;
    const int first = fixedKept ? 10 : 0;
    const int last = fixedKept ? 245 : 255;
    int placed = 0;
    for (int i = 0; i < p->count && first + i <= last; ++i) {
        t.system[first + i] =
            PALETTEENTRY{p->entries[i].peRed, p->entries[i].peGreen, p->entries[i].peBlue, 0};
        p->systemIndex[i] = std::uint8_t(first + i);
        ++placed;
    }
    mapToNearest(t, *p, placed, p->count - placed);
    return UINT(placed);
}

UINT SetSystemPaletteUse(HDC, UINT use) {
    if (use != SYSPAL_STATIC && use != SYSPAL_NOSTATIC) return SYSPAL_ERROR;
    Table &t = table();
    std::lock_guard<std::mutex> hold(t.lock);
    const UINT previous = t.systemUse;
    t.systemUse = use;
    if (use == SYSPAL_STATIC) t.restoreFixedColours();
    return previous;
}
