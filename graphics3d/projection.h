// The view matrix and the conversions between user values, the absolute box
// and the page. The matrix is built once per graf3d; the conversions are
// straight-line arithmetic on the record, called per point.
#pragma once

struct GlobalRecord;

// View point, focus and the lights of mode USER or ANGL in absolute box
// coordinates, with the axis limits of graf3d; warning 33 and the default
// view point for a view point inside the box.
void svuabs(GlobalRecord &rec, float xa, float xe, float ya, float ye, float za, float ze);

// The view matrix of eye E, focus F, up angle vup, half view angle vang and
// the front and back distances (back -1: no back plane), row by row.
void qqgmat(float ex, float ey, float ez, float fx, float fy, float fz, float vup, float vang,
            float front, float back, float matrix[16]);

// User values -> absolute box coordinates (logarithmic axes through log10).
void qqpos3(const GlobalRecord &rec, float x, float y, float z, float &bx, float &by, float &bz);

// User values -> plot coordinates, y mirrored for the page origin BOTT unless
// iusrdrw is 1.
void qqrel3(const GlobalRecord &rec, float x, float y, float z, float &xp, float &yp);

// Absolute box coordinates -> homogeneous point M (x, y, z, 1).
void qqgsc3(const GlobalRecord &rec, float bx, float by, float bz, float &hx, float &hy, float &hz,
            float &hw);

// Homogeneous point -> plot coordinates on the page, without mirroring.
void homogeneousToPage(const GlobalRecord &rec, float hx, float hy, float hw, float &xp, float &yp);

// Plot point of the 2-D axis system open in the plane of grfini -> plot
// point on that plane of the box, in place.
void proj3d(const GlobalRecord &rec, float &x, float &y);

// 1 when a logarithmic axis gets a non-positive value among the n points
// (with its warning), else 0.
int jqqlg3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n);
