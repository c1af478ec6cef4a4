// Reading a CGM file word by word.
#include "kernel/cgm_words.h"

#include "kernel/fatal.h"

void gbyte2(FILE *file, std::int16_t &word, int &state, int &position,
            std::int16_t (&buffer)[kCgmWordsPerRead]) {
    if (state != 1 && position >= 0 && position < kCgmWordsPerRead) {
        word = buffer[position++];
        return;
    }
    unsigned char bytes[2 * kCgmWordsPerRead];
    const std::size_t words = std::fread(bytes, 2, kCgmWordsPerRead, file);
    if (words == 0) endProcess(">>>> Unexpected end of CGM file!");
    // CGM words are big-endian. Words after a short read at the end of the file
    // are zero, not the words of the previous read.
    for (int i = 0; i < kCgmWordsPerRead; ++i)
        buffer[i] = std::size_t(i) < words
                        ? static_cast<std::int16_t>((bytes[2 * i] << 8) | bytes[2 * i + 1])
                        : std::int16_t(0);
    state = 0;
    word = buffer[0];
    position = 1;
}
