// The drawing table: stock objects, the system palette, and colours as pixels.
#include "platform/gdi_table.h"

#include "platform/thread_windows.h"

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
    // Of fixed depth: the table is made before anyone asks for the screen.
    objects.emplace(defaultBitmap, newBitmap(1, 1, 32));
    stock.insert(defaultBitmap);
}

Bitmap newBitmap(int width, int height, int bitsPerPixel) {
    Bitmap b{width, height, bitsPerPixel, 0, nullptr};
    // Rows of whole 16-bit words.
    b.rowBytes = bitsPerPixel == 8 ? (width + 1) & ~1 : width * (bitsPerPixel / 8);
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
    return trueColourPixel(colour, bytesPerPixel);
}

COLORREF Table::colourOf(const std::uint8_t *pixel, int bytesPerPixel) const {
    if (bytesPerPixel == 1) return entryColour(system[pixel[0]]);
    if (bytesPerPixel == 2) {
        // The high bits repeated in the low ones: 5-bit 31 is 8-bit 255.
        const unsigned word = unsigned(pixel[0]) | unsigned(pixel[1]) << 8;
        const unsigned r = word >> 11, g = (word >> 5) & 0x3F, b = word & 0x1F;
        return RGB(r << 3 | r >> 2, g << 2 | g >> 4, b << 3 | b >> 2);
    }
    return RGB(pixel[2], pixel[1], pixel[0]);
}

PixelValue trueColourPixel(COLORREF colour, int bytesPerPixel) {
    PixelValue v;
    if (bytesPerPixel == 2) {
        const unsigned word = unsigned(GetRValue(colour) >> 3) << 11 |
                              unsigned(GetGValue(colour) >> 2) << 5 |
                              unsigned(GetBValue(colour) >> 3);
        v.bytes[0] = std::uint8_t(word & 0xFF);
        v.bytes[1] = std::uint8_t(word >> 8);
        return v;
    }
    v.bytes[0] = GetBValue(colour);
    v.bytes[1] = GetGValue(colour);
    v.bytes[2] = GetRValue(colour);
    return v;
}

Table &table() {
    static Table t;
    return t;
}

int screenBitsPerPixel() {
    static const bool palette = [] {
        const char *value = std::getenv("KAVLOR_SCREEN_BITS");
        return value != nullptr && std::strcmp(value, "8") == 0;
    }();
    if (palette) return 8;
    const XConnection &x = threadWindows().x;
    return x.display != nullptr && x.depth == 16 ? 16 : 32;
}

} // namespace gdi
