// Reading the map files: copies across the map's edges, the walk through a
// map data file, and the polygons of a GSHHS shoreline file.
#include "graphics2d/map_files.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Integers of a map data file read at a time, as the files are padded.
constexpr int kBlock = 20;
constexpr int kEnd = -9000;
constexpr int kIgnored = -1000;

// Points of a shoreline polygon read at a time.
constexpr int kPointChunk = 1024;

std::int32_t littleEndian(const unsigned char *b) {
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

std::int32_t bigEndian(const unsigned char *b) {
    return std::int32_t(std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 |
                        std::uint32_t(b[2]) << 8 | std::uint32_t(b[3]));
}

void readError() {
    qqserr("read error");
    warnin(Warning::ownText);
}

} // namespace

MapCopies mapCopies(const GlobalRecord &rec) {
    const AxisSystemState &s = rec.axsys;
    const bool cylindrical = rec.map.iprojct < 10;
    const float xa = s.xgrfx[0], xe = s.xgrfx[1], ya = s.xgrfy[0], ye = s.xgrfy[1];
    float shifts[3];
    int n = 0;
    if (cylindrical && xa < -180.1f) shifts[n++] = -360.0f;
    if (cylindrical && xe > 180.1f) shifts[n++] = 360.0f;
    if (xa <= 179.9f && xe >= -179.9f) shifts[n++] = 0.0f;
    MapCopies copies;
    for (int i = 0; i < n; ++i) {
        const float shift = shifts[i];
        if (cylindrical && ya < -90.1f) copies.copy[copies.n++] = {shift, -180.0f, -1.0f};
        if (cylindrical && ye > 90.1f) copies.copy[copies.n++] = {shift, 180.0f, -1.0f};
        if (ya <= 89.9f && ye >= -89.9f) copies.copy[copies.n++] = {shift, 0.0f, 1.0f};
    }
    return copies;
}

bool PointBuffer::add(float a, float b, unsigned char mark) {
    if (n_ == capacity_) {
        const std::size_t grown = capacity_ == 0 ? 1024 : 2 * capacity_;
        std::unique_ptr<float[]> na(new (std::nothrow) float[grown]);
        std::unique_ptr<float[]> nb(new (std::nothrow) float[grown]);
        std::unique_ptr<unsigned char[]> nm(new (std::nothrow) unsigned char[grown]);
        if (na == nullptr || nb == nullptr || nm == nullptr) return false;
        if (n_ > 0) {
            std::memcpy(na.get(), a_.get(), n_ * sizeof(float));
            std::memcpy(nb.get(), b_.get(), n_ * sizeof(float));
            std::memcpy(nm.get(), marks_.get(), n_);
        }
        a_ = std::move(na);
        b_ = std::move(nb);
        marks_ = std::move(nm);
        capacity_ = grown;
    }
    a_[n_] = a;
    b_[n_] = b;
    marks_[n_] = mark;
    ++n_;
    return true;
}

void walkMapData(std::FILE *file, MapDataSink &sink) {
    unsigned char bytes[4 * kBlock];
    int lastLongitude = 0;
    bool longitudeNext = true;
    float lon = 0.0f;
    for (;;) {
        const std::size_t n = std::fread(bytes, 4, kBlock, file);
        for (std::size_t i = 0; i < n; ++i) {
            const int v = littleEndian(bytes + 4 * i);
            if (v == kIgnored) continue;
            if (v == kEnd) {
                sink.finish();
                return;
            }
            if (v < 0) {
                sink.finish();
                longitudeNext = true;
                // The area's number stands in the place of a longitude.
                if (!sink.area(truncToInt(float(lastLongitude) / 1000.0f + 0.5f))) return;
            } else if (longitudeNext) {
                lastLongitude = v;
                lon = float(v) / 1000.0f - 180.0f;
                longitudeNext = false;
            } else {
                sink.point(lon, float(v) / 1000.0f - 90.0f);
                longitudeNext = true;
            }
        }
        if (n < std::size_t(kBlock)) break;
    }
    sink.finish();
    readError();
}

bool readShorelinePolygon(std::FILE *file, ShorelinePolygon &polygon) {
    unsigned char header[36]; // eight 32-bit words and two of 16 bits
    const std::size_t got = std::fread(header, 1, sizeof header, file);
    if (got == 0) return false;
    const int n = bigEndian(header + 4);
    if (got < sizeof header || n < 0) {
        readError();
        return false;
    }
    polygon.level = bigEndian(header + 8);
    polygon.points.clear();
    unsigned char points[8 * kPointChunk];
    for (int done = 0; done < n;) {
        const int want = n - done < kPointChunk ? n - done : kPointChunk;
        if (std::fread(points, 8, std::size_t(want), file) < std::size_t(want)) {
            readError();
            return false;
        }
        for (int i = 0; i < want; ++i) {
            float lon = float(bigEndian(points + 8 * i)) * 1.0e-6f;
            if (lon > 180.0f) lon -= 360.0f;
            if (!polygon.points.add(lon, float(bigEndian(points + 8 * i + 4)) * 1.0e-6f)) {
                warnin(Warning::noMemory);
                return false;
            }
        }
        done += want;
    }
    return true;
}
