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
