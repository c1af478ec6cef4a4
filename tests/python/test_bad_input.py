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


class Meddling:
    """A number whose conversion changes the lists of the call it is converted for: empties
    them, puts fresh rows and numbers in their places, or lengthens them."""

    lists = []
    meddle = None

    def __float__(self):
        for items in Meddling.lists:
            Meddling.meddle(items)
        return 0.5

    def __index__(self):
        self.__float__()
        return 1


MEDDLING = {
    "empty": lambda items: items.clear(),
    "replace": lambda items: items.__setitem__(
        slice(None), [list(i) if isinstance(i, list) else 0.25 for i in items]),
    "lengthen": lambda items: items.append(0.25),
}


def meddling_arguments(routine):
    """Counts 3, texts "A", sequences of 27 meddling numbers, matrices of 3 rows of 3 (of 3)."""
    def value(kind):
        if kind in ("bytes_in", "pixels_in"):
            return b"\x01" * 27
        if kind in ("fmatrix", "fmatrix_out"):
            items = [[Meddling() for _ in range(3)] for _ in range(3)]
        elif kind == "fmatrix3":
            items = [[[Meddling() for _ in range(3)] for _ in range(3)] for _ in range(3)]
        elif kind in SEQUENCES:
            items = [Meddling() for _ in range(27)]
        else:
            return SCALARS[kind]
        Meddling.lists.append(items)
        return items
    Meddling.lists = []
    return [value(p.kind.name) for p in routine.python_args()]


@pytest.mark.parametrize("meddle", MEDDLING)
def test_numbers_that_change_their_lists_while_converted_do_no_harm(open_plot, meddle):
    Meddling.meddle = MEDDLING[meddle]
    for routine in WRAPPERS:
        try:
            getattr(kavlor, routine.name)(*meddling_arguments(routine))
        except (MemoryError, ValueError):
            pass  # a list that lost its items is refused
