// Text arguments in ISO-8859-1 and the values the wrappers return.
#include "python/values.h"

#include <cstdlib>
#include <cstring>

int Text::convert(PyObject *obj, void *text) {
    auto *self = static_cast<Text *>(text);
    PyObject *bytes = nullptr;
    if (PyUnicode_Check(obj)) {
        bytes = PyUnicode_AsLatin1String(obj);
        if (bytes == nullptr) return 0;
    } else if (PyBytes_Check(obj)) {
        Py_INCREF(obj);
        bytes = obj;
    } else {
        PyErr_Format(PyExc_TypeError, "a str or bytes is required, not '%.100s'",
                     Py_TYPE(obj)->tp_name);
        return 0;
    }
    const Count size = PyBytes_GET_SIZE(bytes);
    if (static_cast<Count>(std::strlen(PyBytes_AS_STRING(bytes))) != size) {
        Py_DECREF(bytes);
        PyErr_SetString(PyExc_ValueError, "embedded null character");
        return 0;
    }
    Py_XDECREF(self->bytes_);
    self->bytes_ = bytes;
    return 1;
}

PyObject *textResult(const char *text) {
    if (text == nullptr) Py_RETURN_NONE;
    return PyUnicode_DecodeLatin1(text, static_cast<Py_ssize_t>(std::strlen(text)), nullptr);
}

PyObject *textResult(const char *buffer, Count size) {
    const void *end = std::memchr(buffer, '\0', static_cast<std::size_t>(size));
    const Count length = end != nullptr ? static_cast<const char *>(end) - buffer : size;
    return PyUnicode_DecodeLatin1(buffer, static_cast<Py_ssize_t>(length), nullptr);
}

PyObject *ownedTextResult(char *text) {
    PyObject *copy = textResult(text);
    std::free(text);
    return copy;
}

FILE *streamArgument(int value) {
    return value != 0 ? stdout : nullptr;
}

PyObject *streamResult(FILE *stream) {
    return PyLong_FromLong(stream != nullptr ? 6 : 0);
}

PyObject *results(std::initializer_list<PyObject *> items) {
    bool complete = true;
    for (PyObject *item : items)
        complete = complete && item != nullptr;
    if (!complete) {
        for (PyObject *item : items)
            Py_XDECREF(item);
        return nullptr;
    }
    if (items.size() == 0) Py_RETURN_NONE;
    if (items.size() == 1) return *items.begin();
    PyObject *tuple = PyTuple_New(static_cast<Py_ssize_t>(items.size()));
    Py_ssize_t i = 0;
    for (PyObject *item : items) {
        if (tuple == nullptr)
            Py_DECREF(item);
        else
            PyTuple_SET_ITEM(tuple, i++, item);
    }
    return tuple;
}

bool TextBuffer::take(Count size) {
    if (size < 1) size = 1;
    std::free(data_);
    data_ = size <= PY_SSIZE_T_MAX ? static_cast<char *>(std::calloc(size, 1)) : nullptr;
    size_ = data_ != nullptr ? size : 0;
    if (data_ == nullptr) PyErr_SetString(PyExc_MemoryError, "out of memory");
    return data_ != nullptr;
}

bool TextBuffer::take(Count size, const Text &text) {
    if (!take(size > text.size() ? size : text.size() + 1)) return false;
    std::memcpy(data_, text.c_str(), static_cast<std::size_t>(text.size()));
    return true;
}
