// The quick plots of the module kavlor: a whole figure from Python sequences in
// one call. A quick plot opens the library on first use (a screen window unless
// the script chose a device with metafl) or clears the open page, applies the
// quick-plot variables, scales the axes from the data unless the variables fix
// them, draws, and leaves the plot open for the script's kavfin.
//
// Sequences without numbers draw nothing: there is no scale to take from them.
#include "graphics2d/quick_plot_services.h"
#include "python/quick_plot_variables.h"
#include "python/sequences.h"

#include <cmath>
#include <kavlor.h>

namespace {

// The page of a quick plot.
void openPage() {
    if (getlev() == 0) {
        if (!deviceChosen()) metafl("xwin");
        kavini();
        complx();
        nochek();
    } else {
        const int keep = check_var("ERASE");
        if (keep < 0 || quickPlotVariable(keep).ivalue == 1) erase();
        reset("setscl");
    }
    if (getlev() > 1) endgrf();
    pagera();
}

// The smallest and the largest of n values (n > 0).
void get_scale(const float *values, Count n, float range[2]) {
    range[0] = range[1] = values[0];
    for (Count i = 1; i < n; ++i) {
        if (values[i] < range[0]) range[0] = values[i];
        if (values[i] > range[1]) range[1] = values[i];
    }
}

// A quick-plot variable of an axis: "MIN" of axis 2 is YMIN.
int axisVariable(int axis, const char *what) {
    char name[8] = {"XYZ"[axis - 1]};
    for (int i = 0; what[i] != '\0' && i < 6; ++i)
        name[i + 1] = what[i];
    return check_var(name);
}

// The scaling of axis 1, 2 or 3 for the next axis system: from the data range
// (through setscl), from aMIN and aMAX alone, or from the four values aMIN,
// aMAX, aOR and aSTEP, which go into params for the axis system routine.
void set_scaling(float range[2], int axis, float params[4]) {
    const char axisName[2] = {"XYZ"[axis - 1], '\0'};
    params[0] = params[2] = range[0];
    params[1] = range[1];
    params[3] = range[1] - range[0];
    const int automatic = axisVariable(axis, "AUTO");
    if (automatic >= 0 && quickPlotVariable(automatic).ivalue != 0) {
        setscl(range, 2, axisName);
        return;
    }
    int logarithmic[3];
    getscl(&logarithmic[0], &logarithmic[1], &logarithmic[2]);
    const int low = axisVariable(axis, "MIN"), high = axisVariable(axis, "MAX");
    if (low < 0 || high < 0) {
        setscl(range, 2, axisName);
        return;
    }
    const float a = quickPlotVariable(low).fvalue, e = quickPlotVariable(high).fvalue;
    const int origin = axisVariable(axis, "OR"), step = axisVariable(axis, "STEP");
    if (origin < 0 || step < 0) {
        const bool log = logarithmic[axis - 1] == 1;
        float limits[2] = {log ? std::pow(10.0f, a) : a, log ? std::pow(10.0f, e) : e};
        setscl(limits, 2, axisName);
        return;
    }
    params[0] = a;
    params[1] = e;
    params[2] = quickPlotVariable(origin).fvalue;
    params[3] = quickPlotVariable(step).fvalue;
}

// The sequences of plot, scattr and plot3: all of equal length, converted whole.
bool curveArrays(PyObject *objects[], FloatArray arrays[], int count, Count &n) {
    n = sequenceLength(objects[0]);
    for (int i = 1; i < count && n >= 0; ++i)
        if (sequenceLength(objects[i]) != n) {
            if (!PyErr_Occurred()) PyErr_SetString(PyExc_ValueError, "mismatch of array sizes");
            return false;
        }
    if (n < 0) return false;
    Conversions conversions;
    for (int i = 0; i < count; ++i)
        conversions.floats(arrays[i], objects[i], n);
    return !conversions.failed();
}

// plot (lines only) and scattr (symbols only).
PyObject *qqplot(PyObject *args, const char *format, bool lines) {
    PyObject *objects[2];
    if (!PyArg_ParseTuple(args, format, &objects[0], &objects[1])) return nullptr;
    FloatArray arrays[2];
    Count n = 0;
    if (!curveArrays(objects, arrays, 2, n)) return nullptr;
    if (n == 0) Py_RETURN_NONE;
    openPage();
    if (lines) {
        incmrk(0);
    } else {
        incmrk(-1);
        marker(3);
        hsymbl(10);
    }
    qqsetvar(-1);
    float range[2][2], params[2][4];
    for (int axis = 1; axis <= 2; ++axis) {
        get_scale(arrays[axis - 1].data(), n, range[axis - 1]);
        set_scaling(range[axis - 1], axis, params[axis - 1]);
    }
    graf(params[0][0], params[0][1], params[0][2], params[0][3], params[1][0], params[1][1],
         params[1][2], params[1][3]);
    title();
    curve(arrays[0].data(), arrays[1].data(), static_cast<int>(n));
    sendbf();
    Py_RETURN_NONE;
}

// Scales the three axes from x, y and z.
void scaleThreeAxes(const float *x, Count nx, const float *y, Count ny, const float *z, Count nz,
                    float params[3][4]) {
    const float *values[3] = {x, y, z};
    const Count counts[3] = {nx, ny, nz};
    for (int axis = 1; axis <= 3; ++axis) {
        float range[2];
        get_scale(values[axis - 1], counts[axis - 1], range);
        set_scaling(range, axis, params[axis - 1]);
    }
}

// The width of cell i of a colour plot over the grid lines at values: to the
// next line (the last cell to the one before), one unit more; a single cell
// spans the axis.
int cellExtent(const float *values, Count n, Count i, int (*position)(float), int axisLength) {
    if (n < 2) return axisLength;
    const Count j = i + 1 < n ? i + 1 : i - 1;
    return std::abs(position(values[j]) - position(values[i])) + 1;
}

// The grid x by y and the matrix z of surf3, surface, surshade, contour and
// conshade: the matrix is converted only when x and y were.
struct Grid {
    FloatArray x, y, z;
    Count nx = 0, ny = 0;

