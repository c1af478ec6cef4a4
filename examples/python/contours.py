"""Contours of a function on a grid: filled bands between levels, labelled contour lines over
them and a colour bar beside the axis system, written as contours.pdf, .svg and .png. The matrix
is a list of rows, one for each x."""

import math

import kavlor
from example_page import f, open_page, plot_formats


def square(a):
    return f(a * a)


def height(u, v):
    """Two hills and a valley, in single precision as the C twin computes them."""
    hill = f(f(1.2) * f(math.exp(-f(square(f(u - 1.0)) + square(v)))))
    second = f(f(0.8) * f(math.exp(-f(square(f(u + f(1.2))) + square(f(v - 1.0))))))
    valley = f(f(0.9) * f(math.exp(f(-f(square(f(u + 0.5)) + square(f(v + f(1.4)))) * 2.0))))
    return f(f(hill + second) - valley)


def plot(device, file):
    x = [f(-3.0 + f(f(6.0 * i) / 119)) for i in range(120)]
    y = [f(-2.5 + f(f(5.0 * j) / 99)) for j in range(100)]
    z = [[height(u, v) for v in y] for u in x]
    bands = [f(f(-0.9) + f(f(0.2) * i)) for i in range(14)]
    lines = [f(f(-0.8) + f(f(0.2) * i)) for i in range(13)]
    open_page(device, file)
    kavlor.name("X", "X")
    kavlor.name("Y", "Y")
    kavlor.name("Height", "Z")
    kavlor.titlin("Filled contours with labelled lines", 2)
    kavlor.graf3(-3.0, 3.0, -3.0, 1.0, -2.5, 2.5, -2.5, 1.0, -0.9, 1.7, -0.9, 0.2)
    kavlor.conshd(x, len(x), y, len(y), z, bands, len(bands))
    kavlor.color("FORE")
    kavlor.labels("FLOAT", "CONTUR")
    for level in lines:
        kavlor.contur(x, len(x), y, len(y), z, level)
    kavlor.title()
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("contours", plot)
