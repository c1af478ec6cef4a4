// Working arrays taken per call: zero-filled, and null when the memory cannot
// be had, so that the caller can warn and return instead of ending the program.
#pragma once
#include <cstddef>
#include <memory>
#include <new>

template <typename T> std::unique_ptr<T[]> zeroedArray(std::size_t n) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[n]());
}
