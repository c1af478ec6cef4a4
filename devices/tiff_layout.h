// The layout of the TIFF files this library writes (and reads back): "II",
// 42, the directory at offset 8, then the strip offsets, the strip byte
// counts, the two resolutions, the colour map (palette form) or the three
// bits per sample (RGB form), and the rows, uncompressed, one row per strip.
#pragma once
#include <cstdint>

namespace tiff {

// Tags of the directory, in the order written.
enum Tag : std::uint16_t {
    NewSubfileType = 254,
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    Compression = 259,
    PhotometricInterpretation = 262,
    StripOffsets = 273,
    SamplesPerPixel = 277,
    RowsPerStrip = 278,
    StripByteCounts = 279,
    XResolution = 282,
    YResolution = 283,
    ResolutionUnit = 296,
    ColorMap = 320,
};

// Field types.
enum Type : std::uint16_t { Short = 3, Long = 4, Rational = 5 };

// PhotometricInterpretation values.
enum Photometric : std::uint16_t { BlackIsZero = 1, Rgb = 2, Palette = 3 };

constexpr int kDirectoryOffset = 8;
constexpr int kEntrySize = 12;
constexpr int kColourMapBytes = 3 * 256 * 2;

// Offset of the first byte after the directory of n entries: the entry
// count, the entries and the next-directory offset.
constexpr int afterDirectory(int entries) {
    return kDirectoryOffset + 2 + kEntrySize * entries + 4;
}

} // namespace tiff
