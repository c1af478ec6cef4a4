// Automatic scaling: the data ranges that setscl recorded become rounded axis
// values at the next axis system.
#pragma once

struct GlobalRecord;

// Replaces start, end, first label and step of axis 1..3 by a rounded scaling
// of the range setscl recorded for it; leaves them when setscl did not.
void gscale(GlobalRecord &rec, float &a, float &e, float &orig, float &step, int axis);
