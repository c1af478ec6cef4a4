// Colour values and ColourTable entries: the one place that says how they
// are laid out. A colour value is a colour number 0..255 (larger values are
// taken modulo 256), or an explicit RGB value 0x01BBGGRR (top byte 1). A
// ColourTable entry is packed the other way round: 0xRRGGBB.
#pragma once
#include <cstdint>

constexpr bool isExplicitColour(int value) {
    return (static_cast<std::uint32_t>(value) >> 24) == 1;
}
constexpr int colourNumber(int value) {
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFu);
}
constexpr int explicitColour(int red, int green, int blue) {
    return 0x01000000 | (blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF);
}

// The components of an explicit value.
constexpr int rgbRed(int value) {
    return value & 0xFF;
}
constexpr int rgbGreen(int value) {
    return (value >> 8) & 0xFF;
}
constexpr int rgbBlue(int value) {
    return (value >> 16) & 0xFF;
}

// The components of a ColourTable entry.
constexpr int tableRed(int entry) {
    return (entry >> 16) & 0xFF;
}
constexpr int tableGreen(int entry) {
    return (entry >> 8) & 0xFF;
}
constexpr int tableBlue(int entry) {
    return entry & 0xFF;
}