    bool read(PyObject *xs, PyObject *ys, PyObject *zs) {
        nx = sequenceLength(xs);
        ny = nx >= 0 ? sequenceLength(ys) : -1;
        if (nx < 0 || ny < 0) return false;
        Conversions axes;
        axes.floats(x, xs, nx);
        axes.floats(y, ys, ny);
        if (axes.failed()) return false;
        if (nx == 0 || ny == 0) return true;
        Conversions matrix;
        matrix.matrix(z, zs, nx, ny);
        return !matrix.failed();
    }
    bool empty() const { return nx == 0 || ny == 0; }
};

enum class Surface { Cells, Mesh, Shaded };

// surf3 (a colour cell per value), surface (a mesh) and surshade (a shaded surface).
PyObject *qqsurface(PyObject *args, const char *format, Surface mode) {
    PyObject *xs, *ys, *zs;
    if (!PyArg_ParseTuple(args, format, &xs, &ys, &zs)) return nullptr;
    Grid g;
    if (!g.read(xs, ys, zs)) return nullptr;
    if (g.empty()) Py_RETURN_NONE;
    openPage();
    qqsetvar(-1);
    float params[3][4];
    scaleThreeAxes(g.x.data(), g.nx, g.y.data(), g.ny, g.z.data(), g.nx * g.ny, params);
    const int nx = static_cast<int>(g.nx), ny = static_cast<int>(g.ny);
    if (mode == Surface::Cells) {
        graf3(params[0][0], params[0][1], params[0][2], params[0][3], params[1][0], params[1][1],
              params[1][2], params[1][3], params[2][0], params[2][1], params[2][2], params[2][3]);
        title();
        const int colour = getclr();
        int length[3];
        getlen(&length[0], &length[1], &length[2]);
        kavlor_clip_to_axis_system(0);
        for (Count i = 0; i < g.nx; ++i) {
            const int w = cellExtent(g.x.data(), g.nx, i, nxposn, length[0]);
            for (Count j = 0; j < g.ny; ++j) {
                const int h = cellExtent(g.y.data(), g.ny, j, nyposn, length[1]);
                kavlor_colour_cell(g.x.data()[i], g.y.data()[j], g.z.data()[i * g.ny + j], w, h);
            }
        }
        kavlor_clip_to_axis_system(1);
        setclr(colour);
    } else {
        noclip();
        graf3d(params[0][0], params[0][1], params[0][2], params[0][3], params[1][0], params[1][1],
               params[1][2], params[1][3], params[2][0], params[2][1], params[2][2], params[2][3]);
        title();
        if (mode == Surface::Mesh)
            surfce(g.x.data(), nx, g.y.data(), ny, g.z.data());
        else
            surshd(g.x.data(), nx, g.y.data(), ny, g.z.data());
        reset("noclip");
    }
    sendbf();
    Py_RETURN_NONE;
}

// contour (labelled contour lines) and conshade (shaded bands); without levels,
// ten levels from the smallest value of the matrix to the largest.
PyObject *qqcontour(PyObject *args, const char *format, bool lines) {
    PyObject *xs, *ys, *zs, *levelObject = nullptr;
    if (!PyArg_ParseTuple(args, format, &xs, &ys, &zs, &levelObject)) return nullptr;
    Grid g;
    if (!g.read(xs, ys, zs)) return nullptr;
    FloatArray levels;
    Count nlev = 10;
    if (levelObject != nullptr) {
        nlev = sequenceLength(levelObject);
        if (nlev < 0) return nullptr;
    }
    Conversions conversions;
    if (levelObject != nullptr)
        conversions.floats(levels, levelObject, nlev);
    else
        conversions.work(levels, nlev);
    if (conversions.failed()) return nullptr;
    if (g.empty()) Py_RETURN_NONE;
    openPage();
    labels("float", "contour");
    qqsetvar(-1);
    float xRange[2], yRange[2], zRange[2], params[2][4];
    get_scale(g.x.data(), g.nx, xRange);
    get_scale(g.y.data(), g.ny, yRange);
    get_scale(g.z.data(), g.nx * g.ny, zRange);
    if (levelObject == nullptr)
        for (int i = 0; i < 10; ++i)
            levels.data()[i] = zRange[0] + float(i) * (zRange[1] - zRange[0]) / 9.0f;
    set_scaling(xRange, 1, params[0]);
    set_scaling(yRange, 2, params[1]);
    graf(params[0][0], params[0][1], params[0][2], params[0][3], params[1][0], params[1][1],
         params[1][2], params[1][3]);
    title();
    const int nx = static_cast<int>(g.nx), ny = static_cast<int>(g.ny);
    if (lines) {
        const int labelHeight = gethgt();
        height(25);
        for (Count i = 0; i < nlev; ++i)
            contur(g.x.data(), nx, g.y.data(), ny, g.z.data(), levels.data()[i]);
        height(labelHeight);
    } else {
        conshd(g.x.data(), nx, g.y.data(), ny, g.z.data(), levels.data(), static_cast<int>(nlev));
    }
    sendbf();
    Py_RETURN_NONE;
}

} // namespace

