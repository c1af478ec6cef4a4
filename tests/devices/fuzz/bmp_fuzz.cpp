// libFuzzer target: the BMP decoder on any bytes.
#include "tests/devices/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    GlobalRecord &rec = fuzzPicture();
    FILE *file = openInput(data, size);
    decodeBmp(rec, file, fuzzTarget());
    std::fclose(file);
    return 0;
}
