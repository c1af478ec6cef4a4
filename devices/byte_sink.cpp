// The writers' output stream: a growing buffer over a file or over memory.
#include "devices/byte_sink.h"

#include <cstdlib>
#include <cstring>

namespace {

// File mode collects this much before each fwrite.
constexpr std::size_t kFileChunk = 1 << 16;

}  // namespace

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

bool ByteSink::grow(std::size_t needed) {
    std::size_t capacity = capacity_;
    const std::size_t step = memory_ ? step_ : kFileChunk;
    // Grow by whole steps until the write fits.
    while (capacity < needed) capacity += step;
    void *larger = std::realloc(buffer_, capacity);
    if (larger == nullptr) return false;
    buffer_ = static_cast<unsigned char *>(larger);
    capacity_ = capacity;
    return true;
}

void ByteSink::write(const void *bytes, std::size_t n) {
    position_ += static_cast<long long>(n);
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
        flush();
        if (n >= kFileChunk) {  // a large piece goes straight out
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

void ByteSink::write(const char *text) { write(text, std::strlen(text)); }

void ByteSink::flush() {
    if (memory_ || length_ == 0) return;
    if (file_ != nullptr && !failed_ && std::fwrite(buffer_, 1, length_, file_) != length_)
        failed_ = true;
    length_ = 0;
}

void ByteSink::closeFile() {
    flush();
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
    memory_ = lost_ = failed_ = false;
}
