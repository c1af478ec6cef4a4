// Reading map files: the copies of the map data across the date line and
// beyond the poles, the library's own map data files (areas of points in
// thousandths of a degree) and shoreline files in the GSHHS layout.
#pragma once
#include <cstddef>
#include <cstdio>
#include <memory>

struct GlobalRecord;

// One copy of the map data: a point (lon, lat) of a file is drawn at
// (lon + shift, factor * lat + offset).
struct MapCopy {
    float shift, offset, factor;
};
// The copies a map needs: beyond +-180 degrees of longitude and beyond the
// poles on cylindrical maps, and the data as it is when the map shows it.
struct MapCopies {
    MapCopy copy[9];
    int n = 0;
    const MapCopy *begin() const { return copy; }
    const MapCopy *end() const { return copy + n; }
};
MapCopies mapCopies(const GlobalRecord &rec);

// The points of one polygon (two coordinates and a mark for its reader
// each), grown in doubling steps as it meets longer polygons; add is false
// when no more memory can be had.
class PointBuffer {
  public:
    bool add(float a, float b, unsigned char mark = 0);
    void clear() { n_ = 0; }
    int size() const { return int(n_); }
    const float *first() const { return a_.get(); }
    const float *second() const { return b_.get(); }
    const unsigned char *marks() const { return marks_.get(); }

  private:
    std::unique_ptr<float[]> a_, b_;
    std::unique_ptr<unsigned char[]> marks_;
    std::size_t n_ = 0, capacity_ = 0;
};

// What a map data file holds, one event at a time.
class MapDataSink {
  public:
    virtual ~MapDataSink() = default;
    virtual void point(float lon, float lat) = 0;
    // The polygon so far is complete (at each area marker and at the end).
    virtual void finish() = 0;
    // A new area begins; false ends the reading.
    virtual bool area(int number) = 0;
};

// Walks a map data file: 32-bit little-endian integers read 20 at a time,
// longitudes + 180 and latitudes + 90 in thousandths of a degree, -1000
// ignored, -9000 the end, any other negative value the start of an area
// whose number stands (times 1000) in the longitude before it. A file that
// ends without -9000 gives warning 101 "read error" after its last polygon.
void walkMapData(std::FILE *file, MapDataSink &sink);

// A polygon of a shoreline file.
struct ShorelinePolygon {
    int level = 0;
    PointBuffer points; // longitude (-180..180) and latitude in degrees
};

// Reads the next polygon of a GSHHS file (big-endian words: a header of
// eight, two 16-bit words, then the points in micro-degrees). False at the
// end of the file, after warning 101 "read error" when the file ends inside
// a polygon, and after warning 53 when memory runs out.
bool readShorelinePolygon(std::FILE *file, ShorelinePolygon &polygon);
