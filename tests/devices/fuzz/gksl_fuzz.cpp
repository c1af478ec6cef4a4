// libFuzzer target: the replay of an included text metafile on any bytes.
#include "tests/devices/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    GlobalRecord &rec = fuzzPlot();
    FILE *file = openInput(data, size);
    replayGksl(rec, file, fuzzBox());
    std::fclose(file);
    return 0;
}
