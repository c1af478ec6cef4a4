// Reading a binary file byte by byte through a small buffer, and the
// little-endian words of the image formats built on it.
#pragma once
#include <cstdint>
#include <cstdio>

struct ByteReader {
    FILE *file = nullptr;
    std::uint8_t buffer[80] = {};
    int pos = 0;
    int count = 0;
};

// The next byte, or -1 at the end of the file.
int qqgbyt(ByteReader &reader);

// Little-endian fields; false at the end of the file.
bool readU16le(ByteReader &reader, std::uint32_t &value);
bool readU32le(ByteReader &reader, std::uint32_t &value);
// Skips n bytes; false when the file ends first.
bool skipBytes(ByteReader &reader, std::uint64_t n);
