// The static glyph tables of the software stroke fonts. The tables themselves
// are generated into kernel/fontdata/ by the generators in data/.
//
// Encoding of one alphabet's tables:
// - points: packed (one int16 per point, x in the low byte and y in the high
//   byte, each a signed byte) or separate (an x and a y array of int16);
//   glyph units, y upwards from the baseline, x from the character's left edge;
// - index: one record per character index 2, 3, ... (index 1, the blank, has
//   none): [length L, then stroke groups up to position L - 1]. A group is
//   [count, start]: count points from the 1-based position start; or
//   [-count, start, offset]: the same with an offset added to every point, a
//   packed word (dx low byte, dy high byte) multiplied by 0.5 for stroke
//   glyphs and by 2.0 for outline glyphs.
#pragma once
#include <cstdint>

struct GlyphTables {
    const int16_t *x;     // packed points, or the x coordinates
    const int16_t *y;     // the same array as x for packed points, else the y coordinates
    int32_t npoints;      // points in the table
    const int16_t *index; // character records of the indices 2, 3, ...
    int32_t nindex;       // entries of the index table
    int32_t nrecords;     // character records: indices 2 .. nrecords + 1
    bool packed;          // packed points (x == y)
};

namespace fontdata {
// Standard alphabets of the fonts with tables of their own.
extern const GlyphTables kavalfStan, simplxStan, duplxStan, triplxStan;
extern const GlyphTables helveStan, helvesStan, serifStan; // outline glyphs
// Greek alphabets that use the points of their font's standard alphabet.
extern const GlyphTables kavalfGreek, simplxGreek;
// Alphabets that several fonts share, named by the routines that register them.
extern const GlyphTables lcomro, lcomgr, lcomit, lcmath, lcomsc, lcomcy, lgroma, lgital, lgscri;

// The characters at the codes 32..262 of the standard alphabets, as Unicode
// code points (the accented letters from 127 on).
constexpr int kStrokeCodes = 231;
extern const uint16_t strokeCodeCharacters[kStrokeCodes];
} // namespace fontdata
