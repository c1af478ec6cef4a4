// ShadedCurveState: the areas that shdcrv has shaded in the current axis
// system; the count numbers their legend entries and picks the next pattern.
#pragma once

struct ShadedCurveState {
    int nshdcnt = 0; // areas shaded since the axis system was set up (endgrf clears it)
};
