// Angles and corners of shield shapes.
#pragma once

// Degrees to radians: degrees * 0.017453292.
float qqang1(float degrees);

// The angle brought into -0.00001 .. 2 pi + 0.00001 by whole turns.
float qqang2(float radians);

// Intersection of the line through (x1, y1) at angle a1 with the line through
// (x2, y2) at angle a2 (radians, slope -tan a as y runs downwards): 1, or 0
// when the lines are parallel or both vertical.
int qqcut1(float x1, float y1, float x2, float y2, float a1, float a2, float &x, float &y);
