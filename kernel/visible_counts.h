// Loops whose count follows from a caller's argument (a step, a count of grid
// lines, a frame's thickness, patches of a sphere) are bounded by what can be
// seen on the page: marks closer than a plot unit, rings wider than the page
// or patches smaller than a pixel cannot be told apart. The drawing routines
// then warn (101 with the text given) and draw what can be seen.
#pragma once

#include <cstdint>

struct PageState;

// True when count marks fit along length plot units, at most one per unit.
inline bool marksFit(std::int64_t count, std::int64_t length) {
    return count <= (length < 0 ? -length : length) + 1;
}

// Warning 101 with text, as "Ticks closer than a plot unit".
void warnNotSeen(const char *text);

// The rings of a frame, one plot unit apart, that can reach the page round a
// shape extent plot units across: as many as the page is wide and high, and
// as many more as inward rings take to cross the shape (no more than the
// page's longer side: a shape on the page is no wider).
int ringsSeen(const PageState &page, std::int64_t extent);

// wanted rings held to ringsSeen, with warning 101 "Frame thicker than the
// page" when some are left out.
int ringsShown(const PageState &page, std::int64_t extent, std::int64_t wanted);
