"""The world's coastlines with a grid in Winkel's tripel and as a hemisphere; Europe on a
conical map with four countries filled and a legend, written as maps.pdf, .svg and .png."""

import kavlor
from example_page import open_page, plot_formats


def world_maps():
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
    countries = [10, 9, 16, 31]  # Germany, France, Italy, Yugoslavia
    colours = [kavlor.intrgb(0.95, 0.75, 0.2), kavlor.intrgb(0.3, 0.55, 0.9),
               kavlor.intrgb(0.4, 0.8, 0.4), kavlor.intrgb(0.85, 0.4, 0.45)]
    kavlor.newpag()
    kavlor.frame(1)
    kavlor.titlin("Europe", 2)
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
    kavlor.legini("", 4, 24)  # the module keeps the legend's buffer: the text stands for it
    for line, country in enumerate(["Germany", "France", "Italy", "Former Yugoslavia"], 1):
        kavlor.leglin("", country, line)
    kavlor.legtit("Countries")
    kavlor.legend("", 7)
    kavlor.title()
    kavlor.endgrf()


def plot(device, file):
    open_page(device, file)
    world_maps()
    europe()
    kavlor.kavfin()


plot_formats("maps", plot)
