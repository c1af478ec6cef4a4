// The Delaunay triangulation of scattered points: incremental insertion in x
// order inside a large super triangle.
#pragma once

// Status of qqdlau.
enum class DelaunayStatus {
    Ok = 0,
    BadParameter = 1,     // fewer than one point, or room for fewer than 2n + 1 triangles
    NoMemory = 2,         // no memory for the working storage
    TooManyEdges = 3,     // a cavity with more edges than the edge list holds
    Collinear = 4,        // a triangle of no area, or no triangle at all
    TooManyTriangles = 5, // the triangle arrays would overflow (rounding only)
};

// Triangulates the n points x, y. The arrays hold n + 3 values: the corners
// of the super triangle are written into the last three. The triangles go
// to i1, i2, i3 (1-based point numbers, room for nmax); ntri receives their
// number, 0 after any failure.
void qqdlau(float x[], float y[], int &n, int i1[], int i2[], int i3[], int &nmax, int &ntri,
            int &status);
