// The drawing table: stock objects, the system palette, and colours as pixels.
#include "platform/gdi_table.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace gdi {

namespace {

// The fixed colours of a palette screen: the first ten and the last ten
// entries of the system palette.
constexpr PALETTEENTRY kFixedLow[10] = {
    {0, 0, 0, 0},     {128, 0, 0, 0},   {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
};
constexpr PALETTEENTRY kFixedHigh[10] = {
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},
    {0, 255, 0, 0},     {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},
    {0, 255, 255, 0},   {255, 255, 255, 0},
};

COLORREF entryColour(const PALETTEENTRY &e) {
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace

void Table::restoreFixedColours() {
    std::memcpy(system, kFixedLow, sizeof kFixedLow);
    std::memcpy(system + 246, kFixedHigh, sizeof kFixedHigh);
}

Table::Table() {
    for (PALETTEENTRY &e : system)
        e = PALETTEENTRY{0, 0, 0, 0};
    restoreFixedColours();

    auto addStock = [&](int index, Object object) {
        const HGDIOBJ h = newHandle();
        objects.emplace(h, std::move(object));
        stock.insert(h);
        stockObjects[index] = h;
    };
    addStock(WHITE_BRUSH, Brush{RGB(255, 255, 255), false});
    addStock(LTGRAY_BRUSH, Brush{RGB(192, 192, 192), false});
    addStock(GRAY_BRUSH, Brush{RGB(128, 128, 128), false});
    addStock(DKGRAY_BRUSH, Brush{RGB(64, 64, 64), false});
    addStock(BLACK_BRUSH, Brush{RGB(0, 0, 0), false});
    addStock(NULL_BRUSH, Brush{0, true});
    addStock(WHITE_PEN, Pen{PS_SOLID, 1, RGB(255, 255, 255)});
    addStock(BLACK_PEN, Pen{PS_SOLID, 1, RGB(0, 0, 0)});
    addStock(NULL_PEN, Pen{PS_NULL, 1, 0});
    LOGFONTA systemFont{};
    systemFont.lfHeight = 16;
    systemFont.lfWeight = FW_NORMAL;
    addStock(SYSTEM_FONT, Font{systemFont, nullptr});
    Palette fixed{};
    fixed.count = 20;
    for (int i = 0; i < 10; ++i) {
        fixed.entries[i] = kFixedLow[i];
        fixed.systemIndex[i] = std::uint8_t(i);
        fixed.entries[10 + i] = kFixedHigh[i];
        fixed.systemIndex[10 + i] = std::uint8_t(246 + i);
    }
    addStock(DEFAULT_PALETTE, fixed);

    defaultBitmap = newHandle();
    objects.emplace(defaultBitmap, newBitmap(1, 1));
    stock.insert(defaultBitmap);
}

Bitmap newBitmap(int width, int height) {
    Bitmap b{width, height, screenBitsPerPixel(), 0, nullptr};
    b.rowBytes = b.bitsPerPixel == 8 ? (width + 1) & ~1 : width * 4;
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide) return b;
    b.bits.reset(new (std::nothrow) std::uint8_t[b.size()]());
    return b;
}

Target Table::target(Context &c) {
    switch (c.kind) {
    case ContextKind::Memory:
        if (Bitmap *b = get<Bitmap>(c.bitmap)) return Target{b->surface(), nullptr};
        break;
    case ContextKind::Window:
        if (c.image) return Target{c.image->surface(), c.image.get()};
        break;
    case ContextKind::Screen:
    case ContextKind::Metafile: break;
    }
    return Target{};
}

std::uint8_t Table::nearestSystemIndex(COLORREF colour) const {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int d = std::abs(system[i].peRed - GetRValue(colour)) +
                      std::abs(system[i].peGreen - GetGValue(colour)) +
                      std::abs(system[i].peBlue - GetBValue(colour));
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
            if (d == 0) break;
        }
    }
    return std::uint8_t(best);
}

PixelValue Table::pixelOf(const Context &c, int bytesPerPixel, COLORREF colour) {
    PixelValue v;
    const bool paletteIndex = (colour >> 24) == 1;
    if (paletteIndex) {
        const Palette *p = get<Palette>(c.palette);
        if (p == nullptr) p = get<Palette>(stockObjects[DEFAULT_PALETTE]);
        const int i = int(colour & 0xFFFF) < p->count ? int(colour & 0xFFFF) : 0;
        if (bytesPerPixel == 1) {
            v.bytes[0] = p->systemIndex[i];
            return v;
        }
        colour = entryColour(p->entries[i]);
    }
    if (bytesPerPixel == 1) {
        v.bytes[0] = nearestSystemIndex(colour);
        return v;
    }
    v.bytes[0] = GetBValue(colour);
    v.bytes[1] = GetGValue(colour);
    v.bytes[2] = GetRValue(colour);
    return v;
}

COLORREF Table::colourOf(const std::uint8_t *pixel, int bytesPerPixel) const {
    if (bytesPerPixel == 1) return entryColour(system[pixel[0]]);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

Table &table() {
    static Table t;
    return t;
}

int screenBitsPerPixel() {
    static const int bits = [] {
        const char *value = std::getenv("KAVLOR_SCREEN_BITS");
        return value != nullptr && std::strcmp(value, "8") == 0 ? 8 : 32;
    }();
    return bits;
}

} // namespace gdi
