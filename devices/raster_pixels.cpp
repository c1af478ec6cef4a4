// Pixel, row and rectangle access on the memory raster.
#include "devices/raster_pixels.h"

#include <cstring>

#include "devices/driver_record.h"
#include "devices/memory_raster.h"
#include "devices/nearest_colour.h"
#include "kernel/colour_value.h"
#include "kernel/record.h"

namespace {

const DriverRecord *rasterDriver(GlobalRecord &rec) {
    const DriverRecord *driver = rec.dev.pdriver.get();
    return driver != nullptr && driver->praster ? driver : nullptr;
}

// The stored bytes of one value given in the mode.
PixelValue valuePixel(const DriverRecord &driver, const std::uint8_t *value, int mode) {
    if (mode != kPixelValuesRgb) return rasterPixel(driver, value[0]);
    return rasterPixel(driver, explicitColour(value[0], value[1], value[2]));
}

// One stored pixel given back in the mode.
void pixelValue(const DriverRecord &driver, const std::uint8_t *stored, std::uint8_t *value,
                int mode) {
    if (driver.itruecol == 1) {
        if (mode == kPixelValuesRgb)
            std::memcpy(value, stored, 3);
        else
            value[0] = static_cast<std::uint8_t>(qqgind(driver, stored[0], stored[1], stored[2]));
    } else {
        if (mode == kPixelValuesRgb) {
            value[0] = driver.red[stored[0]];
            value[1] = driver.green[stored[0]];
            value[2] = driver.blue[stored[0]];
        } else {
            value[0] = stored[0];
        }
    }
}

} // namespace

void qqvwpx(GlobalRecord &rec, int x, int y, int colour) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return;
    putPixel(rasterSurface(*driver), x, y, rasterPixel(*driver, colour));
}

void qqvrow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n, int mode) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr || y < 0 || y >= driver->nheight) return;
    const PixelSurface surface = rasterSurface(*driver);
    const int size = mode == kPixelValuesRgb ? 3 : 1;
    for (int i = 0; i < n; ++i)
        putPixel(surface, x + i, y,
                 valuePixel(*driver, values + static_cast<std::ptrdiff_t>(i) * size, mode));
}

int qqvrpx(GlobalRecord &rec, int x, int y, int mode) {
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return 0;
    const PixelSurface surface = rasterSurface(*driver);
    if (!insideSurface(surface, x, y)) return 0;
    const std::uint8_t *stored = surface.bits + static_cast<std::ptrdiff_t>(y) * surface.rowBytes +
                                 static_cast<std::ptrdiff_t>(x) * surface.bytesPerPixel;
    std::uint8_t value[3] = {0, 0, 0};
    pixelValue(*driver, stored, value, mode);
    return mode == kPixelValuesRgb ? explicitColour(value[0], value[1], value[2]) : value[0];
}

void qqvrdr(GlobalRecord &rec, std::uint8_t *values, int x, int y, int w, int h, int mode) {
    const int size = mode == kPixelValuesRgb ? 3 : 1;
    if (w <= 0 || h <= 0) return;
    std::memset(values, 0, static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * size);
    const DriverRecord *driver = rasterDriver(rec);
    if (driver == nullptr) return;
    const PixelSurface surface = rasterSurface(*driver);
    std::uint8_t *out = values;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col, out += size) {
            if (!insideSurface(surface, col, row)) continue;
            const std::uint8_t *stored = surface.bits +
                                         static_cast<std::ptrdiff_t>(row) * surface.rowBytes +
                                         static_cast<std::ptrdiff_t>(col) * surface.bytesPerPixel;
            pixelValue(*driver, stored, out, mode);
        }
    }
}
