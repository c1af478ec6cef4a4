// The 35 standard PostScript fonts: names, metric units, character widths and
// italic variants, as psfont and the text engine use them.
#pragma once
#include <cstdint>

constexpr int kPsFonts = 35;
constexpr int kPsWidthSets = 25;
constexpr int kPsWidthChars = 102;               // codes 32..133 of a width set
constexpr int kPsWidthWords = kPsWidthChars / 2; // two widths per word, high byte first
constexpr int kPsWidths = 155;                   // width table of a PostScript font: codes 32..186
constexpr int kPsFixedWidth = 84;                // every width of width set 0 (Courier)
constexpr int kPsNameLength = 30;                // characters of a name that psfont compares

// The name of a font's copy with the accented letters at the codes 127..186
// is the font's name and this suffix.
constexpr char kGermanFontSuffix[] = "-German";

struct PsFont {
    const char *name;
    int32_t unit;     // metric unit: a character of height h has size (1000 / unit) * h
    int32_t widthSet; // 1..25, or 0: all widths 84
    int32_t italic;   // index of the italic variant, or -1
};

// The font table cfnt, by font index 0..34.
extern const PsFont cfnt[kPsFonts];

// The width sets 1..25 (generated from AFM files into kernel/fontdata/).
extern const uint16_t psWidthSets[kPsWidthSets][kPsWidthWords];

// Index of the font whose name equals the first 30 characters of name without
// regard to case; -1 when there is none.
int psFontIndex(const char *name);

// Width of character index 0..101 (code - 32) in width set 0..25.
int psWidthByte(int widthSet, int charIndex);

// The width table of font 0..34 by character index (code - 32): codes 32..133
// from its width set, and the accented letters 134..186 from their base letters;
// a font of width set 0 has all widths 84.
void psFontWidths(int font, int16_t widths[kPsWidths]);
