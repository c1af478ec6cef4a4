// The 3-D bars that surfce draws in the curve mode BARS.
#pragma once

struct GlobalRecord;
struct IndexWalk;

// A bar per grid point of z (x index slowest, ny values per x), from the
// Z start of the axis system up to the point's value, in walk order. Points
// below the lower Z limit get no bar.
void drawBars(GlobalRecord &rec, const float *x, const float *y, const float *z, int ny,
              const IndexWalk &wx, const IndexWalk &wy);
