// Buffered byte input for the image decoders.
#include "devices/byte_reader.h"

int qqgbyt(ByteReader &reader) {
    if (reader.pos >= reader.count) {
        reader.count =
            static_cast<int>(std::fread(reader.buffer, 1, sizeof reader.buffer, reader.file));
        reader.pos = 0;
        if (reader.count <= 0) {
            reader.count = 0;
            return -1;
        }
    }
    return reader.buffer[reader.pos++];
}

bool readU16le(ByteReader &reader, std::uint32_t &value) {
    const int lo = qqgbyt(reader);
    const int hi = qqgbyt(reader);
    if (hi < 0) return false;
    value = static_cast<std::uint32_t>(lo) | static_cast<std::uint32_t>(hi) << 8;
    return true;
}

bool readU32le(ByteReader &reader, std::uint32_t &value) {
    std::uint32_t lo = 0, hi = 0;
    if (!readU16le(reader, lo) || !readU16le(reader, hi)) return false;
    value = lo | hi << 16;
    return true;
}

bool skipBytes(ByteReader &reader, std::uint64_t n) {
    for (; n > 0; --n)
        if (qqgbyt(reader) < 0) return false;
    return true;
}
