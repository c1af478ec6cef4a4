// Device header and scale at kavini.
#pragma once

struct GlobalRecord;

// Sets the bits per pixel and the device scale and writes the head of the
// file or opens the window: the driver's open entry.
void kavi03(GlobalRecord &rec);

// Scale of the raster-like devices and screen windows: the page (turned for
// portrait output) fitted into a width x height pixel area, and with the
// scaling mode DOWN no larger than the page at its own size.
float rasterScale(const GlobalRecord &rec, int width, int height);

// Scale of PostScript and PDF: the page fitted onto the paper, width by height
// in device units.
float paperScale(const GlobalRecord &rec, float paperW, float paperH);
