"""Several curves with markers: measured series with a marker at every point, a fitted line
without, and steps, written as markers.pdf, .svg and .png."""

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    x = [float(i + 1) for i in range(10)]
    fit = [0.8 * v + 1.0 for v in x]
    series = [[fit[i] + 2.5 * k + 0.4 * (((i * 7 + k * 3) % 5) - 2) for i in range(10)]
              for k in range(3)]
    open_page(device, file)
    kavlor.name("Sample", "X")
    kavlor.name("Signal", "Y")
    kavlor.titlin("Three series with markers, a fit and steps", 2)
    kavlor.intax()  # integer labels
    kavlor.graf(0.0, 11.0, 0.0, 1.0, 0.0, 18.0, 0.0, 3.0)
    kavlor.title()
    # Markers only: a different symbol and colour for each series.
    kavlor.incmrk(-1)
    kavlor.hsymbl(30)
    for k, colour in enumerate(["RED", "GREE", "BLUE"]):
        kavlor.color(colour)
        kavlor.marker(k + 2)
        kavlor.curve(x, series[k], len(x))
    # The fit as a thick line without markers.
    kavlor.incmrk(0)
    kavlor.color("FORE")
    kavlor.thkcrv(3)
    kavlor.curve(x, fit, len(x))
    kavlor.thkcrv(1)
    # Steps through the first series, dashed, a marker at every other point.
    kavlor.color("MAGE")
    kavlor.dash()
    kavlor.polcrv("STEP")
    kavlor.incmrk(2)
    kavlor.marker(15)
    kavlor.curve(x, series[0], len(x))
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("markers", plot)
