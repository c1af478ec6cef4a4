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
    """Opens a plot on device into file. PNG pages are drawn on white, as on paper, in true colour
    and a stroke font; the vector files take PostScript's Helvetica."""
    kavlor.metafl(device)
    kavlor.setfil(file)
    kavlor.filmod("DELE")
    if device == "PNG":
        kavlor.scrmod("REVERS")
        kavlor.imgfmt("RGB")
    kavlor.kavini()
    if device == "PNG":
        kavlor.complx()
    else:
        kavlor.psfont("Helvetica")


def next_page(device, file, page):
    """Starts page 2, 3, ... of the plot that open_page opened on device into file: a new page of
    the file where the format holds pages (PDF), else a file of its own, the page number before
    the extension (maps_2.svg)."""
    if device == "PDF":
        kavlor.newpag()
        return
    kavlor.kavfin()
    stem, extension = file.rsplit(".", 1)
    open_page(device, f"{stem}_{page}.{extension}")


def plot_formats(stem, plot):
    """Draws the plot as stem.pdf, stem.svg and stem.png, or only in the format named on the
    command line (PDF, SVG or PNG)."""
    for device, suffix in FORMATS:
        if len(sys.argv) < 2 or sys.argv[1] == device:
            plot(device, f"{stem}.{suffix}")
