"""Times the W1 plot in one process, drawn two ways from the (x, y) pairs read from the input:
through the module kavlor, which takes the NumPy columns as they are (w1.py), and as
kavlor/w1.c draws it, which first copies them into float arrays and then calls the library's C
interface (here through ctypes). Both times run from the data in memory to the written file;
their ratio is what the module adds. The start of the interpreter and of NumPy, which the
whole processes of run.sh include, is not part of it.

    PYTHONPATH=build/python/module python3 bench/python/plot_time.py [RUNS] [LIBRARY]

LIBRARY is the libkavlor.so the module was built with (default: the one it loaded).
"""
import ctypes
import os
import sys
import tempfile
import time

import kavlor
import numpy
from w1 import DEVICES, draw, read_curve


class CInterface:
    """The routines w1.py calls, through ctypes: texts as bytes, numbers as C floats and ints."""

    FLOATS = {"graf": 8, "penwid": 1}

    def __init__(self, path):
        self.lib = ctypes.CDLL(path)
        for name, count in self.FLOATS.items():
            getattr(self.lib, name).argtypes = [ctypes.c_float] * count
        self.lib.curve.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int]

    def __getattr__(self, name):
        routine = getattr(self.lib, name)
        return lambda *args: routine(*(a.encode() if isinstance(a, str) else a for a in args))


def loaded_library():
    with open("/proc/self/maps") as maps:
        return next(line.split()[-1] for line in maps if "libkavlor.so" in line)


def seconds(plot):
    start = time.perf_counter()
    plot()
    return time.perf_counter() - start


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 11
    c_interface = CInterface(sys.argv[2] if len(sys.argv) > 2 else loaded_library())
    xy = read_curve()
    x, y = xy[:, 0], xy[:, 1]

    def from_c(device):
        x32 = numpy.ascontiguousarray(x, numpy.float32)  # the copy of w1.c
        y32 = numpy.ascontiguousarray(y, numpy.float32)
        draw(c_interface, device, out, x32.ctypes.data, y32.ctypes.data, len(xy))

    out = os.path.join(tempfile.mkdtemp(prefix="kavlor-plot-time-"), "w1")
    # The table on standard output; the library's end-of-run reports go nowhere.
    table = os.fdopen(os.dup(1), "w")
    with open(os.devnull, "w") as sink:
        os.dup2(sink.fileno(), 1)
    print(f"Best of {runs} runs each, interleaved (seconds)", file=table)
    print("format  C       Python  Python/C", file=table)
    for suffix, device in DEVICES.items():
        times = {"C": [], "Python": []}
        for _ in range(runs):  # interleaved, so that both see the same machine
            times["C"].append(seconds(lambda: from_c(device)))
            times["Python"].append(seconds(lambda: draw(kavlor, device, out, x, y, len(xy))))
        c, python = min(times["C"]), min(times["Python"])
        print(f"{suffix:6}  {c:.4f}  {python:.4f}  {python / c:.2f}", file=table, flush=True)
    for name in os.listdir(os.path.dirname(out)):
        os.remove(os.path.join(os.path.dirname(out), name))
    os.rmdir(os.path.dirname(out))


if __name__ == "__main__":
    main()
