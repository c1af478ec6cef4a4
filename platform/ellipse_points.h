// Points along an ellipse given by its bounding box, for Ellipse, Arc and
// Chord: they become a polygon or a polyline of the raster core. Consecutive
// points are at most a pixel apart.
#pragma once
#include <vector>

#include "platform/win_types.h"

struct EllipseShape {
    double cx, cy; // centre
    double rx, ry; // radii
};

// The ellipse inside columns left..right - 1 and rows top..bottom - 1.
EllipseShape ellipseInBox(int left, int top, int right, int bottom);
// Where the ray from the centre towards (x, y) meets the ellipse, as the
// angle of the ellipse's parameter (0 to the right, counter-clockwise on the
// screen), in [0, 2 pi).
double rayAngle(const EllipseShape &e, int x, int y);
// Appends the points from angle start counter-clockwise through sweep
// (0 < sweep <= 2 pi), both ends included, repeated points left out.
void appendArc(const EllipseShape &e, double start, double sweep, std::vector<POINT> &points);
