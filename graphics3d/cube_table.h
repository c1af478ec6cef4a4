// The marching-cubes tables: the triangle count of each configuration class
// (ntrray) and, for each of the 128 corner patterns, its class and triangles
// as edge numbers (itrray).
//
// Only one pattern per class is written out here (kTellingRows); the other
// rows are made by the compiler, by turning each written pattern with the 24
// rotations of the cube and mapping its corners and edge numbers along.
// Reflections are not used: they would merge the chiral classes 11 and 14.
// A pattern above 127 shares the row of its complement 255 - p.
#pragma once

#include <cstdint>

namespace cube_table {

// Corner c of a cube at (x, y, z) offsets in 0/1.
constexpr int kCornerOffset[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                     {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
// Edge e (1..12) joins kEdgeCorners[e - 1][0] to kEdgeCorners[e - 1][1]; the
// first corner is the first point of the interpolation.
constexpr int kEdgeCorners[12][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 3}, {4, 5}, {5, 6},
                                     {6, 7}, {4, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};

constexpr int kClasses = 15;
constexpr int kRows = 128;
constexpr int kRowBytes = 13;

// ntrray: triangles per class.
constexpr uint8_t kTriangles[kClasses] = {0, 1, 2, 2, 2, 3, 3, 3, 2, 4, 4, 4, 4, 4, 4};
// Rows per class, which the generated table must show.
constexpr int kRowsPerClass[kClasses] = {1, 8, 12, 12, 4, 24, 24, 8, 3, 4, 3, 6, 12, 1, 6};

struct TellingRow {
    int pattern;
    uint8_t bytes[kRowBytes];
};
// One pattern of each class: class, then the triangles.
constexpr TellingRow kTellingRows[] = {
    {0, {0}},
    {1, {1, 1, 4, 9}},
    {3, {2, 4, 2, 10, 10, 4, 9}},
    {5, {3, 1, 4, 9, 2, 3, 11}},
    {7, {5, 4, 3, 9, 9, 10, 11, 11, 9, 3}},
    {15, {8, 9, 10, 11, 11, 12, 9}},
    {20, {4, 5, 8, 9, 2, 3, 11}},
    {21, {6, 8, 4, 1, 1, 8, 5, 2, 3, 11}},
    {23, {11, 3, 4, 8, 8, 3, 10, 10, 8, 5, 10, 11, 3}},
    {26, {7, 5, 8, 9, 1, 2, 10, 3, 4, 12}},
    {27, {9, 8, 5, 10, 10, 8, 2, 2, 8, 12, 12, 2, 3}},
    {29, {14, 2, 11, 12, 12, 8, 5, 5, 12, 2, 2, 5, 1}},
    {30, {12, 5, 8, 9, 1, 4, 10, 10, 4, 12, 12, 11, 10}},
    {60, {10, 2, 4, 12, 12, 2, 11, 8, 6, 10, 10, 8, 9}},
    {90, {13, 1, 4, 9, 2, 3, 11, 5, 6, 10, 7, 8, 12}},
};

struct Table {
    uint8_t rows[kRows][kRowBytes] = {};
    bool filled[kRows] = {};
    bool consistent = true; // no row reached with two different classes
};

constexpr int cornerAt(int x, int y, int z) {
    for (int c = 0; c < 8; ++c)
        if (kCornerOffset[c][0] == x && kCornerOffset[c][1] == y && kCornerOffset[c][2] == z)
            return c;
    return -1;
}

constexpr int edgeOf(int a, int b) {
    for (int e = 0; e < 12; ++e)
        if ((kEdgeCorners[e][0] == a && kEdgeCorners[e][1] == b) ||
            (kEdgeCorners[e][0] == b && kEdgeCorners[e][1] == a))
            return e + 1;
    return 0;
}

// The corner map of the rotation that sends axis k to axis axes[k] with sign
// signs[k]; false for a reflection.
constexpr bool rotationCorners(const int axes[3], const int signs[3], int map[8]) {
    // The determinant of the signed permutation.
    int inversions = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            if (axes[i] > axes[j]) ++inversions;
    const int det = (inversions % 2 == 0 ? 1 : -1) * signs[0] * signs[1] * signs[2];
    if (det != 1) return false;
    for (int c = 0; c < 8; ++c) {
        int to[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            const int centred = 2 * kCornerOffset[c][k] - 1;
            to[axes[k]] = (signs[k] * centred + 1) / 2;
        }
        map[c] = cornerAt(to[0], to[1], to[2]);
    }
    return true;
}

constexpr void enter(Table &t, const TellingRow &row, const int map[8]) {
    int pattern = 0;
    for (int c = 0; c < 8; ++c)
        if (row.pattern & (1 << c)) pattern |= 1 << map[c];
    if (pattern > 127) pattern = 255 - pattern;
    uint8_t bytes[kRowBytes] = {row.bytes[0]};
    for (int j = 1; j < kRowBytes; ++j) {
        const int e = row.bytes[j];
        bytes[j] =
            e == 0 ? 0 : uint8_t(edgeOf(map[kEdgeCorners[e - 1][0]], map[kEdgeCorners[e - 1][1]]));
    }
    if (t.filled[pattern]) {
        if (t.rows[pattern][0] != bytes[0]) t.consistent = false;
        return;
    }
    t.filled[pattern] = true;
    for (int j = 0; j < kRowBytes; ++j)
        t.rows[pattern][j] = bytes[j];
}

constexpr Table generate() {
    Table t;
    // The written rows first, unturned, so that they stand as written.
    const int identity[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    for (const TellingRow &row : kTellingRows)
        enter(t, row, identity);
    const int permutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                    {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const TellingRow &row : kTellingRows)
        for (const auto &axes : permutations)
            for (int s = 0; s < 8; ++s) {
                const int signs[3] = {s & 1 ? -1 : 1, s & 2 ? -1 : 1, s & 4 ? -1 : 1};
                int map[8] = {};
                if (rotationCorners(axes, signs, map)) enter(t, row, map);
            }
    return t;
}

constexpr bool complete(const Table &t) {
    if (!t.consistent) return false;
    int perClass[kClasses] = {};
    for (int p = 0; p < kRows; ++p) {
        if (!t.filled[p] || t.rows[p][0] >= kClasses) return false;
        ++perClass[t.rows[p][0]];
    }
    for (int c = 0; c < kClasses; ++c)
        if (perClass[c] != kRowsPerClass[c]) return false;
    return true;
}

// itrray.
inline constexpr Table kTable = generate();
static_assert(complete(kTable), "every pattern has a row, with the row counts of its class");

} // namespace cube_table
