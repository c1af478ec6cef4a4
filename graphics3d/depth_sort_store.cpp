// The storage of the depth-sort buffer: qqsini (open, free, sort, count),
// qqsput and qqsget.
#include <algorithm>
#include <cstdint>
#include <new>

#include "graphics3d/depth_sort.h"
#include "graphics3d/index_sort.h"
#include "graphics3d/zeroed_array.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

enum class StoreMode { Open = 0, Free = 1, Sort = 2, Count = 3 };

// Page coordinates are kept in 16 bits; a point projected far off the page
// is held at the nearest value that fits instead of wrapping round.
int16_t pageWord(float v) {
    const float r = v + 0.5f;
    if (!(r > -32768.0f)) return INT16_MIN;
    if (r >= 32767.0f) return INT16_MAX;
    return int16_t(r);
}

void openBuffer(GlobalRecord &rec, int corners, int capacity, int &status) {
    rec.dsort.pdsort.reset();
    status = 0;
    corners = std::clamp(corners, 3, 4);
    capacity = std::max(capacity, 0);
    auto buffer = std::unique_ptr<DepthSortBuffer>(new (std::nothrow) DepthSortBuffer);
    if (buffer != nullptr) {
        const std::size_t points = std::size_t(capacity) * std::size_t(corners);
        buffer->coordinates = zeroedArray<int16_t>(2 * points + 1);
        buffer->index = zeroedArray<int32_t>(std::size_t(capacity) + 1);
        buffer->colours = zeroedArray<int32_t>(std::size_t(capacity) + 1);
        buffer->depths = zeroedArray<float>(std::size_t(capacity) + 1);
        if (buffer->coordinates && buffer->index && buffer->colours && buffer->depths) {
            buffer->x = buffer->coordinates.get();
            buffer->y = buffer->x + points;
            buffer->capacity = capacity;
            buffer->corners = corners;
            rec.dsort.pdsort = std::move(buffer);
            return;
        }
    }
    status = 1;
    warnin(Warning::noMemory);
}

void sortBuffer(DepthSortBuffer &b) {
    for (int32_t i = 0; i < b.count; ++i)
        b.index[i] = i;
    qquick(b.depths.get(), b.index.get(), b.count);
}

} // namespace

void qqsini(GlobalRecord &rec, int mode, int corners, int capacity, int &status) {
    DepthSortBuffer *b = rec.dsort.pdsort.get();
    switch (StoreMode(mode)) {
    case StoreMode::Open: openBuffer(rec, corners, capacity, status); return;
    case StoreMode::Free: rec.dsort.pdsort.reset(); return;
    case StoreMode::Sort:
        status = 0;
        if (b != nullptr) sortBuffer(*b);
        return;
    case StoreMode::Count: status = b != nullptr ? b->count : 0; return;
    }
}

void qqsput(GlobalRecord &rec, const float x[], const float y[], float depth, int colour,
            int &status) {
    DepthSortBuffer *b = rec.dsort.pdsort.get();
    if (b == nullptr || b->count >= b->capacity) {
        status = 1;
        return;
    }
    status = 0;
    const int32_t p = b->count;
    const std::size_t first = std::size_t(p) * std::size_t(b->corners);
    for (int j = 0; j < b->corners; ++j) {
        b->x[first + j] = pageWord(x[j]);
        b->y[first + j] = pageWord(y[j]);
    }
    b->colours[p] = colour;
    b->depths[p] = depth;
    b->count = p + 1;
}

void qqsget(GlobalRecord &rec, float x[], float y[], int i, int &colour, int &status) {
    const DepthSortBuffer *b = rec.dsort.pdsort.get();
    if (b == nullptr || i < 0 || i >= b->count) {
        status = 1;
        return;
    }
    status = 0;
    const int32_t p = b->index[i];
    const std::size_t first = std::size_t(p) * std::size_t(b->corners);
    for (int j = 0; j < b->corners; ++j) {
        x[j] = float(b->x[first + j]);
        y[j] = float(b->y[first + j]);
    }
    colour = b->colours[p];
}
