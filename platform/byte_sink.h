// ByteSink: the one output stream of the file writers. Bytes are appended into
// a buffer that goes to a file (written out in large pieces), stays in memory
// as the whole document (growing as needed), or fills a caller's memory area
// of fixed size (PngBuffer). Binary fields are written one by one with their
// byte order named (le/be), so files are the same on any machine. The position
// counts every byte ever written, so offsets stay right even when memory could
// not hold them (the sink is then "lost": bytes are only counted). A failed file
// write is sticky: later writes are dropped and failed() says so.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// A caller's memory area for a file: start, size in bytes and the count of
// bytes written so far. Size 0 only counts: nothing is stored.
struct PngBuffer {
    std::uint8_t *start = nullptr;
    std::size_t size = 0;
    std::size_t count = 0;
};

// Appends n bytes to the area: the new count, or 0 when they do not fit
// (nothing is stored then). With size 0 the count grows and nothing is stored.
std::size_t qqpbuf(PngBuffer &buffer, const std::uint8_t *bytes, std::size_t n);

class ByteSink {
  public:
    ByteSink() = default;
    explicit ByteSink(FILE *file) { attachFile(file); }
    explicit ByteSink(PngBuffer *area) { useArea(area); }
    ~ByteSink();
    ByteSink(const ByteSink &) = delete;
    ByteSink &operator=(const ByteSink &) = delete;

    // Opens name for writing ("wb"); false when it cannot be opened.
    bool openFile(const char *name);
    // Writes into a file the caller owns (null: bytes are only counted).
    void attachFile(FILE *file);
    // Keeps everything in memory: initial bytes at the start, grown by at
    // least step bytes, and always enough for the write at hand.
    bool useMemory(std::size_t initial, std::size_t step);
    // Writes into the caller's fixed memory area.
    void useArea(PngBuffer *area);

    void write(const void *bytes, std::size_t n);
    void write(const char *text);
    void text(std::string_view s) { write(s.data(), s.size()); }
    void zeros(std::size_t n);
    void u8(unsigned v) {
        const std::uint8_t b = static_cast<std::uint8_t>(v);
        write(&b, 1);
    }
    void u16le(unsigned v);
    void u32le(std::uint32_t v);
    void u16be(unsigned v);
    void u32be(std::uint32_t v);

    // Bytes written so far (the offset of the next byte).
    long long position() const { return position_; }
    // Memory or area: the bytes did not fit; bytes since then were only counted.
    bool lost() const { return lost_; }
    // File: a write failed.
    bool failed() const { return failed_; }
    bool good() const { return !lost_ && !failed_; }
    bool inMemory() const { return memory_; }

    // Hands what is buffered to the file and the file to the system, so that
    // a refused write shows now.
    void flush();
    // Flushes, closes an owned file and forgets the file; memory stays.
    void closeFile();

    // Memory mode: the document and its length.
    const unsigned char *data() const { return buffer_; }
    std::size_t size() const { return length_; }
    // Frees the memory and returns to the unattached state.
    void release();

  private:
    bool grow(std::size_t needed);
    void drain();

    unsigned char *buffer_ = nullptr;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;
    std::size_t step_ = 0;
    long long position_ = 0;
    FILE *file_ = nullptr;
    PngBuffer *area_ = nullptr;
    bool ownsFile_ = false;
    bool memory_ = false;
    bool lost_ = false;
    bool failed_ = false;
};
