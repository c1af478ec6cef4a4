// The z range of the colour scaling of shaded surfaces and filled contours.
#pragma once

struct GlobalRecord;

// setzpa with the range fixed by zscale when one is set, else with za..ze
// (the plot's own range: its Z axis or its levels).
void scaleColours(GlobalRecord &rec, float za, float ze);

// resall and reset("ZSCA"): the plots use their own ranges again.
void resetColourRange(GlobalRecord &rec);
