// The pixels a raster file writer encodes: the memory raster's own page taken
// as it is, a copy read through the picture's pixel routines, or that copy
// quantised to a palette.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "devices/raster_writers.h"

class RasterPixels {
  public:
    // Takes the request's area with bytesPerPixel 1 (colour numbers, read in
    // readMode) or 3 (R, G, B). The page itself is used when no clip is in
    // force, the device is a raster device and the page holds exactly that.
    // Status 0, or -2 without memory for a copy.
    int take(GlobalRecord &rec, const RasterFileRequest &request, int readMode, int bytesPerPixel);
    // Turns R, G, B pixels into palette indices with their own palette. Status 0 or -2.
    int quantise();

    int width() const { return width_; }
    int height() const { return height_; }
    int bytesPerPixel() const { return bytesPerPixel_; }
    bool quantised() const { return quantised_; }
    const std::uint8_t *row(int y) const {
        return data_ +
               static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * bytesPerPixel_;
    }
    // Palette entry i (0..255) as R, G, B: the quantiser's, else the ColourTable's.
    void paletteEntry(const RasterFileRequest &request, int i, std::uint8_t rgb[3]) const;

  private:
    const std::uint8_t *data_ = nullptr;
    std::unique_ptr<std::uint8_t[]> owned_;
    int width_ = 0;
    int height_ = 0;
    int bytesPerPixel_ = 1;
    bool quantised_ = false;
    std::uint8_t red_[256] = {};
    std::uint8_t green_[256] = {};
    std::uint8_t blue_[256] = {};
};

// Memory or nothing: an array of n bytes, zero-filled, or null.
std::unique_ptr<std::uint8_t[]> tryAllocateBytes(std::size_t n);

// The pixels of the PNG, BMP and TIFF writers: in the image format (one
// colour number, or R, G, B for RGB) when the format is RGB or the output has
// at most 8 bits per pixel; otherwise read as R, G, B and quantised.
int takeFormatPixels(GlobalRecord &rec, const RasterFileRequest &request, RasterPixels &pixels);
