// libFuzzer target: the TIFF reader on any bytes; every row of an accepted
// file is read.
#include <vector>

#include "tests/devices/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FILE *file = openInput(data, size);
    TiffImage image;
    if (readTiffHeader(file, image) == kImageDone) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) *
                                      image.bytesPerPixel());
        for (int y = 0; y < image.height; ++y)
            readTiffRow(file, image, y, 0, image.width, row.data());
    }
    std::fclose(file);
    return 0;
}
