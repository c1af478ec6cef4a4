// Solid fills of figures in software: marker symbols, arrow heads, sectors
// and the logo are filled with scan lines drawn straight into the polyline
// buffer (qqmove/qqdraw: no origin shift, no dashes), whatever the pattern.
#pragma once

struct GlobalRecord;

// One span of such a fill: a move to its first end, a draw to its second.
void drawSolidSpan(GlobalRecord &rec, const float xs[2], const float ys[2]);

// Fills the polygon of n points (plot units with the origin shift) with scan
// lines spacing apart. A polygon of many points needs work memory: when it
// cannot be had, warning 53 and nothing is drawn.
void fillSolid(GlobalRecord &rec, const float x[], const float y[], int n, float spacing);
