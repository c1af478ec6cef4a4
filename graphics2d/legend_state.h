// LegendState: the attributes of the legend entries that the plotting routines
// record (slegnd) for a legend to show.
#pragma once

constexpr int kLegendEntries = 30;

struct LegendState {
    // The legend curve table, entries 1..30 at 0..29; -1 means none.
    int nlegtyp[kLegendEntries] = {}; // line style
    int nlegclr[kLegendEntries] = {}; // colour
    int nlegpat[kLegendEntries] = {}; // shading pattern
    int nlegthk[kLegendEntries] = {}; // line thickness
    int nlegsym[kLegendEntries] = {}; // marker symbol
    int nlegcrv = 0;                  // highest entry recorded since the axis system began
    int ilegpat = 0; // 1 when entries were defined by hand: slegnd leaves the table alone
};
