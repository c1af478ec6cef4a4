// The scalars and texts of the module kavlor: text arguments, and the values a
// wrapper returns (library texts, streams, several results as a tuple).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

// Counts and sizes of arrays and buffers: 64 bits, so that the product of two
// int dimensions cannot wrap.
using Count = long long;

// The product of two counts, held at kHugeCount instead of wrapping: no buffer
// is that large, so a held product is refused as any count too large is.
constexpr Count kHugeCount = Count(1) << 60;
inline Count mul(Count a, Count b) {
    Count product = 0;
    return __builtin_mul_overflow(a, b, &product) || product > kHugeCount ? kHugeCount : product;
}

// A text argument: a str, encoded as ISO-8859-1, or bytes as they are; a NUL
// inside is refused. Used with the "O&" format of PyArg_ParseTuple.
class Text {
  public:
    Text() = default;
    ~Text() { Py_XDECREF(bytes_); }
    Text(const Text &) = delete;
    Text &operator=(const Text &) = delete;

    const char *c_str() const { return PyBytes_AS_STRING(bytes_); }
    Count size() const { return PyBytes_GET_SIZE(bytes_); }

    // The converter of "O&": 1 when obj became the text, 0 with an exception set.
    static int convert(PyObject *obj, void *text);

  private:
    PyObject *bytes_ = nullptr;
};

// A text of the library as a str; NULL gives None.
PyObject *textResult(const char *text);
// The text in a buffer of size bytes, up to its first NUL.
PyObject *textResult(const char *buffer, Count size);
// A text the library allocated for the caller: copied, then freed.
PyObject *ownedTextResult(char *text);

// The stream argument: 0 no stream (messages off), any other value standard output.
FILE *streamArgument(int value);
// A stream result: 6 when there is one, 0 when there is none.
PyObject *streamResult(FILE *stream);

// A wrapper's results: none gives None, one is returned as it is, several as a
// tuple. Takes the references; a null item (its creation failed) gives null.
PyObject *results(std::initializer_list<PyObject *> items);

// A zero-filled text buffer that the library writes into, for one call.
class TextBuffer {
  public:
    TextBuffer() = default;
    ~TextBuffer() { std::free(data_); }
    TextBuffer(const TextBuffer &) = delete;
    TextBuffer &operator=(const TextBuffer &) = delete;

    char *data() const { return data_; }
    Count size() const { return size_; }

    // size bytes; false with MemoryError "out of memory" when they cannot be had.
    bool take(Count size);
    // At least size bytes, holding the text (and its NUL) first.
    bool take(Count size, const Text &text);

  private:
    char *data_ = nullptr;
    Count size_ = 0;
};
