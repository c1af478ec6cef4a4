// The routines that hand bytes back: a file's contents (readfl), the PDF or PNG
// file of the picture (pdfbuf, rbfpng) and pixels (rpixls, rpxrow). Each takes a
// zero-filled buffer of the size asked for and returns the bytes the routine
// reports, never more than the buffer holds.
#include "kernel/binding_readings.h"
#include "python/sequences.h"

#include <kavlor.h>

namespace {

// A zero-filled byte buffer of size bytes (at least 1); MemoryError with the
// routine's own text when it cannot be had.
class ByteBuffer {
  public:
    ~ByteBuffer() { std::free(data_); }
    bool take(Count size, const char *routine) {
        data_ = size <= PY_SSIZE_T_MAX ? static_cast<char *>(std::calloc(size > 0 ? size : 1, 1))
                                       : nullptr;
        if (data_ == nullptr) PyErr_Format(PyExc_MemoryError, "out of memory in %s", routine);
        return data_ != nullptr;
    }
    char *data() const { return data_; }
    unsigned char *pixels() const { return reinterpret_cast<unsigned char *>(data_); }
    // The first n bytes (none when n <= 0, at most size).
    PyObject *bytes(Count n, Count size) const {
        return PyBytes_FromStringAndSize(data_, static_cast<Py_ssize_t>(writtenCount(n, size)));
    }

  private:
    char *data_ = nullptr;
};

PyObject *noBytes() {
    return PyBytes_FromStringAndSize(nullptr, 0);
}

// (the first n bytes, n) of a routine that fills a buffer of size bytes and
// answers n.
template <class Fill> PyObject *filledBytes(int size, const char *routine, Fill fill) {
    ByteBuffer buffer;
    if (!buffer.take(size, routine)) return nullptr;
    const int n = fill(buffer.data());
    return results({buffer.bytes(n, size), PyLong_FromLong(n)});
}

// A file of the picture in memory: with nmax 0 the routine answers the size it
// needs, and nothing is copied.
PyObject *pictureFile(PyObject *args, const char *format, const char *routine,
                      int (*write)(char *, int)) {
    int nmax = 0;
    if (!PyArg_ParseTuple(args, format, &nmax)) return nullptr;
    if (nmax < 0) return results({noBytes(), PyLong_FromLong(0)});
    if (nmax == 0) return results({noBytes(), PyLong_FromLong(write(nullptr, 0))});
    return filledBytes(nmax, routine, [&](char *buffer) { return write(buffer, nmax); });
}

// (the bytes of count pixels, their length); a pixel is one byte, or three
// in the RGB pixel mode. A request the picture cannot answer (more pixels than
// it holds, or any outside image mode) would be refused by the routine: it
// raises ValueError before a buffer is taken.
template <class Read> PyObject *pixelBytes(Count pixels, const char *routine, Read read) {
    const long long picture = kavlor_readable_pixels();
    if (picture == 0) {
        PyErr_Format(PyExc_ValueError, "%s: pixels are read only in image mode", routine);
        return nullptr;
    }
    if (pixels > picture) {
        PyErr_Format(PyExc_ValueError,
                     "%s: %lld pixels requested, more than the %lld of the picture", routine,
                     pixels, picture);
        return nullptr;
    }
    const Count size = mul(pixels, kavlor_pixel_bytes());
    ByteBuffer buffer;
    if (!buffer.take(size, routine)) return nullptr;
    read(buffer.pixels());
    return results({buffer.bytes(size, size), PyLong_FromLongLong(size)});
}

} // namespace

PyObject *kavlor_readfl(PyObject *, PyObject *args) {
    int unit = 0, nbytes = 0;
    if (!PyArg_ParseTuple(args, "ii:readfl", &unit, &nbytes)) return nullptr;
    if (nbytes <= 0) return results({noBytes(), PyLong_FromLong(0)});
    return filledBytes(nbytes, "readfl",
                       [&](char *buffer) { return readfl(unit, buffer, nbytes); });
}

PyObject *kavlor_pdfbuf(PyObject *, PyObject *args) {
    return pictureFile(args, "i:pdfbuf", "pdfbuf", pdfbuf);
}

PyObject *kavlor_rbfpng(PyObject *, PyObject *args) {
    return pictureFile(args, "i:rbfpng", "rbfpng", rbfpng);
}

PyObject *kavlor_rpixls(PyObject *, PyObject *args) {
    int ix = 0, iy = 0, nw = 0, nh = 0;
    if (!PyArg_ParseTuple(args, "iiii:rpixls", &ix, &iy, &nw, &nh)) return nullptr;
    if (nw <= 0 || nh <= 0) return noBytes();
    return pixelBytes(mul(nw, nh), "rpixls",
                      [&](unsigned char *iray) { rpixls(iray, ix, iy, nw, nh); });
}

PyObject *kavlor_rpxrow(PyObject *, PyObject *args) {
    int ix = 0, iy = 0, n = 0;
    if (!PyArg_ParseTuple(args, "iii:rpxrow", &ix, &iy, &n)) return nullptr;
    if (n <= 0) return noBytes();
    return pixelBytes(n, "rpxrow", [&](unsigned char *iray) { rpxrow(iray, ix, iy, n); });
}
