// qqzlin: a depth-tested line between integer pixels in one colour.
#include <cstdlib>
#include <utility>

#include "devices/driver_record.h"
#include "graphics3d/depth_raster.h"
#include "graphics3d/zbuffer.h"
#include "kernel/rounding.h"

namespace {

struct LineEnd {
    int major, minor; // the coordinate stepped through, and the one that follows it
    double depth;
};

} // namespace

void qqzlin(GlobalRecord &rec, const int ix[2], const int iy[2], int colour, const float depths[2],
            [[maybe_unused]] int target) {
    DepthRaster raster;
    if (!rasterWithDepths(rec, raster)) return;
    double rgb[3];
    qqrgbf(*raster.driver, colour, rgb);
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(rgb[0]),
                                   static_cast<std::uint8_t>(rgb[1]),
                                   static_cast<std::uint8_t>(rgb[2])};
    const double tolerance = raster.driver->xdepthtol;

    // The end points need not lie on the raster: pixels off it are skipped.
    auto plot = [&](int column, int row, double depth) {
        if (column < 0 || row < 0 || column >= raster.width || row >= raster.height) return;
        float &held = raster.depths[static_cast<std::ptrdiff_t>(row) * raster.depthRow + column];
        if (!(depth - tolerance <= held)) return;
        storePixel(raster, column, row, bytes);
        held = static_cast<float>(depth);
    };

    const long long columns = std::llabs(static_cast<long long>(ix[1]) - ix[0]);
    const long long rows = std::llabs(static_cast<long long>(iy[1]) - iy[0]);
    if (columns == 0 && rows == 0) {
        plot(ix[0], iy[0], depths[0]);
        return;
    }
    // Stepped along the longer extent, from its smaller end.
    const bool alongColumns = rows < columns;
    LineEnd a{alongColumns ? ix[0] : iy[0], alongColumns ? iy[0] : ix[0], depths[0]};
    LineEnd b{alongColumns ? ix[1] : iy[1], alongColumns ? iy[1] : ix[1], depths[1]};
    if (b.major < a.major) std::swap(a, b);
    const double steps = static_cast<double>(b.major) - a.major;
    const double minorStep = (static_cast<double>(b.minor) - a.minor) / steps;
    const double depthStep = (b.depth - a.depth) / steps;
    double minor = a.minor, depth = a.depth;
    for (long long major = a.major; major <= b.major; ++major) {
        const int m = truncToInt(minor + 0.5);
        if (alongColumns)
            plot(static_cast<int>(major), m, depth);
        else
            plot(m, static_cast<int>(major), depth);
        minor += minorStep;
        depth += depthStep;
    }
}
