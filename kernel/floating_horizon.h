// Hidden lines of surfaces by a floating horizon.
#pragma once

struct GlobalRecord;

// Modes of dhline.
constexpr int kHorizonStart = 0; // allocate the arrays if needed, clear every column
constexpr int kHorizonDraw = 2;  // draw from the current point to (x, y), visible parts only
constexpr int kHorizonMove = 3;  // the current point becomes (x, y)
constexpr int kHorizonEnd = 999; // free the arrays

// The horizon routine: x, y in plot units, rounded to whole units.
void dhline(GlobalRecord &rec, float x, float y, int mode);
