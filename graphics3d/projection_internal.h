// Steps of the 3-D conversions shared by the public conversion routines.
#pragma once

struct GlobalRecord;

// A value taken linearly between the axis limits a and e onto the box edge
// of length l (-l/2 .. l/2), and back.
inline float linearToBox(float v, float a, float e, float l) {
    return (v - a) * l / (e - a) - l / 2.0f;
}
inline float boxToLinear(float b, float a, float e, float l) {
    return (b + l / 2.0f) * (e - a) / l + a;
}

// A user value of axis 0 (X), 1 (Y) or 2 (Z) in absolute box coordinates.
float boxCoordinate(const GlobalRecord &rec, int axis, float value);

// The point at angles alpha (in the xy plane), beta (elevation), both in
// degrees, and distance r from the box centre, in absolute box coordinates.
void angularToAbsolute(const GlobalRecord &rec, float alpha, float beta, float r, float p[3]);

// An absolute box point to plot coordinates, without mirroring.
void absoluteToPage(const GlobalRecord &rec, float bx, float by, float bz, float &xp, float &yp);
