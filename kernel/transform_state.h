// TransformState: the base transformation applied to every point the line
// pipeline receives.
#pragma once

struct TransformState {
    int itrfon = 0;                        // 1 while the base transformation is in force
    float xtrfmat[6] = {1, 0, 0, 0, 1, 0}; // rows (a, b, c) and (d, e, f); c, f in plot units
};
