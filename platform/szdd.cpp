// Expansion of SZDD data, read and written in blocks.
#include "platform/szdd.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr unsigned char magic[8] = {0x53, 0x5A, 0x44, 0x44, 0x88, 0xF0, 0x27, 0x33};

// A file descriptor read a block at a time.
class ByteReader {
  public:
    explicit ByteReader(int fd) : fd_(fd) {}
    // The next byte, or -1 at the end; failed() tells an error from the end.
    int next() {
        if (at_ == size_) {
            ssize_t n;
            do
                n = ::read(fd_, buffer_.data(), buffer_.size());
            while (n < 0 && errno == EINTR);
            if (n <= 0) {
                failed_ = n < 0;
                return -1;
            }
            at_ = 0;
            size_ = std::size_t(n);
        }
        return buffer_[at_++];
    }
    bool failed() const { return failed_; }

  private:
    int fd_;
    std::array<unsigned char, 65536> buffer_;
    std::size_t at_ = 0, size_ = 0;
    bool failed_ = false;
};

// A file descriptor written a block at a time.
class ByteWriter {
  public:
    explicit ByteWriter(int fd) : fd_(fd) {}
    void put(unsigned char byte) {
        if (size_ == buffer_.size()) flush();
        buffer_[size_++] = byte;
    }
    // False once any write has failed (a full disk, for instance).
    bool flush() {
        std::size_t done = 0;
        while (!failed_ && done < size_) {
            const ssize_t n = ::write(fd_, buffer_.data() + done, size_ - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                failed_ = true;
            else
                done += std::size_t(n);
        }
        size_ = 0;
        return !failed_;
    }

  private:
    int fd_;
    std::array<unsigned char, 65536> buffer_;
    std::size_t size_ = 0;
    bool failed_ = false;
};

} // namespace

SzddHeader readSzddHeader(const unsigned char *bytes, std::size_t size) {
    SzddHeader header;
    if (size < szddHeaderSize || std::memcmp(bytes, magic, sizeof magic) != 0) return header;
    header.compressed = true;
    header.knownMethod = bytes[8] == 'A';
    header.length = std::uint32_t(bytes[10]) | std::uint32_t(bytes[11]) << 8 |
                    std::uint32_t(bytes[12]) << 16 | std::uint32_t(bytes[13]) << 24;
    return header;
}

SzddStatus expandSzdd(int in, int out, std::uint32_t length, std::uint64_t &written) {
    ByteReader reader(in);
    ByteWriter writer(out);
    std::array<unsigned char, 4096> ring;
    ring.fill(' ');
    unsigned position = 4096 - 16;
    written = 0;
    auto emit = [&](unsigned char byte) {
        writer.put(byte);
        ring[position] = byte;
        position = (position + 1) & 4095;
        ++written;
    };
    bool truncated = false, overrun = false;
    while (written < length && !truncated && !overrun) {
        const int control = reader.next();
        if (control < 0) {
            truncated = true;
            break;
        }
        for (int bit = 0; bit < 8 && written < length; ++bit) {
            if (control & (1 << bit)) {
                const int byte = reader.next();
                if (byte < 0) {
                    truncated = true;
                    break;
                }
                emit(static_cast<unsigned char>(byte));
                continue;
            }
            const int low = reader.next();
            const int high = low < 0 ? -1 : reader.next();
            if (high < 0) {
                truncated = true;
                break;
            }
            const unsigned from = unsigned(low) | (unsigned(high & 0xF0) << 4);
            const unsigned count = unsigned(high & 0x0F) + 3;
            overrun = written + count > length;
            for (unsigned k = 0; k < count && written < length; ++k)
                emit(ring[(from + k) & 4095]);
        }
    }
    if (!truncated && !overrun && length > 0) overrun = reader.next() >= 0;
    if (!writer.flush()) return SzddStatus::WriteFailed;
    if (reader.failed()) return SzddStatus::ReadFailed;
    if (truncated) return SzddStatus::Truncated;
    return overrun ? SzddStatus::Overrun : SzddStatus::Done;
}
