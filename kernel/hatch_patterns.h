// Shading patterns: how far apart the scan lines of a fill lie, at which angle,
// whether a second pass crosses the first, and whether lines come in groups.
#pragma once

struct GlobalRecord;

// The pattern that fills solid.
constexpr int kSolidPattern = 16;

// Chooses pattern n: 0..17 from the table, a larger n as a pattern code
// (angle * 1000 + type * 100 + density * 10 + cross). false, after warning 2,
// when n is negative or its code is out of range; nothing changes then.
bool selectPattern(GlobalRecord &rec, int n);

// The pattern of the four components; false, after a warning for each
// component out of range, when any is; nothing changes then.
bool setPattern(GlobalRecord &rec, int angle, int type, int density, int cross);
