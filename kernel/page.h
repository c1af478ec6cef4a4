// Page geometry helpers every drawing routine uses.
#pragma once

#include "kernel/page_state.h"

struct GlobalRecord;

// A length of n tenths of a millimetre in plot units: trunc(n / xunits + 0.5).
int jqquni(const GlobalRecord &rec, int n);

// A user y on the page into the internal top-down system: mirrored about the
// page height when the page origin is at the bottom and no routine is drawing
// at user coordinates.
int jqqyvl(const GlobalRecord &rec, int y);

// A page wider than high lies turned by 90 degrees on the portrait paper of
// PostScript and PDF (x and y exchange), unless the orientation is NONE.
// Inline: the device conversion asks it for every point.
inline bool turnedOnPaper(const PageState &page) {
    return page.nxpage > page.nypage && page.ipagmod != 2;
}
