// libFuzzer target: the registry file read and written, on any bytes.
#include <cstdlib>

#include "tests/devices/fuzz/outside_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!readRegistryBytes(data, size)) std::abort();
    return 0;
}
