// Cutting a polygon to a rectangle, for fills that the device can take whole
// once nothing of them lies outside the clip rectangle.
#pragma once

// The most points a cut polygon may have (the polygon and the four sides'
// crossings, with room for a few turns in and out).
constexpr int kMaxCutPolygon = 64;

// Cuts the polygon of n points to the rectangle x1..x2, y1..y2 (edges
// included), one side after the other, into cx, cy (kMaxCutPolygon points
// each). A polygon that leaves and enters the rectangle more than once keeps
// one piece whose parts are joined along the rectangle's edge, which encloses
// nothing. Returns the number of points, fewer than 3 when nothing of the
// polygon lies inside, or -1 when the result would not fit.
int cutPolygonToRectangle(const float x[], const float y[], int n, float x1, float y1, float x2,
                          float y2, float cx[], float cy[]);
