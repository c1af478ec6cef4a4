// Wide lines drawn in software for the devices that do not stroke widths
// themselves: nested outlines 1.5 base units apart around the centre line,
// with caps at the ends and joins at the corners.
#pragma once

struct GlobalRecord;

// Draws the outlines of the buffered polyline when the line is wide.
void drawWideOutline(GlobalRecord &rec);

// The length a miter limit multiplies, for the devices that stroke lines:
// twice the line width in 1/508 inch, at least 5.
int miterBase(const GlobalRecord &rec);

// Round cap of radius r around (cx, cy) for a line arriving at angle a,
// continuing from (px, py), which becomes the last point drawn.
void qqlcap(GlobalRecord &rec, float cx, float cy, float r, float a, float &px, float &py);