PyObject *kavlor_plot(PyObject *, PyObject *args) {
    return qqplot(args, "OO:plot", true);
}

PyObject *kavlor_scattr(PyObject *, PyObject *args) {
    return qqplot(args, "OO:scattr", false);
}

PyObject *kavlor_plot3(PyObject *, PyObject *args) {
    PyObject *objects[3];
    if (!PyArg_ParseTuple(args, "OOO:plot3", &objects[0], &objects[1], &objects[2])) return nullptr;
    FloatArray arrays[3];
    Count n = 0;
    if (!curveArrays(objects, arrays, 3, n)) return nullptr;
    if (n == 0) Py_RETURN_NONE;
    openPage();
    qqsetvar(-1);
    float params[3][4];
    scaleThreeAxes(arrays[0].data(), n, arrays[1].data(), n, arrays[2].data(), n, params);
    graf3(params[0][0], params[0][1], params[0][2], params[0][3], params[1][0], params[1][1],
          params[1][2], params[1][3], params[2][0], params[2][1], params[2][2], params[2][3]);
    title();
    curve3(arrays[0].data(), arrays[1].data(), arrays[2].data(), static_cast<int>(n));
    sendbf();
    Py_RETURN_NONE;
}

PyObject *kavlor_surf3(PyObject *, PyObject *args) {
    return qqsurface(args, "OOO:surf3", Surface::Cells);
}

PyObject *kavlor_surface(PyObject *, PyObject *args) {
    return qqsurface(args, "OOO:surface", Surface::Mesh);
}

PyObject *kavlor_surshade(PyObject *, PyObject *args) {
    return qqsurface(args, "OOO:surshade", Surface::Shaded);
}

PyObject *kavlor_contour(PyObject *, PyObject *args) {
    return qqcontour(args, "OOO|O:contour", true);
}

PyObject *kavlor_conshade(PyObject *, PyObject *args) {
    return qqcontour(args, "OOO|O:conshade", false);
}
