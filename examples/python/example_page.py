"""What the gallery's axis-system examples share: the page opened on a device, one file written
per format, and numbers in single precision, so that a script computes its data as the C examples
do."""

import struct
import sys

import kavlor

FORMATS = [("PDF", "pdf"), ("SVG", "svg"), ("PNG", "png")]


def f(number):
    """The number rounded to single precision; f(f(a) * f(b)) is the float product."""
    return struct.unpack("f", struct.pack("f", number))[0]


def open_page(device, file):
    """Opens a plot on device into file. PNG pages are drawn black on white, as on paper, in a
    stroke font; the vector files take PostScript's Helvetica."""
    kavlor.metafl(device)
    kavlor.setfil(file)
    kavlor.filmod("DELE")
    kavlor.kavini()
    if device == "PNG":
        kavlor.revscr()
        kavlor.complx()
    else:
        kavlor.psfont("Helvetica")


def plot_formats(stem, plot):
    """Draws the plot as stem.pdf, stem.svg and stem.png, or only in the format named on the
    command line (PDF, SVG or PNG)."""
    for device, suffix in FORMATS:
        if len(sys.argv) < 2 or sys.argv[1] == device:
            plot(device, f"{stem}.{suffix}")
