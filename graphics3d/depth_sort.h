// The depth-sort buffer: faces projected to the page with a depth key, drawn
// from the farthest to the nearest, so that nearer faces paint over farther
// ones on every device.
#pragma once

struct GlobalRecord;

// Opens an empty buffer for capacity polygons of corners (3 or 4) corners in
// place of any open one (capacity is the caller's count of faces: the buffer
// grows past it should the count fall short). status 0 ok, 1 no memory
// (warning 53, no buffer).
void dbfini(GlobalRecord &rec, int corners, int capacity, int &status);
// Adds a face of n (3 or 4) absolute box points, dropped without a message
// when a corner fails the clipping test of clip3d. n = 5: four corners whose
// depth key is z[4], stored without a test. A full buffer grows (qqsput).
void qqds3d(GlobalRecord &rec, const float x[], const float y[], const float z[], int n,
            int colour);
// Sorts, draws every face farthest first (outlined in the colour current at
// the call when the surface mesh is on) and frees the buffer.
void dbffin(GlobalRecord &rec, int corners);

// The storage of the buffer. mode 0 opens it as dbfini, 1 frees it, 2 sorts
// it by depth, 3 returns the number of polygons in status.
void qqsini(GlobalRecord &rec, int mode, int corners, int capacity, int &status);
// Stores a polygon of page points (as many as the buffer's corners). A full
// buffer grows; status 1 and nothing stored when there is no buffer, or when
// the memory to grow cannot be had (warning 53, once for the buffer).
void qqsput(GlobalRecord &rec, const float x[], const float y[], float depth, int colour,
            int &status);
// The i-th polygon (0-based) in drawing order; status 1 when there is none.
void qqsget(GlobalRecord &rec, float x[], float y[], int i, int &colour, int &status);
