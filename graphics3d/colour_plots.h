// The frame that the colour plots of graf3 share (curve3, curvx3, curvy3,
// crvmat, crvtri): their checks and the extent of a matrix.
#pragma once

struct GlobalRecord;

// The CURV group of shdmod: a box per point (RECT) or a symbol (SYMB).
constexpr int kCurveSymbols = 1;

// The record at level 3 of graf3; null after the level's warning, or after
// warning 35 inside the box of graf3d.
GlobalRecord *openColourPlot(const char *name);

// The extent xa, xe, ya, ye in user values over which crvmat spreads a
// matrix: that of sursze or the X and Y axis ranges, as powers of ten on
// logarithmic axes.
void colourPlotExtent(const GlobalRecord &rec, float extent[4]);
