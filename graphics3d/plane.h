// The 3-D plane: a 2-D plot drawn into a face (or any parallelogram) of the
// 3-D box. While it is in force the line pipeline carries every point onto it.
#pragma once

struct GlobalRecord;

// The corner of the box with number 1..8: corners 1..4 go round the bottom
// face from (-, -, -) anticlockwise seen from above, 5..8 lie above them.
void boxCorner(const GlobalRecord &rec, int corner, float &x, float &y, float &z);

// Puts the plane through the absolute points P1, P2, P3 in force (level 1):
// the 2-D axis-system rectangle then covers the parallelogram P1, P2, P3.
void openPlane(GlobalRecord &rec, const float p1[3], const float p2[3], const float p3[3]);
// The same for three box corners 1..8.
void openCornerPlane(GlobalRecord &rec, int q1, int q2, int q3);

// Ends the plane: the 3-D axis system is current again (level 3).
void closePlane(GlobalRecord &rec);
