// The writers' output stream: a buffer over a file, over growing memory, or
// over a caller's fixed memory area.
#include "platform/byte_sink.h"

#include <cstdlib>
#include <cstring>

namespace {

// File mode collects this much before each fwrite.
constexpr std::size_t kFileChunk = 1 << 16;

} // namespace

std::size_t qqpbuf(PngBuffer &buffer, const std::uint8_t *bytes, std::size_t n) {
    if (buffer.size == 0) return buffer.count += n;
    if (n > buffer.size - buffer.count) return 0;
    std::memcpy(buffer.start + buffer.count, bytes, n);
    return buffer.count += n;
}

ByteSink::~ByteSink() {
    closeFile();
    std::free(buffer_);
}

bool ByteSink::openFile(const char *name) {
    release();
    file_ = std::fopen(name, "wb");
    ownsFile_ = file_ != nullptr;
    return file_ != nullptr;
}

void ByteSink::attachFile(FILE *file) {
    release();
    file_ = file;
    ownsFile_ = false;
}

bool ByteSink::useMemory(std::size_t initial, std::size_t step) {
    release();
    memory_ = true;
    step_ = step;
    buffer_ = static_cast<unsigned char *>(std::malloc(initial));
    if (buffer_ == nullptr) {
        lost_ = true;
        return false;
    }
    capacity_ = initial;
    return true;
}

void ByteSink::useArea(PngBuffer *area) {
    release();
    area_ = area;
}

bool ByteSink::grow(std::size_t needed) {
    std::size_t capacity = capacity_;
    const std::size_t step = memory_ ? step_ : kFileChunk;
    // Grow by whole steps until the write fits.
    while (capacity < needed)
        capacity += step;
    void *larger = std::realloc(buffer_, capacity);
    if (larger == nullptr) return false;
    buffer_ = static_cast<unsigned char *>(larger);
    capacity_ = capacity;
    return true;
}

void ByteSink::write(const void *bytes, std::size_t n) {
    if (n == 0) return;
    position_ += static_cast<long long>(n);
    if (area_ != nullptr) {
        if (!lost_ && n > 0 && qqpbuf(*area_, static_cast<const std::uint8_t *>(bytes), n) == 0)
            lost_ = true;
        return;
    }
    if (memory_) {
        if (lost_) return;
        if (length_ + n > capacity_ && !grow(length_ + n)) {
            lost_ = true;
            return;
        }
        std::memcpy(buffer_ + length_, bytes, n);
        length_ += n;
        return;
    }
    if (file_ == nullptr || failed_) return;
    if (length_ + n > capacity_) {
        drain();
        if (n >= kFileChunk) { // a large piece goes straight out
            if (std::fwrite(bytes, 1, n, file_) != n) failed_ = true;
            return;
        }
        if (capacity_ < kFileChunk && !grow(kFileChunk)) {
            if (std::fwrite(bytes, 1, n, file_) != n) failed_ = true;
            return;
        }
    }
    std::memcpy(buffer_ + length_, bytes, n);
    length_ += n;
}

void ByteSink::write(const char *text) {
    write(text, std::strlen(text));
}

void ByteSink::zeros(std::size_t n) {
    static constexpr std::uint8_t kZeros[64] = {};
    while (n > 0) {
        const std::size_t chunk = n < sizeof kZeros ? n : sizeof kZeros;
        write(kZeros, chunk);
        n -= chunk;
    }
}

void ByteSink::u16le(unsigned v) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    write(b, 2);
}

void ByteSink::u32le(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 24)};
    write(b, 4);
}

void ByteSink::u16be(unsigned v) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    write(b, 2);
}

void ByteSink::u32be(std::uint32_t v) {
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v >> 24),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    write(b, 4);
}

// Writes what is buffered to the file.
void ByteSink::drain() {
    if (memory_ || length_ == 0) return;
    if (file_ != nullptr && !failed_ && std::fwrite(buffer_, 1, length_, file_) != length_)
        failed_ = true;
    length_ = 0;
}

void ByteSink::flush() {
    drain();
    if (file_ != nullptr && !failed_ && (std::fflush(file_) != 0 || std::ferror(file_) != 0))
        failed_ = true;
}

void ByteSink::closeFile() {
    drain();
    if (ownsFile_ && file_ != nullptr && std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    ownsFile_ = false;
}

void ByteSink::release() {
    closeFile();
    std::free(buffer_);
    buffer_ = nullptr;
    length_ = capacity_ = step_ = 0;
    position_ = 0;
    area_ = nullptr;
    memory_ = lost_ = failed_ = false;
}
