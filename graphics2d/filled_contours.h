// Filled contours: the bands between contour levels of a grid, filled cell by
// cell or as the polygons the line tracer closes, and their colours.
#pragma once

struct GlobalRecord;

// The band of value v for the ascending levels s: 0 up to s[0], nlev above
// s[nlev-1], else k + 1 for s[k] < v <= s[k+1]; -1 for a value that is no number.
int contourBand(const float *s, int nlev, float v);

// Colour of band b (0..nlev) for the level array lev; -1 leaves the band unfilled.
int qqcnt4(const GlobalRecord &rec, const float *lev, int nlev, int b);

// Fills the user rectangle with corners (xa, ya) and (xb, yb) in colour.
int qqcnt0(GlobalRecord &rec, float xa, float ya, float xb, float yb, int colour);

// The user point of level L on the segment a-b, linear in the values; a when
// both ends have the same value.
void levelPointOf(float xa, float ya, float za, float xb, float yb, float zb, float L, float &x,
                  float &y);

// Plot coordinates of the point of level L on the segment a-b.
void qqgpkt(const GlobalRecord &rec, float xa, float ya, float za, float xb, float yb, float zb,
            float L, float &xp, float &yp);

// A grid cell (i, j) with corner values c and their bands b (corners in the
// order (i, j), (i+1, j), (i+1, j+1), (i, j+1)): crossed by exactly one level
// (qqcnt1) or by several (qqcnt2). s: the ascending levels.
void qqcnt1(GlobalRecord &rec, const float *x, const float *y, int i, int j, const float c[4],
            const int b[4], const float *s, int nlev);
void qqcnt2(GlobalRecord &rec, const float *x, const float *y, int i, int j, const float c[4],
            const float *s, int nlev);

// One point of a traced line while the line sink fills (iconfil 1).
void contourFillPoint(GlobalRecord &rec, float x, float y);

// The band colour list of resall.
void resetFilledContourDefaults(GlobalRecord &rec);
