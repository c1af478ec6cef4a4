// libFuzzer target: loading a BitmapFile (wimage) on any bytes.
#include "devices/bitmap_file.h"
#include "tests/devices/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    GlobalRecord &rec = fuzzPicture();
    FILE *file = openInput(data, size);
    int status = 0;
    qqvfil(rec, file, kBitmapLoad, status);
    std::fclose(file);
    return 0;
}
