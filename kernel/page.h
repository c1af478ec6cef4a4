// Page geometry helpers every drawing routine uses.
#pragma once

struct GlobalRecord;
struct PageState;

// A length of n tenths of a millimetre in plot units: trunc(n / xunits + 0.5).
int jqquni(const GlobalRecord &rec, int n);

// A user y on the page into the internal top-down system: mirrored about the
// page height when the page origin is at the bottom and no routine is drawing
// at user coordinates.
int jqqyvl(const GlobalRecord &rec, int y);

// A page wider than high lies turned by 90 degrees on the portrait paper of
// PostScript and PDF (x and y exchange), unless the orientation is NONE.
bool turnedOnPaper(const PageState &page);
