// StreamCompressor: compresses a stream on a helper thread while the stream
// is still being written. The bytes that are final go to deflate in pieces
// (Z_NO_FLUSH), and the end of the stream finishes it (Z_FINISH): the same
// bytes as one deflate call over the whole stream, so drawing and compression
// overlap and the writer waits only for the last piece. The helper thread
// starts with the first stream and ends with the compressor.
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
    // stay in place until finish. False when the helper thread cannot start.
    bool begin(const unsigned char *memory, unsigned char *out, std::size_t area);
    // The first n bytes of the stream are final.
    void offer(std::size_t n);
    // The stream has n bytes: waits for the helper and gives the compressed
    // length. False when zlib failed, or when the result would not have fit an
    // output area of n + n / 100 + 13 bytes, as one deflate call has.
    bool finish(std::size_t n, std::size_t &compressedLength);
    // Between begin and finish.
    bool busy() const { return busy_; }

  private:
    static void *helperMain(void *compressor);
    void compressOffers();

    std::mutex mutex_;
    std::condition_variable wake_, finished_;
    pthread_t helper_{};
    bool helperRunning_ = false;
    bool stop_ = false;
    bool busy_ = false; // read and written by the writer's thread only

    // The stream, under the mutex.
    const unsigned char *memory_ = nullptr;
    unsigned char *out_ = nullptr;
    std::size_t area_ = 0;
    std::size_t offered_ = 0; // bytes that are final
    std::size_t fed_ = 0;     // bytes given to deflate
    bool started_ = false;    // a stream waits for the helper
    bool finishing_ = false;  // offered_ is the whole stream
    bool done_ = false;       // the helper has finished it
    bool succeeded_ = false;  // and deflate ended the stream
    std::size_t compressed_ = 0;
};
