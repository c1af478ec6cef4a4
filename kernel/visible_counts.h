// Loops whose count follows from a caller's argument (a step, a count of grid
// lines, a frame's thickness, patches of a sphere) are bounded by what can be
// seen on the page: marks closer than a plot unit, rings wider than the page
// or patches smaller than a pixel cannot be told apart. The drawing routines
// then warn (101 with the text given) and draw what can be seen.
#pragma once

#include <cstdint>

// True when count marks fit along length plot units, at most one per unit.
inline bool marksFit(std::int64_t count, std::int64_t length) {
    return count <= (length < 0 ? -length : length) + 1;
}

// Warning 101 with text, as "Ticks closer than a plot unit".
void warnNotSeen(const char *text);
