// The helper thread of a StreamCompressor and the writer's side of it.
#include "devices/stream_compressor.h"

#include <zlib.h>

#include <csignal>

StreamCompressor::~StreamCompressor() {
    if (!helperRunning_) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    pthread_join(helper_, nullptr);
}

bool StreamCompressor::begin(const unsigned char *memory, unsigned char *out, std::size_t area) {
    if (!helperRunning_) {
        // The helper takes none of the program's signals: they stay with the
        // program's own threads.
        sigset_t all, previous;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &previous);
        helperRunning_ = pthread_create(&helper_, nullptr, helperMain, this) == 0;
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        if (!helperRunning_) return false;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        memory_ = memory;
        out_ = out;
        area_ = area;
        offered_ = fed_ = compressed_ = 0;
        started_ = true;
        finishing_ = done_ = succeeded_ = false;
    }
    busy_ = true;
    return true;
}

void StreamCompressor::offer(std::size_t n) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        offered_ = n;
    }
    wake_.notify_one();
}

bool StreamCompressor::finish(std::size_t n, std::size_t &compressedLength) {
    std::unique_lock<std::mutex> lock(mutex_);
    offered_ = n;
    finishing_ = true;
    wake_.notify_one();
    finished_.wait(lock, [this] { return done_; });
    compressedLength = compressed_;
    const bool succeeded = succeeded_ && compressed_ <= n + n / 100 + 13;
    started_ = finishing_ = done_ = false;
    busy_ = false;
    return succeeded;
}

void *StreamCompressor::helperMain(void *compressor) {
    static_cast<StreamCompressor *>(compressor)->compressOffers();
    return nullptr;
}

void StreamCompressor::compressOffers() {
    z_stream z{};
    bool open = false;   // deflate holds the current stream
    bool failed = false; // the current stream cannot be compressed
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] {
            return stop_ || (started_ && !done_ && (offered_ > fed_ || finishing_));
        });
        if (stop_) break;
        const unsigned char *const memory = memory_;
        unsigned char *const out = out_;
        const std::size_t area = area_, from = fed_, to = offered_;
        const bool finish = finishing_;
        lock.unlock();

        // The stream's bytes up to `to` are final and stay in place: they are
        // read without the lock while the writer goes on behind them.
        if (!open && !failed) {
            z = z_stream{};
            open = deflateInit(&z, Z_DEFAULT_COMPRESSION) == Z_OK;
            failed = !open;
            z.next_out = out;
            z.avail_out = static_cast<uInt>(area);
        }
        int result = Z_OK;
        if (open && !failed) {
            z.next_in = const_cast<Bytef *>(memory + from);
            z.avail_in = static_cast<uInt>(to - from);
            result = deflate(&z, finish ? Z_FINISH : Z_NO_FLUSH);
            // Without room for the output the stream is lost to compression.
            if (!finish && (result != Z_OK || z.avail_in != 0)) failed = true;
        }
        bool succeeded = false;
        std::size_t total = 0;
        if (finish) {
            if (open) {
                total = z.total_out;
                const int end = deflateEnd(&z);
                succeeded = !failed && result == Z_STREAM_END && end == Z_OK;
            }
            open = failed = false;
        }

        lock.lock();
        fed_ = to;
        if (finish) {
            done_ = true;
            succeeded_ = succeeded;
            compressed_ = total;
            finished_.notify_one();
        }
    }
    if (open) deflateEnd(&z);
}
