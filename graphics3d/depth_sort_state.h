// DepthSortState: the depth-sort buffer of the painter's method. A flat-shaded
// surface collects its projected faces here with a depth key, and the buffer
// draws them from the farthest to the nearest.
#pragma once
#include <cstdint>
#include <memory>

struct DepthSortBuffer {
    // capacity * corners x values, then as many y values, in one block: the
    // corner j of polygon p at p * corners + j, page coordinates rounded.
    std::unique_ptr<int16_t[]> coordinates;
    int16_t *x = nullptr;
    int16_t *y = nullptr;
    std::unique_ptr<int32_t[]> index;   // after sorting, polygon numbers by ascending depth
    int32_t capacity = 0;               // polygons the buffer holds before it grows
    int32_t count = 0;                  // polygons stored so far
    int32_t corners = 0;                // corners per polygon, 3 or 4
    std::unique_ptr<int32_t[]> colours; // colour index or explicit RGB of each polygon
    std::unique_ptr<float[]> depths;    // depth key of each polygon (larger is farther)
    bool dropped = false;               // a polygon was lost for want of memory (warned once)
};

struct DepthSortState {
    // The open buffer; null when none is open. It lives within one drawing
    // routine, from dbfini to dbffin.
    std::unique_ptr<DepthSortBuffer> pdsort;
};
