"""A date axis: daily temperatures of one year with a label on the first day of every month,
written as date_axis.pdf, .svg and .png."""

import math

import kavlor
from example_page import open_page, plot_formats


def plot(device, file):
    day = list(range(365))
    t = [9.0 - 9.5 * math.cos(2.0 * math.pi * (i - 15.0) / 365.0) +
         2.5 * math.sin(0.9 * i) * math.sin(0.13 * i) for i in day]
    open_page(device, file)
    kavlor.basdat(1, 1, 2023)  # day 0
    kavlor.labels("DATE", "X")
    kavlor.labmod("STEP", "MONT", "X")
    kavlor.labmod("DAY", "NONE", "X")
    kavlor.labmod("MONTH", "NAME", "X")
    kavlor.labmod("YEAR", "NONE", "X")
    kavlor.digits(-1, "Y")
    kavlor.labpos("CENT", "X")  # each month's name between its ticks
    kavlor.name("2023", "X")
    kavlor.name("Temperature in degrees Celsius", "Y")
    kavlor.titlin("Daily mean temperature", 1)
    kavlor.graf(0.0, 365.0, 0.0, 1.0, -10.0, 30.0, -10.0, 10.0)
    kavlor.title()
    kavlor.color("RED")
    kavlor.curve(day, t, len(day))
    kavlor.endgrf()
    kavlor.kavfin()


plot_formats("date_axis", plot)
