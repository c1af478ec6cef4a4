// StreamCompressor: compresses streams on a few helper threads while they are
// still being written. The bytes that are final go to deflate in pieces
// (Z_NO_FLUSH), and the end of a stream finishes it (Z_FINISH): the same bytes
// as one deflate call over the whole stream, so drawing and compression
// overlap. Streams that have ended go on compressing while the writer fills
// the next one; each stream has its own deflate state, so several are
// compressed at once, one helper on each, and their results are taken oldest
// first. The writer waits only when it needs a stream's result. The helpers
// start as streams come (one for a lone stream) and end with the compressor.
#pragma once
#include <pthread.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>

#include "devices/reusable_deflate.h"

class StreamCompressor {
  public:
    // The most helper threads of one compressor: deflate of a page's streams
    // is shared by this many cores beside the drawing thread.
    static constexpr int kMostHelpers = 3;
    // Helpers for this machine: one for each core beside the drawing thread,
    // at least one, at most kMostHelpers.
    static int helpersForThisMachine();

    explicit StreamCompressor(int helpers = helpersForThisMachine());
    StreamCompressor(const StreamCompressor &) = delete;
    StreamCompressor &operator=(const StreamCompressor &) = delete;
    ~StreamCompressor();

    // Starts on the stream at memory, compressed into out (area bytes). Both
    // stay in place until the stream's result is taken. False when no helper
    // thread can start, when a stream is still open, or when capacity()
    // streams are already held.
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
    // The oldest stream held is compressed: result() would not wait.
    bool oldestDone();
    // The stream begun last is still open (between begin and close).
    bool busy() const { return busy_; }
    // Streams held: begun and their result not yet taken.
    int held() const { return held_; }
    // The most streams held at once: one for each helper, one open and one
    // waiting, so that no helper idles while the writer fills a stream.
    int capacity() const { return helpers_ + 2; }

  private:
    static constexpr int kMostStreams = kMostHelpers + 2;
    struct Job {
        const unsigned char *memory = nullptr;
        unsigned char *out = nullptr;
        std::size_t area = 0;
        std::size_t offered = 0; // bytes that are final
        std::size_t fed = 0;     // bytes given to deflate
        bool finishing = false;  // offered is the whole stream
        bool taken = false;      // a helper is compressing a piece of it
        bool failed = false;     // deflate lost it (the helper's, while taken)
        bool done = false;       // a helper has finished it
        bool succeeded = false;  // and deflate ended the stream
        std::size_t compressed = 0;
    };
    static void *helperMain(void *compressor);
    void compressOffers();
    // The oldest held stream with bytes for deflate that no helper holds, or
    // -1; its index in jobs_.
    int nextForHelper() const;
    bool startHelper();

    const int helpers_;
    std::mutex mutex_;
    std::condition_variable wake_, finished_;
    pthread_t threads_[kMostHelpers]{};
    int running_ = 0; // helper threads started, written by the writer only
    bool stop_ = false;
    bool busy_ = false; // read and written by the writer's thread only
    int held_ = 0;      // likewise

    // The streams held, oldest first from first_, under the mutex; each with
    // the deflate state that compresses it (made once, reset per stream).
    Job jobs_[kMostStreams];
    ReusableDeflate deflaters_[kMostStreams];
    int first_ = 0;
    int count_ = 0;
};
