// ByteSink: the output stream of the PDF and SVG writers. Bytes are appended
// into a growing buffer that goes either to a file (written out in large
// pieces) or stays in memory as the whole document. The position counts every
// byte ever written, so cross-reference offsets stay right even when the
// memory could not grow (then the bytes are only counted: the sink is "lost").
// A failed file write is sticky: later writes are dropped and failed() says so.
#pragma once
#include <cstddef>
#include <cstdio>

class ByteSink {
  public:
    ByteSink() = default;
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

    void write(const void *bytes, std::size_t n);
    void write(const char *text);

    // Bytes written so far (the offset of the next byte).
    long long position() const { return position_; }
    // Memory mode: the memory could not grow; bytes since then were only counted.
    bool lost() const { return lost_; }
    // File mode: a write failed.
    bool failed() const { return failed_; }
    bool inMemory() const { return memory_; }

    // Writes out what is buffered (file mode).
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

    unsigned char *buffer_ = nullptr;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;
    std::size_t step_ = 0;
    long long position_ = 0;
    FILE *file_ = nullptr;
    bool ownsFile_ = false;
    bool memory_ = false;
    bool lost_ = false;
    bool failed_ = false;
};
