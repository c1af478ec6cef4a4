// The sequence converters of the module kavlor. Python sequences of numbers
// (lists, tuples, any object of the sequence protocol) and objects with the
// buffer protocol (array.array, NumPy arrays) become the float and int buffers
// the library reads; output arrays are written back into the caller's objects.
//
// Exceptions, as scripts have always seen them:
//   ValueError "parameter is not a sequence"            no sequence where an array belongs
//   ValueError "sequence has no length"                 its size cannot be taken
//   MemoryError "out of range"                          fewer numbers than the count
//   MemoryError "out of memory"                         no memory for the buffer
//   ValueError/MemoryError "sequence error"             an item cannot be fetched
//   ValueError "no floatingpoint element in sequence"   an item of a float array is no number
//   ValueError "no integer element in sequence"         an item of an int array is no 32-bit int
//   ValueError "matrix rows have different lengths"     a row of a matrix differs from row 0
//   ValueError "a matrix row holds 4 numbers, not 3"    row 0 (or a buffer's last dimension)
//                                                       is not as long as the matrix's rows
//   ValueError "a matrix level holds 4 rows, not 3"     the same for the ny rows of a level
#pragma once

#include "python/values.h"

#include <cstdlib>

// A zero-filled buffer of the library's numbers, owned by one call of a
// wrapper, and the caller's object it came from.
template <class T> class Array {
  public:
    Array() = default;
    ~Array() { std::free(data_); }
    Array(const Array &) = delete;
    Array &operator=(const Array &) = delete;

    T *data() const { return data_; }
    Count size() const { return size_; }
    PyObject *source() const { return source_; }

    // Takes a calloc'd buffer of size elements; source is borrowed.
    void adopt(T *data, Count size, PyObject *source) {
        std::free(data_);
        data_ = data;
        size_ = size;
        source_ = source;
    }

  private:
    T *data_ = nullptr;
    Count size_ = 0;
    PyObject *source_ = nullptr;
};

using FloatArray = Array<float>;
using IntArray = Array<int>;

// A bytes-like argument, held for the call.
class ByteArgument {
  public:
    ByteArgument() = default;
    ~ByteArgument();
    ByteArgument(const ByteArgument &) = delete;
    ByteArgument &operator=(const ByteArgument &) = delete;

    const char *data() const { return static_cast<const char *>(view_.buf); }
    const unsigned char *pixels() const { return static_cast<const unsigned char *>(view_.buf); }
    // Holds obj when it has at least count bytes.
    bool hold(PyObject *obj, Count count);

  private:
    Py_buffer view_{};
    bool held_ = false;
};

// The arrays of one call of a wrapper, converted in argument order. Every
// conversion is tried even after one has failed, and the exception the caller
// sees is that of the last failure.
class Conversions {
  public:
    // An array that is only read: the first count numbers of obj, in a buffer
    // of room elements (at least count; the routine works in the rest).
    void floats(FloatArray &a, PyObject *obj, Count count, Count room = 0);
    void ints(IntArray &a, PyObject *obj, Count count);
    // An array that is also written: as above, and obj must take items.
    void floatsInOut(FloatArray &a, PyObject *obj, Count count);
    void intsInOut(IntArray &a, PyObject *obj, Count count);
    // A matrix of nx rows of ny: a flat sequence, a sequence of rows of ny, or
    // a buffer object whose last dimension is ny.
    void matrix(FloatArray &a, PyObject *obj, Count nx, Count ny);
    void matrixInOut(FloatArray &a, PyObject *obj, Count nx, Count ny);
    // Three levels: nx sequences of ny rows of nz (a buffer object: its last
    // dimensions ny and nz).
    void matrix3(FloatArray &a, PyObject *obj, Count nx, Count ny, Count nz);
    // Work room that no argument fills.
    void work(FloatArray &a, Count size);
    void work(IntArray &a, Count size);
    // A bytes-like object of at least count bytes.
    void bytes(ByteArgument &b, PyObject *obj, Count count);

    bool failed() const { return failed_; }

  private:
    template <class Convert> void attempt(Convert convert);
    bool failed_ = false;
};

// The length of obj as a sequence; -1 with the exception set when it is no
// sequence or has no length.
Count sequenceLength(PyObject *obj);

// The count an output array is written back with: at most its capacity, at least 0.
Count writtenCount(Count count, Count capacity);

// Writes the first count elements back into the array's object. False with an
// exception set when the object refuses an item.
bool writeBack(const FloatArray &a, Count count);
bool writeBack(const IntArray &a, Count count);
// Writes the nx * ny elements of a matrix back in the shape it came in.
bool writeBackMatrix(const FloatArray &a, Count nx, Count ny);
