"""What every matplotlib bench script shares: the call `W FORMAT OUT` (exit 1 on a wrong call, 3
when matplotlib has no writer for FORMAT), an A4 landscape figure drawn with Agg (1169 x 827 pixels
for PNG, that is 100 dpi) or a vector backend, the data files, and the width of the data lines."""
import os
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402 (after choosing the backend)
import numpy as np  # noqa: E402

WRITERS = ("ps", "pdf", "svg", "png")
A4_LANDSCAPE = (297 / 25.4, 210 / 25.4)  # inches
DPI = 100
LINE_WIDTH = 0.5  # points
DATA = os.environ.get("KVBENCH_DATA") or "/tmp/kvbench/data"


def open_page(workload, projection=None):
    """Checks the arguments and returns the figure and its one axis system, with the axis names."""
    if len(sys.argv) != 4 or sys.argv[1] != workload:
        sys.exit(f"usage: {sys.argv[0]} {workload} FORMAT OUT")
    if sys.argv[2] not in WRITERS:
        print(f"{sys.argv[0]}: no matplotlib writer for {sys.argv[2]}", file=sys.stderr)
        sys.exit(3)
    fig = plt.figure(figsize=A4_LANDSCAPE, dpi=DPI)
    ax = fig.add_subplot(projection=projection)
    ax.set_xlabel("X axis")
    ax.set_ylabel("Y axis")
    if projection == "3d":
        ax.set_zlabel("Z axis")
    return fig, ax


def limits(ax, x, xstep, y, ystep, title):
    """Sets the axis ranges (lo, hi), ticks every xstep and ystep, and the title."""
    ax.set_xlim(*x)
    ax.set_ylim(*y)
    ax.set_xticks(np.arange(x[0], x[1] + xstep / 2, xstep))
    ax.set_yticks(np.arange(y[0], y[1] + ystep / 2, ystep))
    ax.set_title(title)


def read(name, shape):
    """The float64 file `name` of the data folder as an array of `shape`."""
    return np.fromfile(os.path.join(DATA, name), dtype="<f8").reshape(shape)


def grid_axis(n, lo, hi):
    """Coordinates of an n-point grid axis on [lo, hi]."""
    return lo + (hi - lo) * np.arange(n) / (n - 1)


def save(fig):
    """Writes the figure as FORMAT into OUT; PostScript on an A4 sheet turned for landscape."""
    fmt, out = sys.argv[2], sys.argv[3]
    options = {"papertype": "a4", "orientation": "landscape"} if fmt == "ps" else {}
    fig.savefig(out, format=fmt, **options)
