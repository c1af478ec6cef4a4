"""A first 3-D plot: a helix climbing through the box, with its axes, the box edges and grids on
the back faces, written as helix3d.pdf, .svg and .png."""

import math

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    t = [6.0 * math.pi * i / 399 for i in range(400)]
    x, y, z = [math.cos(v) for v in t], [math.sin(v) for v in t], [v / (6.0 * math.pi) for v in t]
    open_page(device, file)
    kavlor.axspos(785, 1850)
    kavlor.axslen(1400, 1400)
    kavlor.name("X", "X")
    kavlor.name("Y", "Y")
    kavlor.name("Height", "Z")
    kavlor.view3d(-40.0, 30.0, 7.0, "ANGL")  # from the front left, above
    kavlor.titlin("A helix in a 3-D axis system", 2)
    kavlor.graf3d(-1.0, 1.0, -1.0, 0.5, -1.0, 1.0, -1.0, 0.5, 0.0, 1.0, 0.0, 0.2)
    kavlor.box3d()
    kavlor.color("GREEN")
    kavlor.grid3d(1, 1, "BACK")
    kavlor.color("RED")
    kavlor.thkcrv(3)
    kavlor.curv3d(x, y, z, len(t))
    kavlor.color("FORE")
    kavlor.title()
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("helix3d", plot)
