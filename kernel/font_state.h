// FontState: the font in use. A software stroke font registers up to six
// alphabets in its slots; a device font (PostScript, Windows, bitmap) keeps a
// width table and serves the standard alphabet while the stroke font serves
// the others.
#pragma once
#include <cstdint>
#include <memory>

#include "kernel/bdf_font.h"
#include "kernel/stroke_fonts.h"

// An alphabet slot: the glyph tables the alphabet draws from and its metrics.
using AlphabetSlot = StrokeAlphabet;

constexpr int kContourPoints = 200;  // outline points of one character
constexpr int kDeviceWidths = 231;   // widths of a device font, codes 32..262
constexpr int kBitmapFontFiles = 12; // the BDF files of the fonts folder
constexpr int kFontNameLength = 79;

// Font kinds.
enum class FontKind : int { stroke = 0, postscript = 1, window = 2, bitmap = 3 };

struct FontState {
    // Stroke font.
    int nfontid = 1;                         // id of the registered font (StrokeFontId)
    AlphabetSlot slots[kAlphabetSlots] = {}; // alphabet s in slot s - 1
    int nslots = 0;                          // slots registered
    int32_t npointtot = 0; // running totals of registered points and index entries
    int32_t nindextot = 0;
    int32_t nblank = 6;     // width of the blank in glyph units
    float xfixbas = 1.4f;   // fixed width = (h - 1) * factor * xfixbas * width factor
    float xitadiv = 3.732f; // italic characters slant by y / xitadiv
    int ishdcha = 0;        // 1: outline characters are filled

    // Parameters of the alphabet loaded by salfpa.
    const AlphabetSlot *palfcur = nullptr;
    float xalfscl = 0.0f; // plot units per glyph unit, across and up
    float yalfscl = 0.0f;

    // The outline of the character being drawn, collected for the fill.
    float xshdcon[kContourPoints] = {};
    float yshdcon[kContourPoints] = {};
    int nshdcon = 0;

    // Device fonts.
    int ifontyp = 0;                        // FontKind
    char chwfont[kFontNameLength + 1] = ""; // name of the device font ("-German" after re-encoding)
    int npsfont = 0;                        // index 0..34 of the PostScript font
    int npsunit = 1000;                     // its metric unit
    int16_t nchwid[kDeviceWidths] = {};     // advances of the device font by code - 32
    int ipsmode = 0; // Greek and italic in PostScript fonts: 0 NONE, 1 GREE, 2 ITAL, 3 BOTH
    char cpsfsave[kFontNameLength + 1] =
        ""; // the string's PostScript font while others serve Greek or italic
    int npsfsave = 0;
    int ipsfswitched = 0; // 1 while such a font is selected

    // Bitmap fonts: files read once per thread, by family and size.
    std::unique_ptr<BdfFont> pbdfcache[kBitmapFontFiles];
    int ibdfcur = -1; // file of the bitmap font in use
};
