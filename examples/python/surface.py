"""A colour-shaded surface in a 3-D axis system, its colours from the Z axis, written as
surface.pdf, .svg and .png."""

import math

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    x = [-3.0 + 6.0 * i / 59 for i in range(60)]
    y = x
    z = [[math.cos(2.0 * math.hypot(u, v)) * math.exp(-0.4 * math.hypot(u, v)) for v in y]
         for u in x]
    open_page(device, file)
    kavlor.axspos(685, 1850)
    kavlor.axslen(1600, 1600)
    kavlor.name("X", "X")
    kavlor.name("Y", "Y")
    kavlor.name("Z", "Z")
    kavlor.titlin("A colour-shaded surface", 2)
    kavlor.view3d(-50.0, 35.0, 7.0, "ANGL")
    kavlor.graf3d(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0, -1.0, 1.0, -1.0, 0.5)
    kavlor.box3d()
    kavlor.surshd(x, len(x), y, len(y), z)
    kavlor.title()
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("surface", plot)
