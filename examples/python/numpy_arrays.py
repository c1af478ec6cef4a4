"""Numbers from NumPy, without copying by hand: a damped oscillation over the filled contours of
a function of two variables, written as numpy_arrays.pdf, .svg and .png. NumPy arrays go into
the routines as they are: one-dimensional arrays for curves, every fifth element through a
strided view, and a two-dimensional array for the matrix, whose first index is x."""

import kavlor
import numpy
from example_page import open_page, plot_formats


def plot(device, file):
    x = numpy.linspace(0.0, 10.0, 201)
    y = numpy.linspace(-1.0, 1.0, 101)
    u, v = numpy.meshgrid(x, y, indexing="ij")  # shape (len(x), len(y))
    z = numpy.sin(0.6 * u) * numpy.cos(2.0 * v) * numpy.exp(-0.1 * u)
    levels = numpy.linspace(-1.0, 1.0, 21)
    t = numpy.linspace(0.0, 10.0, 1001)
    signal = numpy.exp(-0.25 * t) * numpy.cos(3.0 * t)

    open_page(device, file)
    kavlor.name("Time in s", "X")
    kavlor.name("Amplitude", "Y")
    kavlor.name("Field", "Z")
    kavlor.titlin("A damped oscillation over a field", 2)
    kavlor.graf3(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5, -1.0, 1.0, -1.0, 0.5)
    kavlor.conshd(x, x.size, y, y.size, z, levels, levels.size)
    kavlor.color("FORE")
    kavlor.thkcrv(2)
    kavlor.curve(t, signal, t.size)
    kavlor.incmrk(-1)
    kavlor.marker(21)
    kavlor.curve(t[::50], signal[::50], t[::50].size)  # a view: every 50th sample
    kavlor.title()
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("numpy_arrays", plot)
