// Taking the pixels of a raster file: directly, as a copy, or quantised.
#include "devices/raster_source.h"

#include <new>

#include "devices/colour_quantiser.h"
#include "devices/driver_record.h"
#include "kernel/colour_value.h"
#include "kernel/devices.h"
#include "kernel/record.h"

std::unique_ptr<std::uint8_t[]> tryAllocateBytes(std::size_t n) {
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[n > 0 ? n : 1]());
}

int RasterPixels::take(GlobalRecord &rec, const RasterFileRequest &request, int readMode,
                       int bytesPerPixel) {
    width_ = request.area.width > 0 ? request.area.width : 0;
    height_ = request.area.height > 0 ? request.area.height : 0;
    bytesPerPixel_ = bytesPerPixel;
    const DriverRecord *driver = rec.dev.pdriver.get();
    const bool wholePage = driver != nullptr && driver->praster && request.area.x == 0 &&
                           request.area.y == 0 && width_ == driver->nwidth &&
                           height_ == driver->nheight &&
                           bytesPerPixel == (driver->itruecol == 1 ? 3 : 1);
    if (request.clip == 0 && isFileDevice(request.device) && wholePage) {
        data_ = driver->praster.get();
        return kRasterDone;
    }
    const std::size_t size = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) *
                             static_cast<std::size_t>(bytesPerPixel);
    owned_ = tryAllocateBytes(size);
    if (!owned_) return kRasterNoMemory;
    if (size > 0 && request.pixels.readRect != nullptr)
        request.pixels.readRect(rec, owned_.get(), request.area.x, request.area.y, width_, height_,
                                readMode);
    data_ = owned_.get();
    return kRasterDone;
}

int RasterPixels::quantise() {
    std::unique_ptr<std::uint8_t[]> indices =
        tryAllocateBytes(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    if (!indices) return kRasterNoMemory;
    qqquant(data_, width_, height_, indices.get(), red_, green_, blue_);
    owned_ = std::move(indices);
    data_ = owned_.get();
    bytesPerPixel_ = 1;
    quantised_ = true;
    return kRasterDone;
}

void RasterPixels::paletteEntry(const RasterFileRequest &request, int i,
                                std::uint8_t rgb[3]) const {
    if (quantised_) {
        rgb[0] = red_[i];
        rgb[1] = green_[i];
        rgb[2] = blue_[i];
        return;
    }
    const int entry = request.colours != nullptr && i < request.ncolours ? request.colours[i] : 0;
    rgb[0] = static_cast<std::uint8_t>(tableRed(entry));
    rgb[1] = static_cast<std::uint8_t>(tableGreen(entry));
    rgb[2] = static_cast<std::uint8_t>(tableBlue(entry));
}

int takeFormatPixels(GlobalRecord &rec, const RasterFileRequest &request, RasterPixels &pixels) {
    if (request.imgfmt == kImageFormatRgb || request.nbitpix <= 8)
        return pixels.take(rec, request, request.imgfmt, request.imgfmt == kImageFormatRgb ? 3 : 1);
    const int status = pixels.take(rec, request, kPixelValuesRgb, 3);
    return status != kRasterDone ? status : pixels.quantise();
}
