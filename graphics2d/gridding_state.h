// GriddingState: the settings of getmat that mdfmat changes.
#pragma once

struct GriddingState {
    int nmdfmat[2] = {2, 2}; // reach of a point in grid intervals along x and along y
    float xmdfmat = 2.0f;    // exponent p of the weights 1 / d^p
};
