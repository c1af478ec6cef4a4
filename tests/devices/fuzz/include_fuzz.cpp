// libFuzzer target: incfil into a plot on each file device, its output bounded, on any bytes.
#include <cstdlib>

#include "tests/devices/fuzz/outside_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!includeIntoEachDevice(data, size)) std::abort();
    return 0;
}
