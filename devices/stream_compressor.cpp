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
    if (held_ == 2 || busy_) return false;
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
        Job &job = jobs_[(first_ + count_) % 2];
        job = Job{};
        job.memory = memory;
        job.out = out;
        job.area = area;
        count_ += 1;
    }
    held_ += 1;
    busy_ = true;
    return true;
}

void StreamCompressor::offer(std::size_t n) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_[(first_ + count_ - 1) % 2].offered = n;
    }
    wake_.notify_one();
}

void StreamCompressor::close(std::size_t n) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Job &job = jobs_[(first_ + count_ - 1) % 2];
        job.offered = n;
        job.finishing = true;
    }
    wake_.notify_one();
    busy_ = false;
}

bool StreamCompressor::result(std::size_t &compressedLength) {
    std::unique_lock<std::mutex> lock(mutex_);
    Job &job = jobs_[first_];
    finished_.wait(lock, [&job] { return job.done; });
    compressedLength = job.compressed;
    const std::size_t n = job.offered;
    const bool succeeded = job.succeeded && job.compressed <= n + n / 100 + 13;
    first_ = (first_ + 1) % 2;
    count_ -= 1;
    held_ -= 1;
    return succeeded;
}

bool StreamCompressor::finish(std::size_t n, std::size_t &compressedLength) {
    close(n);
    return result(compressedLength);
}

void *StreamCompressor::helperMain(void *compressor) {
    static_cast<StreamCompressor *>(compressor)->compressOffers();
    return nullptr;
}

StreamCompressor::Job *StreamCompressor::nextForHelper() {
    for (int i = 0; i < count_; ++i) {
        Job &job = jobs_[(first_ + i) % 2];
        if (!job.done) return &job;
    }
    return nullptr;
}

void StreamCompressor::compressOffers() {
    z_stream z{};
    bool open = false;   // deflate holds the current stream
    bool failed = false; // the current stream cannot be compressed
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        Job *job = nullptr;
        wake_.wait(lock, [this, &job] {
            job = nextForHelper();
            return stop_ || (job != nullptr && (job->offered > job->fed || job->finishing));
        });
        if (stop_) break;
        const unsigned char *const memory = job->memory;
        unsigned char *const out = job->out;
        const std::size_t area = job->area, from = job->fed, to = job->offered;
        const bool finish = job->finishing;
        lock.unlock();

        // The stream's bytes up to `to` are final and stay in place: they are
        // read without the lock while the writer goes on behind them. The job
        // itself stays in place until the writer takes its result, which it
        // does only once the job is done.
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
        job->fed = to;
        if (finish) {
            job->done = true;
            job->succeeded = succeeded;
            job->compressed = total;
            finished_.notify_one();
        }
    }
    if (open) deflateEnd(&z);
}
