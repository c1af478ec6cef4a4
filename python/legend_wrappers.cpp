// The legend routines. The module keeps each thread's legend buffer: the text a
// script passes in the buffer's place is not used. The buffer a routine gets
// always holds the legend that legini set up in the calling thread, also when a
// later legini was refused.
#include "kernel/binding_readings.h"
#include "python/sequences.h"

#include <cstring>
#include <kavlor.h>

namespace {

// A legend buffer: nlin lines of nmaxln characters and a NUL.
struct LegendBuffer {
    char *text = nullptr;
    Count size = 0;
    ~LegendBuffer() { std::free(text); }
};

thread_local LegendBuffer legendBuffer;

// The calling thread's buffer, grown with blanks to the size of the legend in
// force; null with MemoryError when it cannot grow.
char *legendText() {
    LegendBuffer &b = legendBuffer;
    const Count size = kavlor_legend_size() > 0 ? kavlor_legend_size() : 1;
    if (b.size < size) {
        auto *text = static_cast<char *>(std::realloc(b.text, static_cast<std::size_t>(size)));
        if (text == nullptr) {
            PyErr_SetString(PyExc_MemoryError, "out of memory");
            return nullptr;
        }
        const Count from = b.size > 0 ? b.size - 1 : 0; // over the old NUL
        std::memset(text + from, ' ', static_cast<std::size_t>(size - 1 - from));
        text[size - 1] = '\0';
        b.text = text;
        b.size = size;
    }
    return b.text;
}

} // namespace

// A new legend of nlin lines of nmaxln characters. The new buffer replaces the
// thread's only when the library took the legend; a refused legini leaves the
// legend in force and its lines alone.
PyObject *kavlor_legini(PyObject *, PyObject *args) {
    Text unused;
    int nlin = 0, nmaxln = 0;
    if (!PyArg_ParseTuple(args, "O&ii:legini", Text::convert, &unused, &nlin, &nmaxln))
        return nullptr;
    const Count lines = Count(nlin) * nmaxln;
    const Count size = lines > 0 ? lines + 1 : 1;
    auto *text = static_cast<char *>(std::calloc(static_cast<std::size_t>(size), 1));
    if (text == nullptr) return PyErr_Format(PyExc_MemoryError, "out of memory in legini");
    text[0] = ' ';
    legini(text, nlin, nmaxln);
    if (text[0] != '\0') { // refused: the library wrote nothing
        std::free(text);
        Py_RETURN_NONE;
    }
    // Blanks behind the NUL the library wrote, and the closing NUL.
    std::memset(text + 1, ' ', static_cast<std::size_t>(size - 2));
    std::free(legendBuffer.text);
    legendBuffer.text = text;
    legendBuffer.size = size;
    Py_RETURN_NONE;
}

PyObject *kavlor_leglin(PyObject *, PyObject *args) {
    Text unused, cstr;
    int ilin = 0;
    if (!PyArg_ParseTuple(args, "O&O&i:leglin", Text::convert, &unused, Text::convert, &cstr,
                          &ilin))
        return nullptr;
    char *cbuf = legendText();
    if (cbuf == nullptr) return nullptr;
    leglin(cbuf, cstr.c_str(), ilin);
    Py_RETURN_NONE;
}

PyObject *kavlor_legend(PyObject *, PyObject *args) {
    Text unused;
    int ncor = 0;
    if (!PyArg_ParseTuple(args, "O&i:legend", Text::convert, &unused, &ncor)) return nullptr;
    const char *cbuf = legendText();
    if (cbuf == nullptr) return nullptr;
    legend(cbuf, ncor);
    Py_RETURN_NONE;
}

namespace {

PyObject *legendExtent(PyObject *args, const char *format, int (*routine)(const char *)) {
    Text unused;
    if (!PyArg_ParseTuple(args, format, Text::convert, &unused)) return nullptr;
    const char *cbuf = legendText();
    if (cbuf == nullptr) return nullptr;
    return PyLong_FromLong(routine(cbuf));
}

} // namespace

PyObject *kavlor_nxlegn(PyObject *, PyObject *args) {
    return legendExtent(args, "O&:nxlegn", nxlegn);
}

PyObject *kavlor_nylegn(PyObject *, PyObject *args) {
    return legendExtent(args, "O&:nylegn", nylegn);
}

// A pie chart whose segments take their texts from the legend (nlin lines each),
// or none when nlin is 0.
PyObject *kavlor_piegrf(PyObject *, PyObject *args) {
    Text unused;
    int nlin = 0, n = 0;
    PyObject *xray_arg = nullptr;
    if (!PyArg_ParseTuple(args, "O&iOi:piegrf", Text::convert, &unused, &nlin, &xray_arg, &n))
        return nullptr;
    if (n <= 0) Py_RETURN_NONE;
    FloatArray xray;
    Conversions arrays;
    arrays.floats(xray, xray_arg, n);
    if (arrays.failed()) return nullptr;
    const char *cbuf = nlin == 0 ? " " : legendText();
    if (cbuf == nullptr) return nullptr;
    piegrf(cbuf, nlin, xray.data(), n);
    Py_RETURN_NONE;
}
