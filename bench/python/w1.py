"""W1 with Kavlor from Python: one curve of 1,000,000 points, the NumPy columns of the input
handed to curve as they are (strided views of one array; the module converts them).

    w1.py W1 FORMAT OUT
"""
import os
import sys

DEVICES = {"ps": "PS", "pdf": "PDF", "svg": "SVG", "png": "PNG"}


def read_curve():
    """The (x, y) pairs of curve.bin as an array of two columns."""
    import numpy
    data = os.environ.get("KVBENCH_DATA") or "/tmp/kvbench/data"
    return numpy.fromfile(os.path.join(data, "curve.bin"), dtype=numpy.float64).reshape(-1, 2)


def draw(api, device, out, x, y, n):
    """The W1 page as kavlor/w1.c draws it, through api: the module, or the C interface."""
    api.metafl(device)
    api.setfil(out)
    api.filmod("DELE")
    if device == "PNG":
        api.winsiz(1169, 827)  # A4 at 100 dpi
    api.kavini()
    if device == "PNG":
        api.revscr()  # black on white, as the peers draw
    api.name("X axis", "X")
    api.name("Y axis", "Y")
    api.titlin("W1: curve of 1,000,000 points", 1)
    api.graf(0.0, 360.0, 0.0, 90.0, -1.5, 1.5, -1.5, 0.5)
    api.title()
    api.color("BLUE")
    if device != "PNG":
        api.penwid(1.8)  # 0.5 pt
    api.curve(x, y, n)
    api.endgrf()
    api.kavfin()


def main():
    if len(sys.argv) != 4 or sys.argv[1] != "W1":
        sys.exit(f"usage: {sys.argv[0]} W1 FORMAT OUT")
    device = DEVICES.get(sys.argv[2])
    if device is None:
        print(f"{sys.argv[0]}: no Kavlor writer for {sys.argv[2]}", file=sys.stderr)
        sys.exit(3)
    import kavlor
    xy = read_curve()
    draw(kavlor, device, sys.argv[3], xy[:, 0], xy[:, 1], len(xy))


if __name__ == "__main__":
    main()
