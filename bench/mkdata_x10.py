# Writes the input of the workloads at ten times their work, with the formulas of mkdata.py:
# Run with Debian's interpreter: /usr/bin/python3 mkdata_x10.py [DIR]   (DIR defaults to /tmp/kvbench/data)
#
#   file              values                        drawn by
#   curve_x10.bin     10,000,000 points (x, y)      W1x10   (same layout and formula as curve.bin)
#   grid2000.bin      2000 x 2000 z                 W2x10, W3x10   (as grid1000.bin)
#   surf1000.bin      1000 x 1000 z                 W4x10   (as surf300.bin)
#   scatter_x10.bin   1,000,000 points (x, y)       W6x10   (as scatter.bin, the same generator and seed)
import os
import sys

import numpy as np

from mkdata import grid, sinc_r, write


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/kvbench/data"
    os.makedirs(out, exist_ok=True)

    n = 10_000_000
    i = np.arange(n)
    x = 360.0 * i / (n - 1)
    y = np.sin(np.radians(x) * 7) + 0.3 * np.sin(i * 0.7)
    write(os.path.join(out, "curve_x10.bin"), np.column_stack([x, y]))

    X, Y = grid(2000, -1.0, 1.0)
    write(os.path.join(out, "grid2000.bin"), np.sin(5 * X) * np.cos(4 * Y) + X * Y)

    write(os.path.join(out, "surf1000.bin"), sinc_r(1000))

    rng = np.random.default_rng(20261209)
    sx = rng.standard_normal(1_000_000)
    sy = 0.6 * sx + 0.8 * rng.standard_normal(1_000_000)
    write(os.path.join(out, "scatter_x10.bin"), np.column_stack([sx, sy]))


if __name__ == "__main__":
    main()
