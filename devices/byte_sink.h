// ByteSink: the one output helper of the binary file writers. Fields are
// written one by one with their byte order named (le/be), so files are the
// same on any machine. The sink writes to an open file, or appends to a
// caller's memory area (PngBuffer); the first failure sticks and every later
// write is skipped.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// A caller's memory area for a PNG file: start, size in bytes and the count of
// bytes written so far. Size 0 only counts: nothing is stored.
struct PngBuffer {
    std::uint8_t *start = nullptr;
    std::size_t size = 0;
    std::size_t count = 0;
};

// Appends n bytes to the buffer: the new count, or 0 when they do not fit
// (nothing is stored then). With size 0 the count grows and nothing is stored.
std::size_t qqpbuf(PngBuffer &buffer, const std::uint8_t *bytes, std::size_t n);

class ByteSink {
  public:
    explicit ByteSink(FILE *file) : file_(file) {}
    explicit ByteSink(PngBuffer *buffer) : buffer_(buffer) {}

    void bytes(const void *data, std::size_t n);
    void zeros(std::size_t n);
    void text(std::string_view s) { bytes(s.data(), s.size()); }
    void u8(unsigned v) {
        const std::uint8_t b = static_cast<std::uint8_t>(v);
        bytes(&b, 1);
    }
    void u16le(unsigned v);
    void u32le(std::uint32_t v);
    void u16be(unsigned v);
    void u32be(std::uint32_t v);

    // Hands buffered bytes to the file, so that a refused write shows now.
    void flush();

    // The file refused a write.
    bool writeFailed() const { return writeFailed_; }
    // A write did not fit into the PngBuffer.
    bool bufferFull() const { return bufferFull_; }
    bool good() const { return !writeFailed_ && !bufferFull_; }
    // Bytes written (or counted) so far.
    std::size_t count() const { return count_; }

  private:
    FILE *file_ = nullptr;
    PngBuffer *buffer_ = nullptr;
    std::size_t count_ = 0;
    bool writeFailed_ = false;
    bool bufferFull_ = false;
};
