"""Every wrapper with sequence arguments, called with sequences shorter than its counts and then
with sequences long enough, on an open plot: the short ones raise the converters' exceptions
before the library is called, the long ones run; none reads or writes past a buffer (the suite
runs under AddressSanitizer too). The wrappers and the kinds of their arguments come from the
signature table."""

import re
import sys

import kavlor
import pytest
from conftest import SOURCE_DIR

sys.path.insert(0, str(SOURCE_DIR / "bindings"))
import signatures  # noqa: E402

SEQUENCES = {"farray", "iarray", "fscratch", "finout", "fout", "iout", "fmatrix", "fmatrix3",
             "fmatrix_out", "bytes_in", "pixels_in"}
SCALARS = {"int": 3, "short": 3, "int_inout": 3, "float": 0.5, "stream": 0, "string": "A",
           "string_inout": "A", "text_append": "A", "legend": "A", "legend_init": "A",
           "legend_inout": "A", "callback_data": None}


def wrappers_with_sequences():
    header = (SOURCE_DIR / "include" / "kavlor.h").read_text()
    declared = set(re.findall(r"^KAVLOR_API[^;(]*?\b(\w+)\s*\(", header, re.M))
    return [r for r in signatures.load().python_wrapped()
            if r.name in declared and not r.name.startswith("q")  # quick plots open their own
            and any(p.kind.name in SEQUENCES for p in r.python_args())
            and all(p.kind.name in SEQUENCES | SCALARS.keys() for p in r.python_args())]


WRAPPERS = wrappers_with_sequences()


def arguments(routine, length):
    """Counts 3, texts "A", every sequence of length items (flat, also for matrices)."""
    def value(kind):
        if kind in ("bytes_in", "pixels_in"):
            return b"\x01" * length
        if kind in SEQUENCES:
            return [1] * length
        return SCALARS[kind]
    return [value(p.kind.name) for p in routine.python_args()]


@pytest.fixture(scope="module")
def open_plot(tmp_path_factory):
    folder = tmp_path_factory.mktemp("bad_input")
    kavlor.errdev("FILE")
    kavlor.errfil(str(folder / "messages.txt"))
    kavlor.metafl("SVG")
    kavlor.setfil(str(folder / "bad_input.svg"))
    kavlor.kavini()
    yield
    kavlor.kavfin()


def test_there_are_wrappers_with_sequences():
    assert len(WRAPPERS) >= 50


@pytest.mark.parametrize("routine", WRAPPERS, ids=lambda r: r.name)
def test_short_sequences_are_refused_and_long_ones_run(open_plot, routine):
    wrapper = getattr(kavlor, routine.name)
    with pytest.raises((MemoryError, ValueError)):
        wrapper(*arguments(routine, 1))
    wrapper(*arguments(routine, 400))  # spline writes 201 points
