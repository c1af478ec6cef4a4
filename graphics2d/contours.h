// Contour lines: the tracer of grid contours and the line sink that draws
// traced or given lines with labels.
#pragma once

struct GlobalRecord;

// Mask operations of icrmsk.
constexpr int kMaskAllocate = -1; // i = nx, j = ny; 0 when there is memory, else warning 53 and 1
constexpr int kMaskFree = -2;
constexpr int kMaskTest = 0;       // 1 when bit (i, j) is set
constexpr int kMaskTestAndSet = 1; // as kMaskTest, and the bit is set afterwards

int icrmsk(GlobalRecord &rec, int i, int j, int mode);

// contur after its level check: the lines of level zlev drawn with labels,
// thick copies and a legend entry.
void contourGrid(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
                 const float *zmat, float zlev);

// Finds and traces every line of level zlev on the grid (nx, ny >= 2).
void contu1(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
            const float *zmat, float zlev);

// The walk of contu1 without the label set-up: xconlev = zlev, then every
// line of the level handed point by point to contu4, and its end.
void traceContourLevel(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
                       const float *zmat, float zlev);

// Traces the line that crosses the edge from the low grid point (i1, j1) to
// its high neighbour (i2, j2).
void contu2(GlobalRecord &rec, const float *xray, int nx, const float *yray, int ny,
            const float *zmat, int i1, int j1, int i2, int j2);

// The level point between A (above the level) and B, passed to contu4.
void contu3(GlobalRecord &rec, float xa, float ya, float za, float xb, float yb, float zb);

// The line sink: a user point, or the end of the line when iconlin is 4.
void contu4(GlobalRecord &rec, float x, float y);

// The sink of conpts: a user point stored into the caller's arrays.
void qqcpt3(GlobalRecord &rec, float x, float y);

// Draws the polyline of n user points as a contour line of level zlev, with
// labels when they are on.
void contu0(GlobalRecord &rec, const float *x, const float *y, int n, float zlev);

// The gap (and text length) a label of the current settings needs:
// xconlev = zlev, xconlbg and xconlbl.
void beginContourLine(GlobalRecord &rec, float zlev);

// Room for the held-back label points; false after warning 53.
bool holdLabelPoints(GlobalRecord &rec);
void releaseLabelPoints(GlobalRecord &rec);

// Contour label settings of resall.
void resetContourDefaults(GlobalRecord &rec);
