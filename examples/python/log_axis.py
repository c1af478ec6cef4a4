"""Logarithmic axes: a frequency response scaled automatically from its data, with powers of ten
as labels and a marker at every fifth point, written as log_axis.pdf, .svg and .png."""

import math

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    # A second-order low-pass filter with its corner at 1 kHz.
    ratios = [10.0 ** (1.0 + 0.07 * i) / 1000.0 for i in range(61)]
    f = [1000.0 * r for r in ratios]
    gain = [1.0 / math.sqrt((1.0 - r * r) ** 2 + 0.5 * r * r) for r in ratios]
    open_page(device, file)
    kavlor.scale("LOG", "XY")
    kavlor.labels("LOG", "XY")
    kavlor.setscl(f, len(f), "X")
    kavlor.setscl(gain, len(gain), "Y")
    kavlor.name("Frequency in Hz", "X")
    kavlor.name("Gain", "Y")
    kavlor.titlin("Low-pass filter", 1)
    kavlor.titlin("a second-order response with its corner at 1 kHz", 3)
    kavlor.graf(0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)
    kavlor.title()
    kavlor.color("BLUE")
    kavlor.marker(3)
    kavlor.incmrk(5)
    kavlor.curve(f, gain, len(f))
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("log_axis", plot)
