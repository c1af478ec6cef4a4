// libFuzzer target: a unit file opened, read, skipped and positioned, on any bytes.
#include <cstdlib>

#include "tests/devices/fuzz/outside_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!readUnitFileBytes(data, size)) std::abort();
    return 0;
}
