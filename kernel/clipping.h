// Clipping of strokes to the clip rectangle or circle.
#pragma once

struct GlobalRecord;

// 1 when the point lies outside the clip region, else 0.
int jqqclp(const GlobalRecord &rec, float x, float y);

// Codes of a point against a window: 1 before, 2 inside, 3 after (tolerance
// 0.001); returns the number of codes that are not 2.
int chkval(float x, float y, int &codeX, int &codeY, int x1, int y1, int x2, int y2);

float ycut(float xa, float ya, float xb, float yb, float x);
float xcut(float xa, float ya, float xb, float yb, float y);

// Cuts the segment to the window x1..x2, y1..y2 (edges included): each end
// outside is moved onto the edge it crosses, and moved1 or moved2 tell which
// ends moved. False when the segment misses the window.
bool cutToWindow(float &xa, float &ya, float &xb, float &yb, int x1, int y1, int x2, int y2,
                 bool &moved1, bool &moved2);

// Intersections of the line through (x1, y1), (x2, y2) with the ellipse
// x^2/a^2 + y^2/b^2 = 1; returns their number.
int cutcrc(float a, float b, float x1, float y1, float x2, float y2, float xs[2], float ys[2]);

// Draws the visible part of a segment.
void clip2d(GlobalRecord &rec, float x1, float y1, float x2, float y2);
