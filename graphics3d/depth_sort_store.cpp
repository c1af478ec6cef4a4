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

// An empty buffer with room for capacity polygons of corners corners; null
// when the memory cannot be had.
std::unique_ptr<DepthSortBuffer> emptyBuffer(int32_t capacity, int32_t corners) {
    auto buffer = std::unique_ptr<DepthSortBuffer>(new (std::nothrow) DepthSortBuffer);
    if (buffer == nullptr) return nullptr;
    const std::size_t points = std::size_t(capacity) * std::size_t(corners);
    buffer->coordinates = zeroedArray<int16_t>(2 * points + 1);
    buffer->index = zeroedArray<int32_t>(std::size_t(capacity) + 1);
    buffer->colours = zeroedArray<int32_t>(std::size_t(capacity) + 1);
    buffer->depths = zeroedArray<float>(std::size_t(capacity) + 1);
    if (!buffer->coordinates || !buffer->index || !buffer->colours || !buffer->depths)
        return nullptr;
    buffer->x = buffer->coordinates.get();
    buffer->y = buffer->x + points;
    buffer->capacity = capacity;
    buffer->corners = corners;
    return buffer;
}

void openBuffer(GlobalRecord &rec, int corners, int capacity, int &status) {
    rec.dsort.pdsort.reset(); // the old one goes before the new one is taken
    rec.dsort.pdsort = emptyBuffer(std::max(capacity, 0), std::clamp(corners, 3, 4));
    status = rec.dsort.pdsort != nullptr ? 0 : 1;
    if (status == 1) warnin(Warning::noMemory);
}

// A full buffer takes twice the room, its polygons kept, so that a caller
// whose count fell short loses no face; false when the memory cannot be had.
bool grow(std::unique_ptr<DepthSortBuffer> &buffer) {
    const DepthSortBuffer &b = *buffer;
    constexpr std::int64_t kFirstRoom = 64;
    const std::int64_t wanted = std::max(2 * std::int64_t(b.capacity), kFirstRoom);
    const auto capacity = int32_t(std::min<std::int64_t>(wanted, INT32_MAX));
    if (capacity <= b.capacity) return false;
    std::unique_ptr<DepthSortBuffer> bigger = emptyBuffer(capacity, b.corners);
    if (bigger == nullptr) return false;
    const std::size_t points = std::size_t(b.count) * std::size_t(b.corners);
    std::copy(b.x, b.x + points, bigger->x);
    std::copy(b.y, b.y + points, bigger->y);
    std::copy(b.colours.get(), b.colours.get() + b.count, bigger->colours.get());
    std::copy(b.depths.get(), b.depths.get() + b.count, bigger->depths.get());
    bigger->count = b.count;
    buffer = std::move(bigger);
    return true;
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
    std::unique_ptr<DepthSortBuffer> &buffer = rec.dsort.pdsort;
    status = 1;
    if (buffer == nullptr) return;
    if (buffer->count >= buffer->capacity && !grow(buffer)) {
        // Warned once for the buffer, not for every face it drops.
        if (!buffer->dropped) warnin(Warning::noMemory);
        buffer->dropped = true;
        return;
    }
    status = 0;
    DepthSortBuffer *b = buffer.get();
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
