"""One picture in every file format the library writes: a page of lines, colours, fills, markers,
arrows and text in the stroke and the PostScript fonts, then a page with a shaded surface, a curve
on a plane of the 3-D box and a block of pixels in image mode. Each device writes
every_device.EXT, or only the device named on the command line (for example PDF). Where the format
holds pages (CGM, Kyocera, PostScript, PDF) the second page follows in the same file; elsewhere it
is a file of its own, every_device_2.EXT. The raster files are true colour, so that the colour
given as RGB is the one drawn, not the nearest of a palette's 256."""

import math
import sys

import kavlor
from example_page import f

# The device, the file's extension, and whether it has image mode, holds pages, has the PostScript
# fonts and writes pixels.
DEVICES = [
    ("GKSL", "met", 0, 0, 0, 0), ("CGM", "cgm", 0, 1, 0, 0), ("KYOC", "kyo", 0, 1, 0, 0),
    ("HPGL", "hpg", 0, 0, 0, 0), ("HPA4", "a4.hpg", 0, 0, 0, 0), ("POST", "psc", 1, 1, 1, 0),
    ("PSCL", "cl.psc", 1, 1, 1, 0), ("EPS", "eps", 1, 0, 1, 0), ("PS", "ps", 1, 1, 1, 0),
    ("PDF", "pdf", 1, 1, 1, 0), ("TIFF", "tif", 1, 0, 0, 1), ("PNG", "png", 1, 0, 0, 1),
    ("PPM", "ppm", 1, 0, 0, 1), ("BMP", "bmp", 1, 0, 0, 1), ("GIF", "gif", 1, 0, 0, 1),
    ("JAVA", "java", 0, 0, 0, 0), ("SVG", "svg", 0, 0, 1, 0), ("WMF", "wmf", 0, 0, 0, 0),
]


def shapes(psfonts):
    # Lines in colours, widths and styles.
    for i in range(8):
        kavlor.setclr(30 + 28 * i)
        if i == 3:
            kavlor.dash()
        if i == 5:
            kavlor.linwid(15)
        kavlor.line(100, 100 + 60 * i, 1000, 150 + 60 * i)
    kavlor.solid()
    kavlor.linwid(1)

    # Fills: a solid and a hatched polygon, a box, circles, a sector, a triangle.
    kavlor.setclr(200)
    kavlor.shdpat(16)
    kavlor.areaf([1900, 2300, 2400, 2100, 1850], [200, 150, 400, 600, 450], 5)
    kavlor.shdpat(5)
    kavlor.setclr(90)
    kavlor.circle(1400, 350, 200)
    kavlor.shdpat(16)
    kavlor.setrgb(0.2, 0.6, 0.9)
    kavlor.ellips(1400, 800, 250, 100)
    kavlor.shdpat(0)
    kavlor.recfll(100, 700, 400, 200, 150)
    kavlor.sector(800, 900, 50, 180, 30.0, 290.0, 60)
    kavlor.setclr(240)
    kavlor.trifll([2500, 2900, 2700], [700, 650, 350])
    kavlor.rectan(2050, 750, 300, 200)

    # Markers and arrows.
    kavlor.hsymbl(40)
    for i in range(24):
        kavlor.setclr(10 + 10 * i)
        kavlor.symbol(i, 150 + 110 * i, 1150)
    for i in range(4):
        kavlor.vector(200 + 600 * i, 1300, 600 + 600 * i, 1400, 1201 + i * 1000)

    # Text in the stroke font, turned, and in a PostScript font where the device has one; the
    # accented text is Latin-1.
    kavlor.color("FORE")
    kavlor.height(50)
    kavlor.messag("Stroke text: x^2 + y", 100, 1550)
    kavlor.angle(20)
    kavlor.messag("turned", 1400, 1650)
    kavlor.angle(0)
    if psfonts:
        kavlor.psfont("Times-Roman")
    kavlor.chacod("ISO1")
    kavlor.messag("PostScript text, accented: caf\xe9", 100, 1750)
    kavlor.frame(3)
    kavlor.rectan(1800, 1700, 500, 150)
    kavlor.frame(1)


def surface_and_plane(image):
    # In single precision, as the C twin computes them.
    x = [f(-1.0 + f(f(2.0 * i) / 11.0)) for i in range(12)]
    z = [[f(f(u * u) - f(v * v)) for v in x] for u in x]
    c = [f(f(i / 39.0) * f(6.2831853)) for i in range(40)]
    s = [f(math.sin(v)) for v in c]

    # A block of pixels in image mode, on the devices that have it.
    if image:
        kavlor.imgini()
        for i in range(40):
            for j in range(40):
                kavlor.wpixel(20 + i, 20 + j, (i + j) % 256)
        kavlor.imgfin()

    kavlor.axspos(500, 1800)
    kavlor.axslen(1200, 1200)
    kavlor.view3d(-40.0, 30.0, 7.0, "ANGL")
    kavlor.graf3d(-1.0, 1.0, -1.0, 0.5, -1.0, 1.0, -1.0, 0.5, -1.0, 1.0, -1.0, 0.5)
    kavlor.box3d()
    kavlor.surshd(x, 12, x, 12, z)
    kavlor.grfini(-1.0, -1.0, -1.0, 1.0, -1.0, -1.0, 1.0, -1.0, 1.0)
    kavlor.graf(0.0, 6.3, 0.0, 1.0, -1.0, 1.0, -1.0, 0.5)
    kavlor.curve(c, s, 40)
    kavlor.endgrf()
    kavlor.grffin()
    kavlor.endgrf()


def open_plot(device, extension, raster, page):
    """Opens a plot on the device into every_device.EXT, every_device_2.EXT for page 2."""
    kavlor.metafl(device)
    kavlor.setfil(f"every_device.{extension}" if page == 1 else f"every_device_{page}.{extension}")
    kavlor.filmod("DELE")
    if raster:
        kavlor.imgfmt("RGB")
    kavlor.kavini()


for device, extension, image, pages, psfonts, raster in DEVICES:
    if len(sys.argv) < 2 or sys.argv[1] == device:
        open_plot(device, extension, raster, 1)
        shapes(psfonts)
        if pages:
            kavlor.newpag()
        else:
            kavlor.kavfin()
            open_plot(device, extension, raster, 2)
        surface_and_plane(image)
        kavlor.kavfin()
