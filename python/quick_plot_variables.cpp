// The quick-plot variables: their table, what each does when applied, setvar;
// and the wrappers of kavini and metafl, which the quick plots depend on.
#include "python/quick_plot_variables.h"

#include <cstring>
#include <kavlor.h>

namespace {

enum class VT { Int, Float, Text };
using Apply = void (*)(const QuickPlotVariable &v);

// The remembered other two lengths and view coordinates of the 3-D variables.
float axis3dLength[3] = {2.0f, 2.0f, 2.0f};
float viewPoint[3] = {4.0f, -5.0f, 4.0f};

void axisLength3d(int axis, float value) {
    float length[3] = {axis3dLength[0], axis3dLength[1], axis3dLength[2]};
    length[axis] = value;
    axis3d(length[0], length[1], length[2]);
    if (value > 0.0f) axis3dLength[axis] = value;
}

void viewCoordinate(int axis, float value) {
    viewPoint[axis] = value;
    view3d(viewPoint[0], viewPoint[1], viewPoint[2], "ABS");
}

void axisLength(int axis, int value) {
    int length[3];
    getlen(&length[0], &length[1], &length[2]);
    length[axis] = value;
    if (axis == 2)
        ax3len(length[0], length[1], length[2]);
    else
        axslen(length[0], length[1]);
}

void axisPosition(int axis, int value) {
    int position[2];
    getpos(&position[0], &position[1]);
    position[axis] = value;
    axspos(position[0], position[1]);
}

void cellSize(int axis, int value) {
    int size[2];
    getres(&size[0], &size[1]);
    size[axis] = value;
    setres(size[0], size[1]);
}

void notApplied(const QuickPlotVariable &) {}

struct Variable {
    const char *name; // upper case
    VT type;
    Apply apply;
};

// The variables in table order, with what each does when applied. ERASE, the
// AUTO, MIN, MAX, OR and STEP variables are not applied: the quick plots read them.
constexpr Variable kVariables[] = {
    {"ERASE", VT::Int, notApplied},
    {"H", VT::Int, [](const QuickPlotVariable &v) { height(v.ivalue); }},
    {"HNAME", VT::Int, [](const QuickPlotVariable &v) { hname(v.ivalue); }},
    {"HSYMBL", VT::Int, [](const QuickPlotVariable &v) { hsymbl(v.ivalue); }},
    {"HTITLE", VT::Int, [](const QuickPlotVariable &v) { htitle(v.ivalue); }},
    {"INCMRK", VT::Int, [](const QuickPlotVariable &v) { incmrk(v.ivalue); }},
    {"MARKER", VT::Int, [](const QuickPlotVariable &v) { marker(v.ivalue); }},
    {"POLCRV", VT::Text, [](const QuickPlotVariable &v) { polcrv(v.text); }},
    {"T1", VT::Text, [](const QuickPlotVariable &v) { titlin(v.text, 1); }},
    {"T2", VT::Text, [](const QuickPlotVariable &v) { titlin(v.text, 2); }},
    {"T3", VT::Text, [](const QuickPlotVariable &v) { titlin(v.text, 3); }},
    {"T4", VT::Text, [](const QuickPlotVariable &v) { titlin(v.text, 4); }},
    {"X", VT::Text, [](const QuickPlotVariable &v) { name(v.text, "x"); }},
    {"XAUTO", VT::Int, notApplied},
    {"XDIG", VT::Int, [](const QuickPlotVariable &v) { digits(v.ivalue, "x"); }},
    {"XLAB", VT::Text, [](const QuickPlotVariable &v) { labels(v.text, "x"); }},
    {"XLEN", VT::Int, [](const QuickPlotVariable &v) { axisLength(0, v.ivalue); }},
    {"XMAX", VT::Float, notApplied},
    {"XMIN", VT::Float, notApplied},
    {"XOR", VT::Float, notApplied},
    {"XPOS", VT::Int, [](const QuickPlotVariable &v) { axisPosition(0, v.ivalue); }},
    {"XRES", VT::Int, [](const QuickPlotVariable &v) { cellSize(0, v.ivalue); }},
    {"XSCL", VT::Text, [](const QuickPlotVariable &v) { scale(v.text, "x"); }},
    {"XSTEP", VT::Float, notApplied},
    {"XTIC", VT::Int, [](const QuickPlotVariable &v) { ticks(v.ivalue, "x"); }},
    {"Y", VT::Text, [](const QuickPlotVariable &v) { name(v.text, "y"); }},
    {"YAUTO", VT::Int, notApplied},
    {"YDIG", VT::Int, [](const QuickPlotVariable &v) { digits(v.ivalue, "y"); }},
    {"YLAB", VT::Text, [](const QuickPlotVariable &v) { labels(v.text, "y"); }},
    {"YLEN", VT::Int, [](const QuickPlotVariable &v) { axisLength(1, v.ivalue); }},
    {"YMAX", VT::Float, notApplied},
    {"YMIN", VT::Float, notApplied},
    {"YOR", VT::Float, notApplied},
    {"YPOS", VT::Int, [](const QuickPlotVariable &v) { axisPosition(1, v.ivalue); }},
    {"YRES", VT::Int, [](const QuickPlotVariable &v) { cellSize(1, v.ivalue); }},
    {"YSCL", VT::Text, [](const QuickPlotVariable &v) { scale(v.text, "y"); }},
    {"YSTEP", VT::Float, notApplied},
    {"YTIC", VT::Int, [](const QuickPlotVariable &v) { ticks(v.ivalue, "y"); }},
    {"Z", VT::Text, [](const QuickPlotVariable &v) { name(v.text, "z"); }},
    {"ZAUTO", VT::Int, notApplied},
    {"ZDIG", VT::Int, [](const QuickPlotVariable &v) { digits(v.ivalue, "z"); }},
    {"ZLAB", VT::Text, [](const QuickPlotVariable &v) { labels(v.text, "z"); }},
    {"ZLEN", VT::Int, [](const QuickPlotVariable &v) { axisLength(2, v.ivalue); }},
    {"ZMAX", VT::Float, notApplied},
    {"ZMIN", VT::Float, notApplied},
    {"ZOR", VT::Float, notApplied},
    {"ZSCL", VT::Text, [](const QuickPlotVariable &v) { scale(v.text, "z"); }},
    {"ZSTEP", VT::Float, notApplied},
    {"ZTIC", VT::Int, [](const QuickPlotVariable &v) { ticks(v.ivalue, "z"); }},
    {"X3LEN", VT::Float, [](const QuickPlotVariable &v) { axisLength3d(0, v.fvalue); }},
    {"Y3LEN", VT::Float, [](const QuickPlotVariable &v) { axisLength3d(1, v.fvalue); }},
    {"Z3LEN", VT::Float, [](const QuickPlotVariable &v) { axisLength3d(2, v.fvalue); }},
    {"X3VIEW", VT::Float, [](const QuickPlotVariable &v) { viewCoordinate(0, v.fvalue); }},
    {"Y3VIEW", VT::Float, [](const QuickPlotVariable &v) { viewCoordinate(1, v.fvalue); }},
    {"Z3VIEW", VT::Float, [](const QuickPlotVariable &v) { viewCoordinate(2, v.fvalue); }},
    {"VTITLE", VT::Int, [](const QuickPlotVariable &v) { vkytit(v.ivalue); }},
    {"CONSHD", VT::Text, [](const QuickPlotVariable &v) { shdmod(v.text, "CONTOUR"); }},
};
constexpr int kVariableCount = sizeof kVariables / sizeof kVariables[0];
static_assert(kVariableCount == 57);

QuickPlotVariable variables[kVariableCount];

bool chosenDevice = false;

// The index of the variable whose name is name in any case, else -1.
int variableNamed(const char *name) {
    for (int i = 0; i < kVariableCount; ++i) {
        const char *a = kVariables[i].name, *b = name;
        while (*a != '\0' && *a == (*b >= 'a' && *b <= 'z' ? *b - 'a' + 'A' : *b)) {
            ++a;
            ++b;
        }
        if (*a == '\0' && *b == '\0') return i;
    }
    return -1;
}

} // namespace

