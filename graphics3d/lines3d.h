// Lines of the 3-D world: started and continued at absolute box points,
// clipped at the box (WORL) or at the view volume (EYE), projected and handed
// to the 2-D line pipeline.
#pragma once

struct GlobalRecord;

// Starts a 3-D line at an absolute point.
void qqst3d(GlobalRecord &rec, float x, float y, float z);
// Continues the current 3-D line to an absolute point.
void qqcn3d(GlobalRecord &rec, float x, float y, float z);

// Clips the homogeneous segment P0 P1 to the view volume in place; 1 when a
// visible part remains.
int qqclp3(float &x0, float &y0, float &z0, float &w0, float &x1, float &y1, float &z1, float &w1);
// 1 when the homogeneous point lies outside the view volume, else 0.
int qqcsc3(float x, float y, float z, float w);
// Per coordinate 1 below the box, 3 above, 2 within; the result is the
// number of coordinates outside.
int chkvl3(const GlobalRecord &rec, float x, float y, float z, int &cx, int &cy, int &cz);

// The point of the segment at x = xc (y = yc, z = zc); 1 when the segment is
// parallel to that plane and off it (the outputs are then not written).
int yzcut3(float x1, float y1, float z1, float x2, float y2, float z2, float xc, float &y,
           float &z);
int xzcut3(float x1, float y1, float z1, float x2, float y2, float z2, float yc, float &x,
           float &z);
int xycut3(float x1, float y1, float z1, float x2, float y2, float z2, float zc, float &x,
           float &y);

// Reports the user points outside the scaling of the 3-D axis system.
void chksc3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n);
// Polyline through n user points, without report or curve attributes.
void polyl3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n);
