// StreamCompressor: compresses a stream on a helper thread while the stream
// is still being written. The bytes that are final go to deflate in pieces
// (Z_NO_FLUSH), and the end of the stream finishes it (Z_FINISH): the same
// bytes as one deflate call over the whole stream, so drawing and compression
// overlap. A stream that has ended can still be compressing while the writer
// begins the next one (two streams at most): the writer waits only when it
// needs a stream's result. The helper thread starts with the first stream and
// ends with the compressor.
#pragma once
#include <pthread.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>

class StreamCompressor {
  public:
    StreamCompressor() = default;
    StreamCompressor(const StreamCompressor &) = delete;
    StreamCompressor &operator=(const StreamCompressor &) = delete;
    ~StreamCompressor();

    // Starts on the stream at memory, compressed into out (area bytes). Both
    // stay in place until the stream's result is taken. False when the helper
    // thread cannot start, or when two streams are already held.
    bool begin(const unsigned char *memory, unsigned char *out, std::size_t area);
    // The first n bytes of the stream begun last are final.
    void offer(std::size_t n);
    // The stream begun last has n bytes; it is compressed to its end while
    // the writer goes on.
    void close(std::size_t n);
    // Waits for the oldest stream held and gives its compressed length. False
    // when zlib failed, or when the result would not have fit an output area
    // of n + n / 100 + 13 bytes, as one deflate call has.
    bool result(std::size_t &compressedLength);
    // close(n), then the result of the oldest stream held.
    bool finish(std::size_t n, std::size_t &compressedLength);
    // The stream begun last is still open (between begin and close).
    bool busy() const { return busy_; }
    // Streams held: begun and their result not yet taken.
    int held() const { return held_; }

  private:
    struct Job {
        const unsigned char *memory = nullptr;
        unsigned char *out = nullptr;
        std::size_t area = 0;
        std::size_t offered = 0; // bytes that are final
        std::size_t fed = 0;     // bytes given to deflate
        bool finishing = false;  // offered is the whole stream
        bool done = false;       // the helper has finished it
        bool succeeded = false;  // and deflate ended the stream
        std::size_t compressed = 0;
    };
    static void *helperMain(void *compressor);
    void compressOffers();
    // The oldest held stream that the helper has not finished, or null.
    Job *nextForHelper();

    std::mutex mutex_;
    std::condition_variable wake_, finished_;
    pthread_t helper_{};
    bool helperRunning_ = false;
    bool stop_ = false;
    bool busy_ = false; // read and written by the writer's thread only
    int held_ = 0;      // likewise

    // The streams held, oldest first from first_, under the mutex.
    Job jobs_[2];
    int first_ = 0;
    int count_ = 0;
};
