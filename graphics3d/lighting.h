// The lighting model of lit surfaces and the normal of a triangle.
#pragma once

struct GlobalRecord;

// The colour the lights give at point P with unit normal N (absolute box
// coordinates), each channel at most 1.
void qqglit(const GlobalRecord &rec, float px, float py, float pz, float nx, float ny, float nz,
            float &r, float &g, float &b);

// Normal of the triangle P1 P2 P3: (P2 - P1) x (P3 - P2), the opposite for
// iopt not 0; unit length unless it is (nearly) zero.
void qqgnvc(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3,
            float z3, float &nx, float &ny, float &nz, int iopt);
