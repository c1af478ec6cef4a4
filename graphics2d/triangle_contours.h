// Contours of triangulated scattered data: the lines of one level and the
// filled bands between levels.
#pragma once

struct GlobalRecord;

// Splits the triangle (xs, ys, zs) at the level s[m] (m < nlev, s ascending)
// and fills the part at or below it in the colour of band m and the part
// above it in the colour of band m + 1; a part without colour is left out.
void qqcnt5(GlobalRecord &rec, const float xs[3], const float ys[3], const float zs[3], int m,
            const float *s, int nlev);

// Fills the triangle of three user points in colour.
void qqcnt6(GlobalRecord &rec, float xa, float ya, float xb, float yb, float xc, float yc,
            int colour);
