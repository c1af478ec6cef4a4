// Filling polygons with the current pattern and colour: by the device where it
// can fill, otherwise with scan lines drawn through the line pipeline.
#pragma once

struct GlobalRecord;

// The outline of the polygon: from point 1 through point n back to point 1.
void arealx(GlobalRecord &rec, const float x[], const float y[], int n);

// Fills the polygon of n points (plot units, without the origin shift) with the
// current pattern and colour. The caller's arrays are left as they are.
void dareaf(GlobalRecord &rec, const float x[], const float y[], int n);

// One scan-line span of a fill, drawn as a hatch line: turned back to the hatch
// angle, and skipped while the pattern's group of skipped lines runs.
void dlinef(GlobalRecord &rec, const float xs[2], const float ys[2]);

// Fills the polygon by the device when the device can fill it as it is: a
// solid pattern, no shields, every vertex inside the clip rectangle. Returns
// false, having drawn nothing, when the polygon must be filled in software.
bool fillByDevice(GlobalRecord &rec, const float x[], const float y[], int n);

// Fills the polygon as dareaf does, but first cuts one that crosses the edge
// of the clip rectangle to the rectangle where the device could then fill it
// itself: the cells of filled contours along the edge of an axis system. (Scan
// lines cut one by one at the edge leave streaks on vector devices.) A polygon
// with nothing inside the rectangle draws nothing.
void fillCutToWindow(GlobalRecord &rec, const float x[], const float y[], int n);
