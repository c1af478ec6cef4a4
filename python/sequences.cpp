// The sequence converters: numbers from buffers and sequences into the
// library's buffers, and back.
#include "python/sequences.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// ---- Errors -----------------------------------------------------------------------------------

bool fail(PyObject *type, const char *text) {
    PyErr_SetString(type, text);
    return false;
}
bool notASequence() {
    return fail(PyExc_ValueError, "parameter is not a sequence");
}
bool noLength() {
    return fail(PyExc_ValueError, "sequence has no length");
}
bool outOfRange() {
    return fail(PyExc_MemoryError, "out of range");
}
bool sequenceError(PyObject *type) {
    PyErr_Clear();
    return fail(type, "sequence error");
}
bool unevenRows() {
    return fail(PyExc_ValueError, "matrix rows have different lengths");
}
bool wrongRow(Count length, Count expected) {
    PyErr_Format(PyExc_ValueError, "a matrix row holds %lld numbers, not %lld", length, expected);
    return false;
}
bool wrongLevel(Count rows, Count expected) {
    PyErr_Format(PyExc_ValueError, "a matrix level holds %lld rows, not %lld", rows, expected);
    return false;
}

// The dimensions of a matrix argument: nx rows of ny, or nx levels of ny rows
// of nz. A row must hold the matrix's own numbers: read as one flat sequence,
// rows of another length would mix the rows of x.
struct MatrixShape {
    Count nx, ny, nz = 1;
    bool threeLevels = false;
    Count cells() const { return mul(mul(nx, ny), nz); }
    Count rowLength() const { return threeLevels ? nz : ny; }
};

// ---- Numbers --------------------------------------------------------------------------------

template <class T> bool refused();
template <> bool refused<float>() {
    return fail(PyExc_ValueError, "no floatingpoint element in sequence");
}
template <> bool refused<int>() {
    return fail(PyExc_ValueError, "no integer element in sequence");
}

// A float is taken from a float or an int, or from any other number that
// converts (NumPy's scalars); a str never.
bool numberOf(PyObject *item, float &out) {
    double value;
    if (PyFloat_Check(item)) {
        value = PyFloat_AS_DOUBLE(item);
    } else {
        PyNumberMethods *number = Py_TYPE(item)->tp_as_number;
        if (!PyLong_Check(item) && !PyIndex_Check(item) &&
            (number == nullptr || number->nb_float == nullptr))
            return false;
        value = PyFloat_AsDouble(item);
        if (value == -1.0 && PyErr_Occurred()) {
            PyErr_Clear();
            return false;
        }
    }
    out = static_cast<float>(value);
    return true;
}

