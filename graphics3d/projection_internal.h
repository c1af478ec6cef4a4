// Steps of the 3-D conversions shared by the public conversion routines.
#pragma once

struct GlobalRecord;

// A user value of axis 0 (X), 1 (Y) or 2 (Z) in absolute box coordinates.
float boxCoordinate(const GlobalRecord &rec, int axis, float value);

// An absolute box point to plot coordinates, without mirroring.
void absoluteToPage(const GlobalRecord &rec, float bx, float by, float bz, float &xp, float &yp);
