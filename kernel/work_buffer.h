// A heap block that grows on demand and is kept for the next call, so that a
// routine run again and again (every fill of a contour plot) allocates only
// when it meets a larger polygon than before.
#pragma once
#include <cstddef>
#include <memory>
#include <new>

template <typename T> class WorkBuffer {
  public:
    // Room for n elements, or null when that much memory cannot be had (the
    // block held so far stays). The contents are not kept across a growth.
    T *reserve(std::size_t n) {
        if (n > capacity_) {
            T *grown = new (std::nothrow) T[n];
            if (grown == nullptr) return nullptr;
            data_.reset(grown);
            capacity_ = n;
        }
        return data_.get();
    }

  private:
    std::unique_ptr<T[]> data_;
    std::size_t capacity_ = 0;
};
