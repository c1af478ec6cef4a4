// The built-in colour tables SMAL, VGA, GREY, TEMP (RAIN and SPEC are data in
// colour_table_data.cpp) and their reversed forms.
#include "kernel/colour_tables.h"
#include "kernel/rounding.h"

#include <algorithm>

const std::array<int, 9> kNamedColours = {0x01FFFFFF, 0x010000FF, 0x0100FF00,
                                          0x0100FFFF, 0x01FF0000, 0x010080FF,
                                          0x01FFFF00, 0x01FF00FF, 0x01000000};
const std::array<int, 9> kNamedGreys = {0x01FFFFFF, 0x01E6E6E6, 0x01B9B9B9, 0x01969696, 0x015F5F5F,
                                        0x01D7D7D7, 0x01AFAFAF, 0x016E6E6E, 0x01000000};

namespace {

constexpr int kSmallTable[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                                0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};
constexpr int kVgaTable[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
                               0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF,
                               0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

// The temperature scale: black through red and yellow to white; the factors
// are 255/150, 255/135 and 255/65 in double precision.
int temperatureEntry(int i) {
    const int red = i >= 150 ? 255 : truncToInt(i * (255.0 / 150.0) + 0.5);
    const int green = i < 120 ? 0 : truncToInt((i - 120) * (255.0 / 135.0) + 0.5);
    const int blue = i < 190 ? 0 : truncToInt((i - 190) * (255.0 / 65.0) + 0.5);
    return (red << 16) | (green << 8) | blue;
}

} // namespace

void loadColourTable(ColourTableKind kind, int (&table)[256]) {
    switch (kind) {
    case ColourTableKind::Smal:
        std::copy(std::begin(kSmallTable), std::end(kSmallTable), table);
        break;
    case ColourTableKind::Vga: std::copy(std::begin(kVgaTable), std::end(kVgaTable), table); break;
    case ColourTableKind::Rain:
    case ColourTableKind::Rrai: std::copy(kRainbowTable.begin(), kRainbowTable.end(), table); break;
    case ColourTableKind::Spec:
    case ColourTableKind::Rspe:
        std::copy(kSpectrumTable.begin(), kSpectrumTable.end(), table);
        break;
    case ColourTableKind::Grey:
    case ColourTableKind::Rgre:
        for (int i = 0; i < 256; ++i)
            table[i] = i * 0x010101;
        break;
    case ColourTableKind::Temp:
        for (int i = 0; i < 256; ++i)
            table[i] = temperatureEntry(i);
        break;
    }
    if (kind == ColourTableKind::Rrai || kind == ColourTableKind::Rspe ||
        kind == ColourTableKind::Rgre)
        std::reverse(std::begin(table), std::end(table));
}
