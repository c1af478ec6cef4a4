"""Figures: circles, ellipses, arcs, pies, sectors, rectangles, polygons, arrows of every kind,
shields with their frames, hatch patterns and the logo, written as HPGL (figures.hpg), as PNG
(figures.png) and as a placeable Windows metafile (figures.wmf). HPGL pens are colour numbers:
hp2xx takes them modulo 8, and pen 0 draws nothing."""

import kavlor


def draw():
    kavlor.pagera()

    # Row 1: outlined figures.
    kavlor.setclr(50)
    kavlor.circle(250, 250, 150)
    kavlor.ellips(650, 250, 200, 100)
    kavlor.arcell(1100, 250, 200, 120, 30.0, 300.0, 20.0)
    kavlor.rectan(1400, 100, 300, 300)
    kavlor.rndrec(1800, 100, 400, 300, 5)
    kavlor.rndrec(2300, 100, 400, 300, 9)

    # Row 2: the same figures filled solid and hatched.
    kavlor.setclr(180)
    for pattern, figure in [(16, lambda: kavlor.circle(250, 650, 150)),
                            (5, lambda: kavlor.ellips(650, 650, 200, 100)),
                            (16, lambda: kavlor.arcell(1100, 650, 200, 120, 30.0, 300.0, 20.0)),
                            (9, lambda: kavlor.rectan(1400, 500, 300, 300)),
                            (16, lambda: kavlor.rndrec(1800, 500, 400, 300, 5)),
                            (12, lambda: kavlor.rndrec(2300, 500, 400, 300, 9))]:
        kavlor.shdpat(pattern)
        figure()
    kavlor.shdpat(0)

    # Row 3: sectors, boxes and a polygon.
    kavlor.sector(250, 1150, 0, 200, 20.0, 110.0, 250)
    kavlor.sector(250, 1150, 100, 200, 150.0, 340.0, 100)
    kavlor.sector(750, 1150, 80, 180, 0.0, 400.0, 30)
    kavlor.recfll(1050, 1000, 300, 150, 220)
    kavlor.point(1200, 1300, 200, 60, 60)
    kavlor.setclr(140)
    kavlor.shdpat(17)
    kavlor.areaf([2350, 2650, 2750, 2500, 2300], [1150, 1100, 1300, 1450, 1350], 5)
    kavlor.shdpat(0)

    # Hatch types 5, 6 and 7: dotted, dashed and dash-dot lines.
    kavlor.setclr(20)
    kavlor.mypat(0, 2, 0, 0)
    for i in range(3):
        kavlor.mypat(0, 5 + i, 3, 0)
        kavlor.rectan(1450 + 250 * i, 1000, 200, 300)
    kavlor.shdpat(0)

    # Row 4: arrows of every form and every choice of heads.
    kavlor.setclr(239)
    for i in range(4):
        y = 1550 + 120 * i
        kavlor.vector(100, y, 500, y, 1400 + 10 * i + 1)
        kavlor.vector(600, y, 1000, y, 2300 + 10 * i + 2)
        kavlor.vector(1100, y, 1500, y, 3300 + 10 * i + 3)
    kavlor.vector(1600, 1950, 1900, 1550, 1501)
    kavlor.vector(1650, 1550, 1950, 1950, 0)

    # Shields with their frames keep lines out.
    kavlor.setclr(81)
    kavlor.shlcir(2200, 1750, 100)
    kavlor.shlrct(2450, 1650, 200, 120, 30.0)
    for i in range(9):
        kavlor.line(2050, 1600 + 40 * i, 2900, 1600 + 40 * i)

    # The logo in the lower right corner.
    kavlor.qlgsiz(250)
    kavlor.qornpl(2)


for device, file in [("HPGL", "figures.hpg"), ("PNG", "figures.png"), ("WMF", "figures.wmf")]:
    kavlor.metafl(device)
    kavlor.setfil(file)
    kavlor.filmod("DELE")
    if device == "WMF":
        kavlor.wmfmod("PLAC", "FORMAT")
    kavlor.kavini()
    draw()
    kavlor.kavfin()
