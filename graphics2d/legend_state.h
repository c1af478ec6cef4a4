// LegendState: the layout of the legend (entry count and length, title,
// position, the factors of its parts) and the attributes of its entries that
// the plotting routines record (slegnd) or legpat sets by hand. The texts
// themselves live in the caller's buffer: entry i (1-based) holds the nlegchr
// characters from (i - 1) * nlegchr, blank-padded and without a NUL.
#pragma once

constexpr int kLegendEntries = 30;
constexpr int kLegendEntryChars = 80; // longest entry text
constexpr int kLegendTitleChars = 20;

struct LegendState {
    // The legend curve table, entries 1..30 at 0..29; -1 means none.
    int nlegtyp[kLegendEntries] = {}; // line style
    int nlegclr[kLegendEntries] = {}; // colour
    int nlegpat[kLegendEntries] = {}; // shading pattern
    int nlegthk[kLegendEntries] = {}; // line thickness
    int nlegsym[kLegendEntries] = {}; // marker symbol
    int nlegcrv = 0;                  // highest entry recorded since the axis system began
    int ilegpat = 0; // 1 when entries were defined by hand: slegnd leaves the table alone
    char clegdef[kLegendEntries] = {}; // '1' for an entry legpat defined, blank otherwise

    int ilegini = 0;         // 1 after legini
    int nleglin = 0;         // entries, 1..30
    int nlegchr = 0;         // characters per entry, 1..80
    int ilegclr = 0;         // 1: entry texts in the entry's colour (legclr)
    int imixleg = 0;         // 1: the LEG control character splits entries into lines (mixleg)
    int ilegpos = 1;         // 1: placed at a corner; 0: at nlegpos
    int nlegpos[2] = {0, 0}; // upper-left corner of the box (legpos), plot units
    int nlegwth = 0;         // widest legend leglin met, plot units
    int nleghgt = 0;         // tallest legend leglin met, plot units
    int ilegtwd = 0;         // 1 when the title is wider than the entries
    int nlegtxw = 0;         // widest entry text line, plot units
    // Pattern length and margin, both in character heights, and the spacing of
    // the text lines of one entry in line steps.
    float xlegopt[3] = {4.0f, 0.5f, 1.0f};
    char clegtit[kLegendTitleChars + 1] = "Legende";
};
