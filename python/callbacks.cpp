// Callbacks into Python: the functions of function-defined surfaces (surfcp,
// surfun) and the widget callbacks (swgcb, swgcbk). The module registers a
// trampoline of its own with the library and keeps the callables; the
// trampoline calls the right one with Python arguments.
//
// A surface's function belongs to the surfcp or surfun call running on the
// thread: a function that draws a surface of its own gets its own back
// afterwards, and two threads each draw with theirs.
//
// An exception raised in a callback is never lost: it stays set, the
// trampolines call no more Python, the library draws nothing more from the
// call that called back (a surface stops where its function raised), a dialog
// whose callback raised ends, and the wrapper that called the library raises
// the exception once the library has returned (callbackRaised).
#include "python/callbacks.h"

#include "kernel/stopped_drawing.h"
#include "python/routines.h"
#include "python/values.h"

#include <kavlor.h>

namespace {

// Calls callable with the arguments (taking their reference); the result, or
// null when the arguments could not be made or the callable raised: the
// exception stays set and the library's drawing stops.
PyObject *callBack(PyObject *callable, PyObject *arguments) {
    PyObject *result = arguments != nullptr ? PyObject_CallObject(callable, arguments) : nullptr;
    Py_XDECREF(arguments);
    if (result == nullptr) kavlor_stop_drawing();
    return result;
}

// Whether a callback of the running library call has raised.
bool raisedBefore() {
    return PyErr_Occurred() != nullptr;
}

// ---- Surface functions ------------------------------------------------------------------------

// The callable of the surfcp or surfun running on this thread (the call's
// arguments hold it); null when none runs.
thread_local PyObject *surfaceFunction = nullptr;

template <typename... Values> float surfaceValue(const char *format, Values... values) {
    if (surfaceFunction == nullptr || raisedBefore()) return 0.0f;
    PyObject *value = callBack(surfaceFunction, Py_BuildValue(format, values...));
    if (value == nullptr) return 0.0f;
    // A float gives its value; anything else, an int too, gives 0.0.
    const float z = PyFloat_Check(value) ? static_cast<float>(PyFloat_AS_DOUBLE(value)) : 0.0f;
    Py_DECREF(value);
    return z;
}

float kav_funcbck(float x, float y, int iopt) {
    return surfaceValue("(ddi)", double(x), double(y), iopt);
}

float kav_funcbck2(float x, float y) {
    return surfaceValue("(dd)", double(x), double(y));
}

// Draws with callable as the surface function; the function of a surface
// being drawn around this one comes back afterwards, and the function's
// exception, if it raised, is the wrapper's.
template <class Draw> PyObject *drawSurface(PyObject *callable, Draw draw) {
    PyObject *const around = surfaceFunction;
    surfaceFunction = callable;
    draw();
    surfaceFunction = around;
    if (callbackRaised()) return nullptr;
    Py_RETURN_NONE;
}

} // namespace

bool callbackRaised() {
    if (!raisedBefore()) return false;
    kavlor_resume_drawing();
    return true;
}

PyObject *kavlor_surfcp(PyObject *, PyObject *args) {
    PyObject *callable = nullptr;
    float a1 = 0, a2 = 0, a3 = 0, b1 = 0, b2 = 0, b3 = 0;
    if (!PyArg_ParseTuple(args, "Offffff:surfcp", &callable, &a1, &a2, &a3, &b1, &b2, &b3))
        return nullptr;
    return drawSurface(callable, [&] { surfcp(kav_funcbck, a1, a2, a3, b1, b2, b3); });
}

PyObject *kavlor_surfun(PyObject *, PyObject *args) {
    PyObject *callable = nullptr;
    int ixpts = 0, iypts = 0;
    float xdel = 0, ydel = 0;
    if (!PyArg_ParseTuple(args, "Oifif:surfun", &callable, &ixpts, &xdel, &iypts, &ydel))
        return nullptr;
    return drawSurface(callable, [&] { surfun(kav_funcbck2, ixpts, xdel, iypts, ydel); });
}

// ---- Widget callbacks -------------------------------------------------------------------------

#if defined(KAVLOR_HAS_swgcb) || defined(KAVLOR_HAS_swgcbk)
namespace {

// The widget callback table: 200 slots, filled in order and never emptied. The
// newest slot of a widget wins; each trampoline looks only at the slots of its
// own registration routine, so a widget with both kinds calls each callable.
enum class Registration { WithParameter, Plain };
struct CallbackSlot {
    int id;
    Registration registration;
    PyObject *callable;
    PyObject *parameter; // swgcb only
};
constexpr int kCallbackSlots = 200;
CallbackSlot callbackSlots[kCallbackSlots];
int usedSlots = 0;

bool storeCallback(int id, Registration registration, PyObject *callable, PyObject *parameter) {
    if (usedSlots >= kCallbackSlots) {
        PyErr_SetString(PyExc_ValueError, "Too many callback routines");
        return false;
    }
    Py_INCREF(callable);
    Py_XINCREF(parameter);
    callbackSlots[usedSlots++] = {id, registration, callable, parameter};
    return true;
}

void runCallback(int id, Registration registration) {
    if (raisedBefore()) return;
    for (int i = usedSlots - 1; i >= 0; --i) {
        const CallbackSlot &slot = callbackSlots[i];
        if (slot.id != id || slot.registration != registration) continue;
        PyObject *value = callBack(slot.callable, slot.parameter != nullptr
                                                      ? Py_BuildValue("(iO)", id, slot.parameter)
                                                      : Py_BuildValue("(i)", id));
        // A dialog whose callback raised ends as OK ends it; wgfin raises.
        if (value == nullptr)
            sendok();
        else
            Py_DECREF(value);
        return;
    }
}

} // namespace
#endif

#ifdef KAVLOR_HAS_swgcb
namespace {
void kav_callbck(int id, int) {
    runCallback(id, Registration::WithParameter);
}
} // namespace

PyObject *kavlor_swgcb(PyObject *, PyObject *args) {
    int id = 0;
    PyObject *callable = nullptr, *parameter = nullptr;
    if (!PyArg_ParseTuple(args, "iOO:swgcb", &id, &callable, &parameter)) return nullptr;
    if (!storeCallback(id, Registration::WithParameter, callable, parameter)) return nullptr;
    swgcb(id, kav_callbck, 0);
    Py_RETURN_NONE;
}
#endif

#ifdef KAVLOR_HAS_swgcbk
namespace {
void kav_callbck2(int id) {
    runCallback(id, Registration::Plain);
}
} // namespace

PyObject *kavlor_swgcbk(PyObject *, PyObject *args) {
    int id = 0;
    PyObject *callable = nullptr;
    if (!PyArg_ParseTuple(args, "iO:swgcbk", &id, &callable)) return nullptr;
    if (!storeCallback(id, Registration::Plain, callable, nullptr)) return nullptr;
    swgcbk(id, kav_callbck2);
    Py_RETURN_NONE;
}
#endif
