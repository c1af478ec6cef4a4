// The base transformation: an affine map of the page plane.
#pragma once

struct GlobalRecord;

// Maps a point in place: x' = a x + b y + c, y' = d x + e y + f.
inline void btrf01(const float m[6], float &x, float &y) {
    const float nx = m[0] * x + m[1] * y + m[2];
    const float ny = m[3] * x + m[4] * y + m[5];
    x = nx;
    y = ny;
}

// Starts from the identity when no transformation is in force.
void btrini(GlobalRecord &rec);
