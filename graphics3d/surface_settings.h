// Defaults of the surface options, for resall.
#pragma once

struct GlobalRecord;

// Both families of grid lines, no mesh on shaded surfaces, hidden lines
// removed, the axis range as the extent of matrix surfaces, mesh lines in the
// current colour, and the first mode of every shading group. (The visible
// side and the side colours are defaults of the hidden lines.)
void resetSurfaceDefaults(GlobalRecord &rec);
