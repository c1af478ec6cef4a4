// The software stroke fonts: which alphabet tables each font registers in its
// six slots, the metrics of each slot, and reading one character's strokes.
//
// The text engine keeps the registered tables in its alphabet slots; this
// file holds the facts it registers from and the walk over one glyph record
// (see kernel/glyph_tables.h for the encoding).
#pragma once
#include <cstdint>

#include "kernel/glyph_tables.h"

// Font ids, stored as nfontid.
enum class StrokeFontId : int {
    kavalf = 1, // the default font, 6 by 7 units, monospaced
    complx = 3,
    simplx = 4,
    duplx = 5,
    triplx = 6,
    gothic = 7,
    helve = 11, // ids 11 and above draw their standard alphabet as outlines
    helves = 12,
    serif = 14,
};

// Alphabets, in slot order.
enum class Alphabet : int { stan = 1, gree = 2, math = 3, ital = 4, scri = 5, russ = 6 };
constexpr int kAlphabetSlots = 6;

// What one slot registers: the arguments of lcsets.
struct AlphabetRegistration {
    const GlyphTables *tables; // null: the slot draws from slot 1's tables
    int32_t npoints;           // > 0 packed points, < 0 separate x and y, 0 slot 1's points
    int32_t nindex;            // entries of its own index table; 0 slot 1's index
    int32_t nchars;            // characters of the alphabet (character index = code - 31)
};

// The six registrations of a font in slot order, or null for an unknown id.
const AlphabetRegistration *strokeFontAlphabets(int fontId);

// Glyph units per character height (h - 1) and the gap after each character
// in character heights, as lcinit sets them for a slot (1..6).
struct AlphabetMetrics {
    int32_t unitsX;
    int32_t unitsY;
    float gapfac;
};
AlphabetMetrics strokeAlphabetMetrics(int fontId, int slot);

// Width of the blank in glyph units.
int32_t strokeBlankWidth(int fontId);

// One alphabet of a font with slot 1's tables filled in where it shares them.
struct StrokeAlphabet {
    int fontId = 0;
    int alphabet = 0;
    const int16_t *x = nullptr;
    const int16_t *y = nullptr;
    const int16_t *index = nullptr;
    int32_t npoints = 0;
    int32_t nindex = 0;
    int32_t nrecords = 0;
    int32_t nchars = 0;
    bool packed = false;
    bool primary = false; // draws from the font's first index table
    bool outline = false; // outline glyphs (font id 11 and above on its first index table)
    AlphabetMetrics metrics{};
};
bool strokeAlphabet(int fontId, int alphabet, StrokeAlphabet &out);

// The offsets of a group count 0.5 units for stroke glyphs and 2 for outlines.
inline float glyphOffsetFactor(const StrokeAlphabet &a) {
    return a.outline ? 2.0f : 0.5f;
}

// A packed word split into its two signed bytes.
constexpr int lowSignedByte(int16_t word) {
    return int8_t(uint16_t(word) & 0xFF);
}
constexpr int highSignedByte(int16_t word) {
    return int8_t(uint16_t(word) >> 8);
}

struct GlyphPoint {
    int x;
    int y;
};
// Point at a 1-based position of the alphabet's point table.
GlyphPoint glyphPoint(const StrokeAlphabet &a, int32_t position);

// One stroke group: count points from the 1-based position start, each moved
// by (dx, dy) glyph units.
struct GlyphGroup {
    int32_t count;
    int32_t start;
    float dx;
    float dy;
};

// Reads the stroke groups of one character record. A character index without
// a record, or a record that leaves its tables, is not valid and yields no group.
class GlyphRecordReader {
  public:
    GlyphRecordReader(const StrokeAlphabet &a, int charIndex);
    bool valid() const { return length_ > 0; }
    // Position of the record in the index table (-1 when not valid).
    int32_t position() const { return valid() ? begin_ : -1; }
    bool next(GlyphGroup &group);

  private:
    const StrokeAlphabet &a_;
    int32_t begin_ = 0;
    int32_t length_ = 0;
    int32_t pos_ = 0;
};

// Advance of a character in glyph units: the blank width for index 1; 6 for
// the default font on its first index table; else the largest x + dx of the
// glyph's points (at least 0). -1 for an index that has no valid record.
float glyphAdvanceUnits(const StrokeAlphabet &a, int charIndex);

// The character at a code of the standard alphabets (32..262) as a Unicode
// code point; 0 for codes outside.
int32_t strokeCodeUnicode(int code);
