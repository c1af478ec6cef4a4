"""A first plot: two curves in an axis system with axis names and a title, written as
curve_title.pdf, .svg and .png (or only the format named on the command line)."""

import math

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    x = [2.0 * i for i in range(181)]
    s = [math.sin(math.radians(v)) for v in x]
    c = [math.cos(math.radians(v)) for v in x]
    open_page(device, file)
    kavlor.name("Angle in degrees", "X")
    kavlor.name("Value", "Y")
    kavlor.titlin("Sine and cosine", 1)
    kavlor.titlin("from 0 to 360 degrees", 3)
    kavlor.graf(0.0, 360.0, 0.0, 90.0, -1.0, 1.0, -1.0, 0.5)
    kavlor.title()
    kavlor.color("RED")
    kavlor.curve(x, s, len(x))
    kavlor.color("BLUE")
    kavlor.dash()
    kavlor.curve(x, c, len(x))
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("curve_title", plot)
