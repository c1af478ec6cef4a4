// Device header and scale at kavini.
#pragma once

struct GlobalRecord;

// Scale of the raster-like devices and screen windows: the page (turned for
// portrait output) fitted into a width x height pixel area, and with the
// scaling mode DOWN no larger than the page at its own size.
float rasterScale(const GlobalRecord &rec, int width, int height);

// Sets the bits per pixel and the device scale of a file device and writes the
// head of its file.
void kavi03(GlobalRecord &rec);

// Opens the screen window of a screen device and takes its size, position,
// colour depth and scale.
void kavi01(GlobalRecord &rec);
