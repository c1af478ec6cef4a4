// The SZDD format of compressed files: a 14-byte header (the magic bytes, the
// method 'A', a byte for the last letter of the name, the expanded length as
// 32 bits, low byte first), then LZSS data: a control byte whose bits, lowest
// first, say whether a literal byte (1) or a back reference of two bytes (0)
// follows. A reference names 12 bits of position in a 4096-byte ring of the
// bytes written so far (first filled with blanks, written from 4096 - 16 on)
// and a length of 3 to 18.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr std::size_t szddHeaderSize = 14;

struct SzddHeader {
    bool compressed = false; // the magic bytes are there
    bool knownMethod = false;
    std::uint32_t length = 0; // of the expanded data
};

// Reads a header from its first szddHeaderSize bytes (fewer: not compressed).
SzddHeader readSzddHeader(const unsigned char *bytes, std::size_t size);

enum class SzddStatus { Done, Truncated, Overrun, ReadFailed, WriteFailed };

// Expands the data that follows the header, read from the file descriptor
// in, into out until length bytes are written. The data must end there:
// Truncated when it ends before, Overrun when a reference runs past the
// length or data is left after it (mscompress ends its data with the last
// byte; only an empty file carries a token of padding). written counts the
// bytes written either way.
SzddStatus expandSzdd(int in, int out, std::uint32_t length, std::uint64_t &written);
