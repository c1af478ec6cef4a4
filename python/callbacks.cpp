// Callbacks into Python: the functions of function-defined surfaces (surfcp,
// surfun) and the widget callbacks (swgcb, swgcbk). The module registers a
// trampoline of its own with the library and keeps the callables; the
// trampoline calls the right one with Python arguments.
//
// Exceptions raised in a callback are not lost:
// - a surface function's first exception ends the calls into Python for the
//   surface (the remaining points are 0.0) and is raised by surfcp or surfun
//   when the library returns;
// - a widget callback's exception is reported at once, as Python reports an
//   uncaught exception (sys.excepthook: the traceback on stderr), and the
//   dialog goes on.
#include "python/routines.h"
#include "python/values.h"

#include <kavlor.h>

namespace {

// ---- Surface functions ------------------------------------------------------------------------

// The callable of the latest surfcp or surfun, and whether it raised during
// the surface being drawn.
PyObject *surfaceFunction = nullptr;
bool surfaceFailed = false;

float callSurfaceFunction(PyObject *arguments) {
    if (arguments == nullptr) surfaceFailed = true;
    if (surfaceFailed) {
        Py_XDECREF(arguments);
        return 0.0f;
    }
    PyObject *value = PyObject_CallObject(surfaceFunction, arguments);
    Py_DECREF(arguments);
    if (value == nullptr) {
        surfaceFailed = true; // the exception stays set until the wrapper returns
        return 0.0f;
    }
    // A float gives its value; anything else, an int too, gives 0.0.
    const float z = PyFloat_Check(value) ? static_cast<float>(PyFloat_AS_DOUBLE(value)) : 0.0f;
    Py_DECREF(value);
    return z;
}

float kav_funcbck(float x, float y, int iopt) {
    return callSurfaceFunction(Py_BuildValue("(ddi)", double(x), double(y), iopt));
}

float kav_funcbck2(float x, float y) {
    return callSurfaceFunction(Py_BuildValue("(dd)", double(x), double(y)));
}

// Keeps callable as the surface function and draws; the surface function's
// exception, if it raised, is the wrapper's.
template <class Draw> PyObject *drawSurface(PyObject *callable, Draw draw) {
    Py_INCREF(callable);
    Py_XSETREF(surfaceFunction, callable);
    surfaceFailed = false;
    draw();
    if (surfaceFailed) {
        surfaceFailed = false;
        return nullptr;
    }
    Py_RETURN_NONE;
}

} // namespace

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
    for (int i = usedSlots - 1; i >= 0; --i) {
        const CallbackSlot &slot = callbackSlots[i];
        if (slot.id != id || slot.registration != registration) continue;
        PyObject *value = slot.parameter != nullptr
                              ? PyObject_CallFunction(slot.callable, "iO", id, slot.parameter)
                              : PyObject_CallFunction(slot.callable, "(i)", id);
        if (value == nullptr)
            PyErr_Print();
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
