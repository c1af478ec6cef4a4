// The steps of suriso: the monotony check of the grid, the corners of a cube,
// the counting pass, the corner gradients, the cut of a cube to the axis
// ranges, the triangles of a cube and the crossing point on an edge.
#pragma once

struct GlobalRecord;

// 0 when the n values are strictly monotonic, else warning 101 "arrays must
// be monoton" and 1. One value passes.
int jqqcmo(const float *array, int n);

// The corners of cube (i, j, k) of the grid: coordinates and values.
void loadCube(const float *x1ray, const float *x2ray, const float *x3ray, const float *wmat, int ny,
              int nz, int i, int j, int k, float cx[8], float cy[8], float cz[8], float cw[8]);

// The triangles of all cubes of the grid, each cube cut to the axis ranges
// first: as many as the drawing makes.
int jqqcu0(GlobalRecord &rec, const float *x1ray, int nx, const float *x2ray, int ny,
           const float *x3ray, int nz, const float *wmat, float wlev);

// The corner gradients of cube (i, j, k). For i > 0 the face on x index i is
// taken over from the call for cube i - 1, whose arrays the caller keeps.
void qqgngr(const float *x1ray, int nx, const float *x2ray, int ny, const float *x3ray, int nz,
            const float *wmat, int i, int j, int k, float gx[8], float gy[8], float gz[8]);

// The start and end of an axis in user values (logarithmic axes hold exponents).
void axisEnds(const GlobalRecord &rec, int axis, float &start, float &end);

// 1 when the cube lies outside the axis ranges, else 0 after cutting its
// corner coordinates and values to them in place.
int qqcub0(const GlobalRecord &rec, float cx[8], float cy[8], float cz[8], float cw[8]);

// The triangles of one cube (0..4). Unless countonly is 1, px, py, pz get
// 3 * count corners in user coordinates, and with light 1 r, g, b their lit
// colours; boxScale holds the box units per user unit of the three axes,
// by which a gradient becomes a direction in the box.
int qqcub1(const GlobalRecord &rec, const float cx[8], const float cy[8], const float cz[8],
           const float cw[8], float wlev, int countonly, const float gx[8], const float gy[8],
           const float gz[8], int light, const float boxScale[3], float px[12], float py[12],
           float pz[12], float r[12], float g[12], float b[12]);

// The point where the level crosses the segment from point 1 to point 2.
void qqcub2(float x1, float y1, float z1, float w1, float x2, float y2, float z2, float w2,
            float wlev, float &x, float &y, float &z);
