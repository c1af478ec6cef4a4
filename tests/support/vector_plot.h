// The plot the vector file tests draw on every format: lines in colours,
// dashes, wide lines with joins and caps, filled boxes and a filled polygon,
// on the default A4 landscape page with a white background.
#pragma once

struct GlobalRecord;

// Draws it into the open plot.
void drawVectorPlot(GlobalRecord &rec);

// The device fill of a solid polygon, by the device's writer routine (what the
// area fill sends to PostScript, PDF, SVG and WMF); x, y in plot units.
void fillOnDevice(GlobalRecord &rec, const float *x, const float *y, int n);
