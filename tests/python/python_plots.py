"""The Python twins of the plots of reference_plots.c: each draws its case from start to end, with
the numbers the C program computes (in double, then narrowed by the converters). The tests run each
in a fresh interpreter: the library keeps some state from one plot to the next in a process, and
the module's quick-plot variables and device choice live for the process.

    python3 python_plots.py CASE DEVICE FILE
"""

import array
import math
import sys

import kavlor
import numpy


def open_file(device, path):
    kavlor.metafl(device)
    kavlor.setfil(path)
    kavlor.filmod("DELE")


# ---- Plots through the routines ----------------------------------------------------------

def curves():
    x = [i * 0.25 for i in range(40)]
    sines = numpy.array([math.sin(i * 0.25) for i in range(40)])
    cosines = array.array("d", (0.5 * math.cos(i * 0.25) for i in range(40)))
    kavlor.kavini()
    kavlor.name("Time", "X")
    kavlor.name("Value", "Y")
    kavlor.titlin("Curves, contours and a legend", 2)
    kavlor.graf(0.0, 10.0, 0.0, 2.0, -1.5, 1.5, -1.5, 0.5)
    kavlor.title()
    kavlor.color("RED")
    kavlor.curve(x, sines, 40)
    kavlor.color("BLUE")
    kavlor.dash()
    kavlor.curve(x, cosines, 40)
    kavlor.solid()
    kavlor.color("GREEN")
    gx, gy, gz = grid()
    kavlor.contur(tuple(gx), 7, gy, 5, gz, 0.3)
    kavlor.color("FORE")
    kavlor.legini("", 2, 12)
    kavlor.leglin("", "sine", 1)
    kavlor.leglin("", "cosine", 2)
    kavlor.legtit("Legend")
    kavlor.legend("", 3)
    kavlor.shdpat(16)
    kavlor.areaf(numpy.array([300, 500, 400], dtype=numpy.int16), [1700, 1700, 1500], 3)
    kavlor.rlmess("a message", 5.0, 1.0)
    kavlor.endgrf()
    kavlor.kavfin()


def grid():
    """x uneven over 7 columns, y over 5 rows, z as 7 rows of 5."""
    gx = [i * i * 0.1 for i in range(7)]
    gy = [-1.0 + 0.5 * j for j in range(5)]
    gz = [[math.sin(i * 0.1 * i) * math.cos(-1.0 + 0.5 * j) for j in range(5)] for i in range(7)]
    return gx, gy, gz


def function_surface(function):
    kavlor.kavini()
    kavlor.graf3d(-2.0, 2.0, -2.0, 1.0, -2.0, 2.0, -2.0, 1.0, -4.0, 4.0, -4.0, 2.0)
    kavlor.surfun(function, 1, 0.25, 1, 0.25)
    kavlor.endgrf()
    kavlor.kavfin()


def torus(u, v, iopt):
    r = 2.0 + math.cos(v)
    return (r * math.cos(u), r * math.sin(u), math.sin(v))[iopt - 1]


def parametric_surface():
    kavlor.kavini()
    kavlor.graf3d(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0)
    kavlor.surfcp(torus, 0.0, 6.2831855, 0.3, 0.0, 6.2831855, 0.5)
    kavlor.endgrf()
    kavlor.kavfin()


# ---- Quick plots ---------------------------------------------------------------------------

def curve_data():
    return ([i * 0.25 for i in range(40)], [math.sin(i * 0.25) for i in range(40)],
            [0.5 * math.cos(i * 0.25) for i in range(40)])


def quick(draw):
    def plot():
        draw()
        kavlor.kavfin()
    return plot


def plot_fixed():
    for name, value in [("xmin", 0), ("XMAX", 20.0), ("XOR", 0.0), ("XSTEP", 5.0),
                        ("T1", "Fixed x axis"), ("X", "x axis")]:
        kavlor.setvar(name, value)
    x, sines, _ = curve_data()
    kavlor.plot(x, sines)


def plot_twice():
    x, sines, cosines = curve_data()
    kavlor.plot(x, sines)
    kavlor.scattr(x, cosines)


PLOTS = {
    "curves": curves,
    "saddle": lambda: function_surface(lambda x, y: x * x - y * y),
    "flat": lambda: function_surface(lambda x, y: 2),  # an int is no float: 0.0 everywhere
    "torus": parametric_surface,
    "plot": quick(lambda: kavlor.plot(*curve_data()[:2])),
    "plot_fixed": quick(plot_fixed),
    "plot_twice": quick(plot_twice),
    "plot3": quick(lambda: kavlor.plot3(*curve_data())),
    "surf3": quick(lambda: kavlor.surf3(*grid())),
    "surf3_column": quick(lambda: kavlor.surf3(grid()[0][:1], grid()[1], grid()[2][:1])),
    "surface": quick(lambda: kavlor.surface(*grid())),
    "surshade": quick(lambda: kavlor.surshade(*grid())),
    "contour": quick(lambda: kavlor.contour(*grid())),
    "contour_levels": quick(lambda: kavlor.contour(*grid(), [-0.5, 0.0, 0.5])),
    "conshade": quick(lambda: kavlor.conshade(*grid(), numpy.array([-0.5, 0.0, 0.5]))),
}

if __name__ == "__main__":
    case, device, path = sys.argv[1:]
    open_file(device, path)
    PLOTS[case]()
