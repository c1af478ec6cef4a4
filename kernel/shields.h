// Shields: areas of the page in which lines are not drawn. While shields
// exist, every visible segment is split at their boundaries and only the
// pieces whose midpoints lie outside every shield in force are drawn.
#pragma once

struct GlobalRecord;

// Draws the segment from (x1, y1), where the pen is, to (x2, y2) with shields.
void qqbl01(GlobalRecord &rec, float x1, float y1, float x2, float y2);

// 3 (a pen move) when the point lies in a shield in force, else 2 (a draw).
int qqbl06(GlobalRecord &rec, float x, float y);

// Keeps the split points xs, ys strictly between the two ends along the
// segment's longer axis, ordered from (x1, y1) towards (x2, y2); m is updated.
void qqrmsr(float x1, float y1, float x2, float y2, float xs[], float ys[], int &m);

// A pen move (code 3) or draw (code 2) that respects the shields; a draw
// starts where the last call ended.
void qqbldr(GlobalRecord &rec, float x, float y, int code);

// Draws one outline of a closed polygon shifted sideways by offset: shifted
// edges meet at their intersection, or at the shifted vertex where two edges
// run in one line.
void qqbl08(GlobalRecord &rec, const float x[], const float y[], int n, float offset);

// Flushes the polyline buffer; mode 1 then saves the base transformation
// switch and switches it off, so that a shield's frame lies on the page as the
// shield does; any other mode switches it back.
void qqbl09(GlobalRecord &rec, int mode);

// The frames drawn round user shields (class 0) while the frame thickness
// nframe is not 0, before the shield itself is added: |nframe| rings, outwards
// for a positive and inwards for a negative thickness.
// A rectangle from (nx, ny), nw by nh, turned by angle degrees about that
// corner; plot units of the internal page without the origin shift.
void frameRectangleShield(GlobalRecord &rec, int nx, int ny, int nw, int nh, float angle);
// An ellipse of semi-axes a, b about (cx, cy) turned by angle degrees, a pie
// sector of radius r from alpha to beta degrees, a polygon; all with the
// origin shift.
void frameEllipseShield(GlobalRecord &rec, float cx, float cy, int a, int b, float angle);
void framePieShield(GlobalRecord &rec, float cx, float cy, int r, float alpha, float beta);
void framePolygonShield(GlobalRecord &rec, const float x[], const float y[], int n);

// An automatic shield of class cls (a rectangle from the page point (x1, y1),
// width by height, turned by angle degrees about that corner), defined after
// the pending stroke is drawn; automatic shields get no frame.
void addAutomaticRectangleShield(GlobalRecord &rec, int cls, float x1, float y1, float width,
                                 float height, float angle);