void qqsetvar(int index) {
    if (getlev() == 0) return;
    for (int i = index < 0 ? 0 : index; i < (index < 0 ? kVariableCount : index + 1); ++i)
        if (variables[i].set) kVariables[i].apply(variables[i]);
}

int check_var(const char *name) {
    for (int i = 0; i < kVariableCount; ++i)
        if (std::strcmp(kVariables[i].name, name) == 0) return variables[i].set ? i : -1;
    return -1;
}

const QuickPlotVariable &quickPlotVariable(int index) {
    return variables[index];
}

bool deviceChosen() {
    return chosenDevice;
}

// setvar(name, value): the value must be of the variable's type (an int serves
// a float variable); a wrong value changes nothing.
PyObject *kavlor_setvar(PyObject *, PyObject *args) {
    Text name;
    PyObject *value = nullptr;
    if (!PyArg_ParseTuple(args, "O&O:setvar", Text::convert, &name, &value)) return nullptr;
    const int index = variableNamed(name.c_str());
    if (index < 0) {
        PyErr_SetString(PyExc_ValueError, "undefined variable");
        return nullptr;
    }
    QuickPlotVariable &v = variables[index];
    switch (kVariables[index].type) {
    case VT::Int: {
        int number = 0;
        if (!PyArg_ParseTuple(args, "O&i:setvar", Text::convert, &name, &number)) return nullptr;
        v.ivalue = number;
        break;
    }
    case VT::Float: {
        float number = 0.0f;
        if (!PyArg_ParseTuple(args, "O&f:setvar", Text::convert, &name, &number)) return nullptr;
        v.fvalue = number;
        break;
    }
    case VT::Text: {
        Text text;
        if (!PyArg_ParseTuple(args, "O&O&:setvar", Text::convert, &name, Text::convert, &text))
            return nullptr;
        // The new copy first, so that a shortage keeps the old value.
        char *copy = static_cast<char *>(std::malloc(static_cast<std::size_t>(text.size()) + 1));
        if (copy == nullptr) {
            PyErr_SetString(PyExc_MemoryError, "no memory in SETVAR");
            return nullptr;
        }
        std::memcpy(copy, text.c_str(), static_cast<std::size_t>(text.size()) + 1);
        std::free(v.text);
        v.text = copy;
        break;
    }
    }
    v.set = true;
    qqsetvar(index);
    Py_RETURN_NONE;
}

// kavini opens the plot and applies every set variable.
PyObject *kavlor_kavini(PyObject *, PyObject *args) {
    if (!PyArg_ParseTuple(args, ":kavini")) return nullptr;
    kavini();
    qqsetvar(-1);
    Py_RETURN_NONE;
}

// metafl chooses the device, and the quick plots keep it from then on.
PyObject *kavlor_metafl(PyObject *, PyObject *args) {
    Text device;
    if (!PyArg_ParseTuple(args, "O&:metafl", Text::convert, &device)) return nullptr;
    metafl(device.c_str());
    chosenDevice = true;
    Py_RETURN_NONE;
}
