// The helper threads of a StreamCompressor and the writer's side of it.
#include "devices/stream_compressor.h"

#include <sched.h>

#include <algorithm>
#include <csignal>

int StreamCompressor::helpersForThisMachine() {
    // The cores this process may run on, which may be fewer than the machine's.
    cpu_set_t cores;
    CPU_ZERO(&cores);
    const int count = sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
    return std::clamp(count - 1, 1, kMostHelpers);
}

StreamCompressor::StreamCompressor(int helpers) : helpers_(std::clamp(helpers, 1, kMostHelpers)) {}

StreamCompressor::~StreamCompressor() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (int i = 0; i < running_; ++i)
        pthread_join(threads_[i], nullptr);
}

bool StreamCompressor::startHelper() {
    // The helper takes none of the program's signals: they stay with the
    // program's own threads.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const bool started = pthread_create(&threads_[running_], nullptr, helperMain, this) == 0;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (started) running_ += 1;
    return started;
}

bool StreamCompressor::begin(const unsigned char *memory, unsigned char *out, std::size_t area) {
    if (held_ == capacity() || busy_) return false;
    // A helper more for each stream held, up to the helpers' number; without
    // any, nothing is compressed here.
    if (running_ < std::min(helpers_, held_ + 1) && !startHelper() && running_ == 0) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Job &job = jobs_[(first_ + count_) % kMostStreams];
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
        jobs_[(first_ + count_ - 1) % kMostStreams].offered = n;
    }
    wake_.notify_one();
}

void StreamCompressor::close(std::size_t n) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Job &job = jobs_[(first_ + count_ - 1) % kMostStreams];
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
    first_ = (first_ + 1) % kMostStreams;
    count_ -= 1;
    held_ -= 1;
    return succeeded;
}

bool StreamCompressor::finish(std::size_t n, std::size_t &compressedLength) {
    close(n);
    return result(compressedLength);
}

bool StreamCompressor::oldestDone() {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_ > 0 && jobs_[first_].done;
}

void *StreamCompressor::helperMain(void *compressor) {
    static_cast<StreamCompressor *>(compressor)->compressOffers();
    return nullptr;
}

int StreamCompressor::nextForHelper() const {
    for (int i = 0; i < count_; ++i) {
        const int index = (first_ + i) % kMostStreams;
        const Job &job = jobs_[index];
        if (!job.taken && !job.done && (job.offered > job.fed || job.finishing)) return index;
    }
    return -1;
}

void StreamCompressor::compressOffers() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        int index = -1;
        wake_.wait(lock, [this, &index] {
            index = nextForHelper();
            return stop_ || index >= 0;
        });
        if (stop_) break;
        Job &job = jobs_[index];
        ReusableDeflate &deflater = deflaters_[index];
        job.taken = true;
        const std::size_t from = job.fed, to = job.offered;
        const bool finish = job.finishing;
        lock.unlock();

        // The stream's bytes up to `to` are final and stay in place: they are
        // read without the lock while the writer goes on behind them. The job
        // is this helper's alone while it is taken: no other helper takes it,
        // and the writer takes its result only once it is done. A stream's
        // pieces go to deflate in their order, whichever helper takes them.
        if (from == 0 && !job.failed) job.failed = !deflater.begin(job.out, job.area);
        if (!job.failed) job.failed = !deflater.feed(job.memory + from, to - from, finish);

        lock.lock();
        job.fed = to;
        job.taken = false;
        if (finish) {
            job.done = true;
            job.succeeded = !job.failed;
            job.compressed = job.failed ? 0 : deflater.length();
            finished_.notify_all();
        }
    }
}
