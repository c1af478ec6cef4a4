// One flat-coloured triangle of page points on whatever device is open, by
// the cheapest means the device has.
#pragma once

struct GlobalRecord;

// Fills the triangle x[3], y[3] (plot units, shifted by the origin as every
// polygon is) in the colour value. The pixel devices fill it themselves and
// outline it in the same colour, so that neighbouring triangles leave no gaps;
// PostScript writes one "tri" record, PDF one filled path; the other devices,
// and a triangle with a corner outside the clip window, go through the polygon
// fill in the current pattern. The current colour becomes the triangle's.
void qqftri(GlobalRecord &rec, const float x[3], const float y[3], int colour);
