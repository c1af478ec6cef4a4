// The binary output helper: files or a caller's memory, explicit byte order.
#include "devices/byte_sink.h"

#include <cstring>

std::size_t qqpbuf(PngBuffer &buffer, const std::uint8_t *bytes, std::size_t n) {
    if (buffer.size == 0) return buffer.count += n;
    if (n > buffer.size - buffer.count) return 0;
    std::memcpy(buffer.start + buffer.count, bytes, n);
    return buffer.count += n;
}

void ByteSink::bytes(const void *data, std::size_t n) {
    if (!good() || n == 0) return;
    if (buffer_ != nullptr) {
        if (qqpbuf(*buffer_, static_cast<const std::uint8_t *>(data), n) == 0) {
            bufferFull_ = true;
            return;
        }
    } else if (file_ == nullptr || std::fwrite(data, 1, n, file_) != n) {
        writeFailed_ = true;
        return;
    }
    count_ += n;
}

void ByteSink::zeros(std::size_t n) {
    static constexpr std::uint8_t kZeros[64] = {};
    while (n > 0 && good()) {
        const std::size_t chunk = n < sizeof kZeros ? n : sizeof kZeros;
        bytes(kZeros, chunk);
        n -= chunk;
    }
}

void ByteSink::u16le(unsigned v) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    bytes(b, 2);
}

void ByteSink::u32le(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 24)};
    bytes(b, 4);
}

void ByteSink::u16be(unsigned v) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    bytes(b, 2);
}

void ByteSink::u32be(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v >> 24),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    bytes(b, 4);
}

void ByteSink::flush() {
    if (file_ != nullptr && !writeFailed_ && (std::fflush(file_) != 0 || std::ferror(file_) != 0))
        writeFailed_ = true;
}
