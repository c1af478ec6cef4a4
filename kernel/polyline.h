// The polyline buffer and the stroke pipeline. Every line enters through
// strtqq/connqq (with the origin shift) or qqmove/qqdraw (without), is
// collected in a buffer of 100 points, and reaches the device only through
// qqstrk, which clips it and hands it to the dispatch.
#pragma once

struct GlobalRecord;

void strtqq(GlobalRecord &rec, float x, float y);
void connqq(GlobalRecord &rec, float x, float y);
void qqmove(GlobalRecord &rec, float x, float y);
void qqdraw(GlobalRecord &rec, float x, float y);
void qqstrk(GlobalRecord &rec);
void lineqq(GlobalRecord &rec, int x1, int y1, int x2, int y2);
void xline(GlobalRecord &rec, const float x[2], const float y[2]);

// Stores a point at the end of the buffer (projected and transformed) and
// flushes a full buffer, which then restarts at its last point.
void appendPoint(GlobalRecord &rec, float x, float y);

// The last step of every visible segment: the pen is at (x1, y1); draw to (x2, y2).
void drawVisibleSegment(GlobalRecord &rec, float x1, float y1, float x2, float y2);
