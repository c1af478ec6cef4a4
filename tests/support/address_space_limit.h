// A scope in which the process may take only a little more memory than it
// holds, so that a large allocation fails as it would on a full machine. The
// sanitizers' shadow memory does not fit such a limit: tests that use it are
// skipped there.
#pragma once
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

class AddressSpaceLimit {
  public:
    explicit AddressSpaceLimit(long spare) {
        long pages = 0;
        if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        getrlimit(RLIMIT_AS, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + rlim_t(spare);
        active_ = pages > 0 && setrlimit(RLIMIT_AS, &limited) == 0;
    }
    ~AddressSpaceLimit() {
        if (active_) setrlimit(RLIMIT_AS, &saved_);
    }
    AddressSpaceLimit(const AddressSpaceLimit &) = delete;
    AddressSpaceLimit &operator=(const AddressSpaceLimit &) = delete;

    bool active() const { return active_; }

  private:
    rlimit saved_{};
    bool active_ = false;
};
