"""What the gallery's axis-system examples share: the page opened on a device, and one file
written per format."""

import sys

import kavlor

FORMATS = [("PDF", "pdf"), ("SVG", "svg"), ("PNG", "png")]


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
