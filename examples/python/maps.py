"""Maps: the world's coastlines and a grid in two projections, and Europe with some countries
filled and a legend, written as the two pages of maps.pdf and as maps.svg and maps_2.svg,
maps.png and maps_2.png. The map files are read from the installation directory (KAVLOR; demo.sh
points it at the build)."""

import kavlor
from example_page import next_page, open_page, plot_formats


def world_maps():
    """The world in Winkel's tripel projection and as a hemisphere seen from above the North
    Atlantic, coastlines at the intermediate resolution."""
    kavlor.titlin("The world in two projections", 2)
    kavlor.axspos(120, 1650)
    kavlor.axslen(1770, 1000)  # the tripel is 1.77 times as wide as high
    kavlor.labels("MAP", "XY")
    kavlor.projct("WINK")
    kavlor.mapbas("GSHI")
    kavlor.grafmp(-180.0, 180.0, -180.0, 60.0, -90.0, 90.0, -90.0, 30.0)
    kavlor.color("BLUE")
    kavlor.gridmp(1, 1)
    kavlor.color("FORE")
    kavlor.world()
    kavlor.title()
    kavlor.endgrf()

    kavlor.axspos(2030, 1500)
    kavlor.axslen(800, 800)
    kavlor.projct("ORTH")
    kavlor.mappol(-30.0, 40.0)
    kavlor.frame(3)
    kavlor.grafmp(-180.0, 180.0, -180.0, 30.0, -90.0, 90.0, -90.0, 30.0)
    kavlor.color("BLUE")
    kavlor.gridmp(1, 1)
    kavlor.color("FORE")
    kavlor.world()
    kavlor.endgrf()


def europe():
    """Europe on a conical map: every country outlined, four of them filled (the former
    Yugoslavia fills its seven successors), a legend in the upper right corner on a box of the
    page's colour, which hides the coastlines and grid lines under it."""
    countries = [10, 9, 16, 31]  # Germany, France, Italy, Yugoslavia
    names = ["Germany", "France", "Italy", "Former Yugoslavia"]
    colours = [kavlor.intrgb(0.95, 0.75, 0.2), kavlor.intrgb(0.3, 0.55, 0.9),
               kavlor.intrgb(0.4, 0.8, 0.4), kavlor.intrgb(0.85, 0.4, 0.45)]
    kavlor.frame(1)
    kavlor.titlin("Europe", 2)
    kavlor.labels("MAP", "XY")
    kavlor.axspos(400, 1800)
    kavlor.axslen(2000, 1500)
    kavlor.projct("CONF")
    kavlor.mapbas("KAVL")
    kavlor.grafmp(-20.0, 40.0, -20.0, 10.0, 35.0, 70.0, 35.0, 5.0)
    kavlor.shdeur([0], [0], [kavlor.intrgb(0.0, 0.0, 0.0)], 1)
    kavlor.shdeur(countries, [16] * 4, colours, 4)
    kavlor.color("BLUE")
    kavlor.gridmp(1, 1)
    kavlor.color("FORE")
    kavlor.legini("", 4, 24)
    for i, name in enumerate(names):
        kavlor.leglin("", name, i + 1)
    kavlor.legtit("Countries")
    width, height = kavlor.nxlegn(""), kavlor.nylegn("")
    kavlor.recfll(2370 - width, 330, width, height, 0)
    kavlor.legpos(2370 - width, 330)
    kavlor.legend("", 7)
    kavlor.title()
    kavlor.endgrf()


def plot(device, file):
    open_page(device, file)
    world_maps()
    next_page(device, file, 2)
    europe()
    kavlor.kavfin()


plot_formats("maps", plot)
