// libFuzzer target: a BDF font read and its glyphs walked, on any bytes.
#include <cstdlib>

#include "tests/devices/fuzz/outside_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!readBdfBytes(data, size)) std::abort();
    return 0;
}
