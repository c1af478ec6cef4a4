// ColourRangeState: a z range fixed by zscale for the colours of shaded
// surfaces and filled contours, in place of their own range.
#pragma once

struct ColourRangeState {
    int izscale = 0;                 // 1: colours are scaled over xzscale
    float xzscale[2] = {0.0f, 0.0f}; // zmin and zmax given to zscale
};
