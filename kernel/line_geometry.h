// Angles and intersections of straight lines in plot coordinates.
#pragma once

// atan2(a, b); +-pi/2 when b is within 1e-6 of 0. Angles of segments are
// qqatan(y1 - y2, x2 - x1): measured with y pointing up.
float qqatan(float a, float b);

// Intersection of the line through (xa[0], ya[0]), (xa[1], ya[1]) with the
// line through the points b; 1, or 0 when the lines are parallel.
int qqcut2(const float xa[2], const float ya[2], const float xb[2], const float yb[2], float &x,
           float &y);