// An int is taken from an int (bool too) or an integer-like object, in the
// 32-bit range; a float never.
bool numberOf(PyObject *item, int &out) {
    if (!PyLong_Check(item) && !PyIndex_Check(item)) return false;
    int overflow = 0;
    const long value = PyLong_AsLongAndOverflow(item, &overflow);
    if (value == -1 && PyErr_Occurred()) {
        PyErr_Clear();
        return false;
    }
    if (overflow != 0 || value < INT_MIN || value > INT_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

PyObject *objectOf(float value) {
    return PyFloat_FromDouble(value);
}
PyObject *objectOf(int value) {
    return PyLong_FromLong(value);
}

template <class T> T *zeroed(Count count) {
    if (count > static_cast<Count>(PY_SSIZE_T_MAX / sizeof(T))) {
        fail(PyExc_MemoryError, "out of memory");
        return nullptr;
    }
    auto *data = static_cast<T *>(std::calloc(count > 0 ? count : 1, sizeof(T)));
    if (data == nullptr) fail(PyExc_MemoryError, "out of memory");
    return data;
}

// ---- Buffers ----------------------------------------------------------------------------------

// The numbers a buffer object may hold.
enum class Format { Int8, UInt8, Int16, UInt16, Int32, UInt32, Int64, UInt64, Float32, Float64 };

// Calls visit with a value of the C type of format.
template <class Visit> bool withType(Format format, Visit visit) {
    switch (format) {
    case Format::Int8: return visit(std::int8_t{});
    case Format::UInt8: return visit(std::uint8_t{});
    case Format::Int16: return visit(std::int16_t{});
    case Format::UInt16: return visit(std::uint16_t{});
    case Format::Int32: return visit(std::int32_t{});
    case Format::UInt32: return visit(std::uint32_t{});
    case Format::Int64: return visit(std::int64_t{});
    case Format::UInt64: return visit(std::uint64_t{});
    case Format::Float32: return visit(float{});
    case Format::Float64: return visit(double{});
    }
    return false;
}

// A buffer object's numbers in C order, when it exports them in a native format
// of one dimension or more.
class NumberView {
  public:
    NumberView(PyObject *obj, bool writable) {
        if (!PyObject_CheckBuffer(obj)) return;
        const int flags = PyBUF_RECORDS_RO | (writable ? PyBUF_WRITABLE : 0);
        if (PyObject_GetBuffer(obj, &view_, flags) != 0) {
            PyErr_Clear();
            return;
        }
        held_ = true;
        if (view_.ndim < 1 || !readFormat()) release();
    }
    ~NumberView() { release(); }
    NumberView(const NumberView &) = delete;
    NumberView &operator=(const NumberView &) = delete;

    bool held() const { return held_; }
    Format format() const { return format_; }
    int dimensions() const { return view_.ndim; }
    // Dimension d counted from the last (1 the last).
    Count fromLast(int d) const { return view_.shape[view_.ndim - d]; }
    Count length() const {
        Count n = 1;
        for (int d = 0; d < view_.ndim; ++d)
            n *= view_.shape[d];
        return n;
    }

    // Calls row(first element, stride, count, index of the first) along the
    // last dimension for the first n elements in C order.
    template <class Row> bool eachRow(Count n, Row row) const {
        const int last = view_.ndim - 1;
        Py_ssize_t index[PyBUF_MAX_NDIM] = {};
        for (Count done = 0; done < n;) {
            char *at = static_cast<char *>(view_.buf);
            for (int d = 0; d < last; ++d)
                at += index[d] * view_.strides[d];
            const Count count = std::min<Count>(view_.shape[last], n - done);
            if (!row(at, view_.strides[last], count, done)) return false;
            done += count;
            for (int d = last - 1; d >= 0 && ++index[d] == view_.shape[d]; --d)
                index[d] = 0;
        }
        return true;
    }

  private:
    // Native formats only: an explicit byte order or standard size is taken
    // when it matches the native one.
    bool readFormat() {
        const char *code = view_.format != nullptr ? view_.format : "B";
        if (*code == '@' || *code == '=' || *code == '<') ++code;
        if (code[0] == '\0' || code[1] != '\0') return false;
        const char *const kind = std::strchr("bhilqn", *code)    ? "signed"
                                 : std::strchr("BHILQN?", *code) ? "unsigned"
                                 : std::strchr("fd", *code)      ? "float"
                                                                 : nullptr;
        if (kind == nullptr) return false;
        struct Size {
            const char *kind;
            Py_ssize_t size;
            Format format;
        };
        static constexpr Size sizes[] = {
            {"signed", 1, Format::Int8},   {"unsigned", 1, Format::UInt8},
            {"signed", 2, Format::Int16},  {"unsigned", 2, Format::UInt16},
            {"signed", 4, Format::Int32},  {"unsigned", 4, Format::UInt32},
            {"signed", 8, Format::Int64},  {"unsigned", 8, Format::UInt64},
            {"float", 4, Format::Float32}, {"float", 8, Format::Float64},
        };
        for (const Size &s : sizes)
            if (std::strcmp(s.kind, kind) == 0 && s.size == view_.itemsize) {
                format_ = s.format;
                return true;
            }
        return false;
    }
    void release() {
        if (held_) PyBuffer_Release(&view_);
        held_ = false;
    }

    Py_buffer view_{};
    bool held_ = false;
    Format format_ = Format::Float64;
};

// Converts count numbers of type S, stride bytes apart (and not aligned
// necessarily), into out; an int takes no float and only values of 32 bits.
template <class S, class T> bool convertRow(const char *p, Py_ssize_t stride, Count count, T *out) {
    for (Count i = 0; i < count; ++i, p += stride) {
        S value;
        std::memcpy(&value, p, sizeof value);
        if constexpr (std::is_same_v<T, int>) {
            if constexpr (std::is_floating_point_v<S>) {
                return false;
            } else {
                if (!std::in_range<int>(value)) return false;
            }
        }
        out[i] = static_cast<T>(value);
    }
    return true;
}

// Stores count numbers into elements of type D; only floats into floating
// formats and ints into signed ones of 32 bits or more, else false (the object's
// own item assignment then takes them).
template <class D, class T> bool storeRow(char *p, Py_ssize_t stride, Count count, const T *in) {
    constexpr bool fits = std::is_same_v<T, float> ? std::is_floating_point_v<D>
                                                   : std::is_signed_v<D> && std::is_integral_v<D> &&
                                                         sizeof(D) >= sizeof(int);
    if constexpr (!fits) {
        return false;
    } else {
        for (Count i = 0; i < count; ++i, p += stride) {
            const D value = static_cast<D>(in[i]);
            std::memcpy(p, &value, sizeof value);
        }
        return true;
    }
}

} // namespace

Count sequenceLength(PyObject *obj) {
    if (!PySequence_Check(obj)) {
        notASequence();
        return -1;
    }
    const Py_ssize_t length = PySequence_Size(obj);
    if (length < 0) {
        PyErr_Clear();
        noLength();
    }
    return length;
}

namespace {

// ---- Reading ----------------------------------------------------------------------------------

// The first count numbers of a buffer object into out; -1 when obj exports no
// buffer of numbers, 0 on failure with the exception set, 1 on success.
template <class T> int bufferNumbers(PyObject *obj, Count count, T *out) {
    NumberView view(obj, false);
    if (!view.held()) return -1;
    if (view.length() < count) return outOfRange();
    return withType(view.format(), [&](auto source) {
        return view.eachRow(count, [&](const char *p, Py_ssize_t stride, Count n, Count first) {
            return convertRow<decltype(source)>(p, stride, n, out + first) || refused<T>();
        });
    });
}

// Item i of a sequence converted into out; itemError is the type of "sequence
// error" when the item cannot be fetched.
template <class T> bool itemNumber(PyObject *seq, Count i, T &out, PyObject *itemError) {
    PyObject *item = PySequence_GetItem(seq, static_cast<Py_ssize_t>(i));
    if (item == nullptr) return sequenceError(itemError);
    const bool ok = numberOf(item, out);
    Py_DECREF(item);
    return ok || refused<T>();
}

// "sequence error" is a ValueError in float arrays, a MemoryError in int arrays.
template <class T> PyObject *itemErrorType();
template <> PyObject *itemErrorType<float>() {
    return PyExc_ValueError;
}
template <> PyObject *itemErrorType<int>() {
    return PyExc_MemoryError;
}

// The first count numbers of obj, a buffer object or a sequence, into out.
template <class T>
bool readNumbers(PyObject *obj, Count count, T *out, PyObject *itemError = itemErrorType<T>()) {
    const int fromBuffer = bufferNumbers(obj, count, out);
    if (fromBuffer >= 0) return fromBuffer == 1;
    const Count length = sequenceLength(obj);
    if (length < 0) return false;
    if (length < count) return outOfRange();
    for (Count i = 0; i < count; ++i)
        if (!itemNumber(obj, i, out[i], itemError)) return false;
    return true;
}

// An array of room elements (at least count) holding the first count numbers of obj.
template <class T> bool readArray(Array<T> &a, PyObject *obj, Count count, Count room) {
    if (room < count) room = count;
    T *data = zeroed<T>(room);
    if (data == nullptr) return false;
    a.adopt(data, room, obj);
    return readNumbers(obj, count, data);
}

template <class T> bool takeRoom(Array<T> &a, Count size) {
    T *data = zeroed<T>(size);
    if (data != nullptr) a.adopt(data, size, nullptr);
    return data != nullptr;
}

// Whether the caller's object can take the items written back.
bool takesItems(PyObject *obj) {
    if (NumberView(obj, true).held()) return true;
    PySequenceMethods *seq = Py_TYPE(obj)->tp_as_sequence;
    if (seq != nullptr && seq->sq_ass_item != nullptr) return true;
    PyErr_Format(PyExc_TypeError, "'%.100s' object does not support item assignment",
                 Py_TYPE(obj)->tp_name);
    return false;
}

bool isSequence(PyObject *obj) {
    return PySequence_Check(obj) != 0;
}

// Whether the rows of a buffer object of more than one dimension (its last
// dimension, and for three levels the one before it) are the matrix's.
bool bufferRowsFit(const NumberView &view, const MatrixShape &shape) {
    if (view.dimensions() >= 2 && view.fromLast(1) != shape.rowLength())
        return wrongRow(view.fromLast(1), shape.rowLength());
    if (shape.threeLevels && view.dimensions() >= 3 && view.fromLast(2) != shape.ny)
        return wrongLevel(view.fromLast(2), shape.ny);
    return true;
}

// All numbers of a buffer object whose rows are the matrix's, at least its cells.
bool readBufferMatrix(FloatArray &a, PyObject *obj, const NumberView &view,
                      const MatrixShape &shape) {
    const Count length = view.length();
    if (!bufferRowsFit(view, shape)) return false;
    if (length < shape.cells()) return outOfRange();
    float *data = zeroed<float>(length);
    if (data == nullptr) return false;
    a.adopt(data, length, obj);
    return bufferNumbers(obj, length, data) == 1;
}

// A matrix of at least nx * ny numbers: all numbers of a buffer object, or of a
// flat sequence, or of a sequence of rows of ny numbers each (a number among
// the rows fills one place). The buffer holds every number given, at least
// the matrix's cells.
bool readMatrix(FloatArray &a, PyObject *obj, const MatrixShape &shape, bool rowsTakeItems) {
    if (NumberView view(obj, false); view.held()) return readBufferMatrix(a, obj, view, shape);
    const Count rows = sequenceLength(obj);
    if (rows < 0) return false;
    PyObject *first = rows > 0 ? PySequence_GetItem(obj, 0) : nullptr;
    if (first == nullptr) return sequenceError(PyExc_ValueError);
    const bool flat = !isSequence(first);
    const Count columns = flat ? 1 : sequenceLength(first);
    Py_DECREF(first);
    if (columns < 0) return false;
    if (!flat && columns != shape.ny) return wrongRow(columns, shape.ny);
    const Count numbers = mul(rows, columns);
    if (numbers < shape.cells()) return outOfRange();
    float *data = zeroed<float>(numbers);
    if (data == nullptr) return false;
    a.adopt(data, numbers, obj);
    Count k = 0;
    for (Count i = 0; i < rows; ++i) {
        PyObject *item = PySequence_GetItem(obj, static_cast<Py_ssize_t>(i));
        if (item == nullptr) return sequenceError(PyExc_ValueError);
        bool ok;
        if (isSequence(item)) {
            const Count length = sequenceLength(item);
            ok = length >= 0 && (length == columns || unevenRows()) &&
                 (!rowsTakeItems || takesItems(item)) &&
                 readNumbers(item, columns, data + k, PyExc_MemoryError);
            k += columns;
        } else {
            ok = numberOf(item, data[k++]) || refused<float>();
        }
        Py_DECREF(item);
        if (!ok) return false;
    }
    return true;
}

// The length of row 0 of a matrix of three levels, which must be a sequence;
// -1 with the exception set.
Count rowLength(PyObject *rows) {
    PyObject *row = PySequence_GetItem(rows, 0);
    if (row == nullptr) {
        sequenceError(PyExc_MemoryError);
        return -1;
    }
    Count length = -1;
    if (isSequence(row))
        length = sequenceLength(row);
    else
        noLength(); // a number where the third level belongs
    Py_DECREF(row);
    return length;
}

// Row j of a level, which must hold columns numbers, into out.
bool readLevelRow(PyObject *level, Count j, Count columns, float *out) {
    PyObject *row = PySequence_GetItem(level, static_cast<Py_ssize_t>(j));
    if (row == nullptr) return sequenceError(PyExc_MemoryError);
    bool ok = true;
    if (isSequence(row)) {
        const Count length = sequenceLength(row);
        ok = length >= 0 && (length == columns || unevenRows());
    }
    for (Count m = 0; ok && m < columns; ++m)
        ok = itemNumber(row, m, out[m], PyExc_MemoryError);
    Py_DECREF(row);
    return ok;
}

// Three levels: all numbers of a buffer object, or a sequence whose items are
// sequences of ny rows of nz numbers or single numbers (a flat sequence).
bool readMatrix3(FloatArray &a, PyObject *obj, const MatrixShape &shape) {
    if (NumberView view(obj, false); view.held()) return readBufferMatrix(a, obj, view, shape);
    const Count outer = sequenceLength(obj);
    if (outer < 0) return false;
    PyObject *first = outer > 0 ? PySequence_GetItem(obj, 0) : nullptr;
    if (first == nullptr) return sequenceError(PyExc_ValueError);
    Count rows = 1, columns = 1;
    const bool flat = !isSequence(first);
    if (!flat) {
        rows = sequenceLength(first);
        columns = rows >= 0 ? rowLength(first) : -1;
    }
    Py_DECREF(first);
    if (rows < 0 || columns < 0) return false;
    if (!flat && columns != shape.nz) return wrongRow(columns, shape.nz);
    if (!flat && rows != shape.ny) return wrongLevel(rows, shape.ny);
    const Count numbers = mul(mul(outer, rows), columns);
    if (numbers < shape.cells()) return outOfRange();
    float *data = zeroed<float>(numbers);
    if (data == nullptr) return false;
    a.adopt(data, numbers, obj);
    Count k = 0;
    for (Count i = 0; i < outer; ++i) {
        PyObject *item = PySequence_GetItem(obj, static_cast<Py_ssize_t>(i));
        if (item == nullptr) return sequenceError(PyExc_ValueError);
        bool ok = true;
        if (isSequence(item)) {
            const Count length = sequenceLength(item);
            ok = length >= 0 && (length == rows || unevenRows());
            for (Count j = 0; ok && j < rows; ++j, k += columns)
                ok = readLevelRow(item, j, columns, data + k);
        } else {
            ok = numberOf(item, data[k++]) || refused<float>();
        }
        Py_DECREF(item);
        if (!ok) return false;
    }
    return true;
}

// ---- Writing back -----------------------------------------------------------------------------

// Stores the first count elements of data into obj: through its buffer when it
// holds numbers of the same kind, else item by item.
template <class T> bool storeNumbers(PyObject *obj, const T *data, Count count) {
    if (NumberView view(obj, true); view.held() && view.length() >= count) {
        const bool stored = withType(view.format(), [&](auto target) {
            return view.eachRow(count, [&](char *p, Py_ssize_t stride, Count n, Count first) {
                return storeRow<decltype(target)>(p, stride, n, data + first);
            });
        });
        if (stored) return true;
    }
    for (Count i = 0; i < count; ++i) {
        PyObject *value = objectOf(data[i]);
        if (value == nullptr) return false;
        const int status = PySequence_SetItem(obj, static_cast<Py_ssize_t>(i), value);
        Py_DECREF(value);
        if (status != 0) return false;
    }
    return true;
}

} // namespace

// ---- The public face --------------------------------------------------------------------------

ByteArgument::~ByteArgument() {
    if (held_) PyBuffer_Release(&view_);
}

bool ByteArgument::hold(PyObject *obj, Count count) {
    if (PyObject_GetBuffer(obj, &view_, PyBUF_SIMPLE) != 0) return false;
    held_ = true;
    if (view_.len >= count) return true;
    PyErr_Format(PyExc_ValueError, "a byte string of %zd bytes where %lld are needed", view_.len,
                 count);
    return false;
}

template <class Convert> void Conversions::attempt(Convert convert) {
    // An earlier failure waits aside while this conversion runs; a later
    // failure replaces it.
    PyObject *type, *value, *traceback;
    PyErr_Fetch(&type, &value, &traceback);
    if (convert()) {
        PyErr_Restore(type, value, traceback);
        return;
    }
    failed_ = true;
    Py_XDECREF(type);
    Py_XDECREF(value);
    Py_XDECREF(traceback);
}

void Conversions::floats(FloatArray &a, PyObject *obj, Count count, Count room) {
    attempt([&] { return readArray(a, obj, count, room); });
}

void Conversions::ints(IntArray &a, PyObject *obj, Count count) {
    attempt([&] { return readArray(a, obj, count, count); });
}

void Conversions::floatsInOut(FloatArray &a, PyObject *obj, Count count) {
    attempt([&] { return readArray(a, obj, count, count) && takesItems(obj); });
}

void Conversions::intsInOut(IntArray &a, PyObject *obj, Count count) {
    attempt([&] { return readArray(a, obj, count, count) && takesItems(obj); });
}

void Conversions::matrix(FloatArray &a, PyObject *obj, Count nx, Count ny) {
    attempt([&] { return readMatrix(a, obj, MatrixShape{nx, ny}, false); });
}

void Conversions::matrixInOut(FloatArray &a, PyObject *obj, Count nx, Count ny) {
    attempt([&] { return readMatrix(a, obj, MatrixShape{nx, ny}, true) && takesItems(obj); });
}

// Work room is taken only when the arguments converted.
void Conversions::work(FloatArray &a, Count size) {
    if (!failed_) attempt([&] { return takeRoom(a, size); });
}

void Conversions::work(IntArray &a, Count size) {
    if (!failed_) attempt([&] { return takeRoom(a, size); });
}

void Conversions::matrix3(FloatArray &a, PyObject *obj, Count nx, Count ny, Count nz) {
    attempt([&] { return readMatrix3(a, obj, MatrixShape{nx, ny, nz, true}); });
}

void Conversions::bytes(ByteArgument &b, PyObject *obj, Count count) {
    attempt([&] { return b.hold(obj, count); });
}

Count writtenCount(Count count, Count capacity) {
    return count < 0 ? 0 : count > capacity ? capacity : count;
}

bool writeBack(const FloatArray &a, Count count) {
    return storeNumbers(a.source(), a.data(), writtenCount(count, a.size()));
}

bool writeBack(const IntArray &a, Count count) {
    return storeNumbers(a.source(), a.data(), writtenCount(count, a.size()));
}

bool writeBackMatrix(const FloatArray &a, Count nx, Count ny) {
    PyObject *obj = a.source();
    const Count cells = mul(nx, ny);
    if (NumberView(obj, true).held() || !isSequence(obj)) return storeNumbers(obj, a.data(), cells);
    // Into the rows, as the numbers were read: a row takes its items, a number
    // among the rows is replaced.
    const Py_ssize_t rows = PySequence_Size(obj);
    Count k = 0;
    for (Py_ssize_t i = 0; i < rows && k < cells; ++i) {
        PyObject *item = PySequence_GetItem(obj, i);
        if (item == nullptr) return false;
        bool ok;
        if (isSequence(item)) {
            const Py_ssize_t length = PySequence_Size(item);
            const Count n = writtenCount(length, cells - k);
            ok = length >= 0 && storeNumbers(item, a.data() + k, n);
            k += n;
        } else {
            PyObject *value = objectOf(a.data()[k++]);
            ok = value != nullptr && PySequence_SetItem(obj, i, value) == 0;
            Py_XDECREF(value);
        }
        Py_DECREF(item);
        if (!ok) return false;
    }
    return true;
}
