// PngScratch: what the PNG writer keeps from file to file, hung from the
// caller's DriverRecord: its deflate state and the area the compressed image
// grows in. A thread writing PNG after PNG neither allocates them again nor
// gives their memory back to the system at every file, which with threads
// costs every thread a pause while the others' page tables are flushed.
#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "devices/reusable_deflate.h"

// The compressed image, in memory that grows as deflate fills it and stays
// for the next image.
class CompressedImage {
  public:
    CompressedImage() = default;
    CompressedImage(const CompressedImage &) = delete;
    CompressedImage &operator=(const CompressedImage &) = delete;
    ~CompressedImage();
    // deflate's output starts at the beginning of the area, which it keeps.
    void restart(z_stream &stream);
    // Room after the bytes written: at least twice what there was; false
    // without memory.
    bool grow(z_stream &stream);
    const std::uint8_t *data() const { return bytes_; }

  private:
    static constexpr std::size_t kFirstRoom = 65536;
    std::uint8_t *bytes_ = nullptr;
    std::size_t size_ = 0;
};

struct PngScratch {
    ReusableDeflate deflater;
    CompressedImage image;
};
