// Reading a CGM file word by word, for the inclusion of CGM files.
#pragma once
#include <cstdint>
#include <cstdio>

// Words read from the file at a time.
constexpr int kCgmWordsPerRead = 40;

// The next 16-bit big-endian word of the file, from buffer while position is
// 0..39 and state is not 1; otherwise the next 40 words are read into buffer
// first (state 0, position 0). Start with state 1. At the end of the file the
// process ends with ">>>> Unexpected end of CGM file!".
void gbyte2(FILE *file, std::int16_t &word, int &state, int &position,
            std::int16_t (&buffer)[kCgmWordsPerRead]);
