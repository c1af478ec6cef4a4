// The axes of the 3-D box in the label styles HORI, PARA and OTHE: each axis
// is a line of the box projected onto the page, with ticks, labels and a name
// drawn as page strokes and page text beside it.
//
// An axis runs through values of its own coordinate at the fixed user
// coordinates p1, p2 of the other two (X: y and z, Y: x and z, Z: x and y).
// Angles are page angles in radians, measured with the page's y upwards.
// side 0 puts ticks and labels towards the direction that the other angle
// points away from, side 1 towards it. On a logarithmic axis a, e, first and
// step are exponents.
#pragma once

struct GlobalRecord;

// Label styles of the 3-D axes (ilabl3d).
enum class Label3dStyle { standard = 0, horizontal, parallel, other };

// The page point of the axis value v (a user value, not an exponent).
void projectAxisValue(const GlobalRecord &rec, int axis, float v, float p1, float p2, float &xp,
                      float &yp);

// One axis: line, ticks, labels and name, each in the colour of its part.
void qqax3d(GlobalRecord &rec, float a, float e, float first, float step, const char *name,
            int side, int logarithmic, float p1, float p2, float axisAngle, float otherAngle,
            int axis);

// The ticks, m per label interval, pointing along the other angle.
void qqmr3d(GlobalRecord &rec, float a, float e, float first, float step, int m, int side,
            int logarithmic, float p1, float p2, float otherAngle, int axis);

// The labels; returns their extent away from the axis.
int qqlb3d(GlobalRecord &rec, float a, float e, float first, float step, int side, int logarithmic,
           float p1, float p2, float axisAngle, float otherAngle, int axis);

// The name beyond labels of the given extent, centred on the axis.
void qqnm3d(GlobalRecord &rec, const char *name, float a, float e, int side, int logarithmic,
            int extent, float p1, float p2, float axisAngle, float otherAngle, int axis);
