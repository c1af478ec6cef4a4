"""Quick plots: a whole figure in one call, set up with quick-plot variables, written as
quick_plot.pdf (a curve) and quick_contour.pdf (contour lines of a matrix)."""

import math

import kavlor

x = [0.1 * i for i in range(101)]
y = [math.sin(v) * math.exp(-0.2 * v) for v in x]
kavlor.metafl("PDF")  # the quick plots keep the device chosen here
kavlor.setfil("quick_plot.pdf")
kavlor.filmod("DELE")
kavlor.setvar("T1", "A quick plot")
kavlor.setvar("X", "x")
kavlor.setvar("Y", "sin(x) exp(-x/5)")
kavlor.plot(x, y)
kavlor.kavfin()

grid = [0.2 * i - 3.0 for i in range(31)]
z = [[math.sin(u) * math.cos(v) for v in grid] for u in grid]
kavlor.setfil("quick_contour.pdf")
kavlor.setvar("T1", "Quick contour lines")  # the other variables stay set
kavlor.setvar("Y", "y")
kavlor.contour(grid, grid, z)
kavlor.kavfin()
