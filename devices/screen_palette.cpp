// The screen's colours: a colour number or explicit RGB value turned into
// what the screen shows (true colour, or a palette index on 8-bit and 4-bit
// screens), and the colour table loaded into the palette (qqwvlt).
#include <algorithm>

#include "devices/nearest_colour.h"
#include "devices/screen_driver.h"
#include "devices/screen_pixels.h"
#include "devices/screen_windows.h"
#include "kernel/colour_value.h"
#include "kernel/record.h"

namespace {

constexpr int kClrmodNone = 0;
constexpr int kClrmodFull = 1;

// Palette index of colour number n on a palette screen.
int paletteIndex(const DriverRecord &d, const WindowTable &t, int n) {
    if (d.ivltkind == kColourTableSmall) {
        if (n == 0) return 0;
        const int p = n % 8;
        return p == 0 ? 8 : p;
    }
    if (d.ivltkind == kColourTableVga) return n % 16;
    if (d.nbits == 8) {
        const int m = n % 256;
        if (t.iclrmod == kClrmodNone) return (m + 1) / 2;
        if (t.iclrmod == kClrmodFull) return m;
        return m % 128;
    }
    if (d.nbits == 4) {
        if (t.iclrmod != kClrmodNone) return n % 16;
        if (n == 0) return 0;
        if (n == 255) return 15;
        return int(float(n - 1) * 13.0f / 253.0f + 1.5f);
    }
    return 0;
}

// The colour number that palette entry j shows on a palette of fewer than
// 256 entries: the table spread over the entries.
int entryColour(const DriverRecord &d, const WindowTable &t, int j) {
    if (t.npalsize >= 256 || d.ivltkind == kColourTableSmall || d.ivltkind == kColourTableVga)
        return j;
    if (d.nbits == 4) {
        if (j == 0) return 0;
        if (j == 15) return 255;
        if (t.iclrmod != kClrmodNone) return j;
        return int(float(j - 1) * 253.0f / 13.0f + 1.5f);
    }
    return j > 0 && t.iclrmod == kClrmodNone ? 2 * j - 1 : j;
}

} // namespace

COLORREF qqgc16(const WindowTable &t, int i) {
    const PALETTEENTRY &e = t.palette[i & 0xFF];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

void qqsc16(COLORREF value, int &red, int &green, int &blue) {
    red = GetRValue(value);
    green = GetGValue(value);
    blue = GetBValue(value);
}

COLORREF screenColour(const DriverRecord &d, const WindowTable &t, int colour) {
    int n = colourNumber(colour);
    if (isExplicitColour(colour)) {
        if (t.iclrmodel == kTrueColour) return COLORREF(colour) & 0xFFFFFFu;
        n = qqgind(d, rgbRed(colour), rgbGreen(colour), rgbBlue(colour));
    }
    if (t.iclrmodel == kTrueColour) return qqgc16(t, n % 256);
    return PALETTEINDEX(WORD(paletteIndex(d, t, n)));
}

void qqwvlt(GlobalRecord &rec, int kind, const int table[256]) {
    DriverRecord *dp = rec.dev.pdriver.get();
    WindowTable *tp = screenTable(rec);
    if (dp == nullptr || tp == nullptr) return;
    DriverRecord &d = *dp;
    WindowTable &t = *tp;
    for (int j = 0; j < 256; ++j) {
        d.red[j] = std::uint8_t(tableRed(table[j]));
        d.green[j] = std::uint8_t(tableGreen(table[j]));
        d.blue[j] = std::uint8_t(tableBlue(table[j]));
    }
    d.ivltkind = kind;
    if (t.iclrmodel == kNoColours) return;
    const bool palette = t.iclrmodel != kTrueColour;
    if (palette && t.hdccur != 0) {
        SetSystemPaletteUse(t.hdccur, SYSPAL_NOSTATIC);
        SetSystemPaletteUse(t.hdccur, SYSPAL_STATIC);
    }
    const int count = kind == kColourTableSmall ? 9 : (kind == kColourTableVga ? 16 : t.npalsize);
    for (int j = 0; j < std::min(count, 256); ++j) {
        const int c = entryColour(d, t, j);
        t.palette[j] = PALETTEENTRY{d.red[c], d.green[c], d.blue[c], PC_NOCOLLAPSE};
    }
    if (palette && t.hpal != 0) {
        SetPaletteEntries(t.hpal, 0, UINT(std::min(count, t.npalsize)), t.palette);
        if (t.hdccur != 0) RealizePalette(t.hdccur);
    }
}
