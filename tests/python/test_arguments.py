"""Arguments of the wrong number or type: every wrapper raises a Python exception before it
calls the library, and texts are ISO-8859-1."""

import pathlib
import re
import sys

import kavlor
import pytest
from conftest import SOURCE_DIR

sys.path.insert(0, str(SOURCE_DIR / "bindings"))
import signatures  # noqa: E402


def built_routines():
    """The rows of the table that the module offers now, with their numbers of arguments."""
    header = (SOURCE_DIR / "include" / "kavlor.h").read_text()
    declared = set(re.findall(r"^KAVLOR_API[^;(]*?\b(\w+)\s*\(", header, re.M))
    return [(r.name, len(r.python_args())) for r in signatures.load().python_wrapped()
            if r.name in declared]


ROUTINES = built_routines()


@pytest.mark.parametrize("name, count", ROUTINES)
def test_every_wrapper_refuses_a_wrong_number_of_arguments(name, count):
    wrapper = getattr(kavlor, name)
    with pytest.raises(TypeError, match=rf"^{name}\(\) takes"):
        wrapper(*[0] * (count + 1))
    if count > 0:
        with pytest.raises(TypeError, match=rf"^{name}\(\) takes"):
            wrapper(*[0] * (count - 1))


@pytest.mark.parametrize("name, count", [(n, c) for n, c in ROUTINES if c > 0])
def test_every_wrapper_refuses_arguments_of_no_type_it_takes(name, count):
    with pytest.raises((TypeError, ValueError)):
        getattr(kavlor, name)(*[object()] * count)


@pytest.mark.parametrize("call, error", [
    (lambda: kavlor.angle(1.5), TypeError),               # a float where an int belongs
    (lambda: kavlor.angle("1"), TypeError),
    (lambda: kavlor.angle(2**31), OverflowError),         # ints are 32-bit
    (lambda: kavlor.chaang("1.0"), TypeError),            # a str where a number belongs
    (lambda: kavlor.chaang(None), TypeError),
    (lambda: kavlor.name(1, "X"), TypeError),
    (lambda: kavlor.name("\u20ac", "X"), UnicodeEncodeError),  # no ISO-8859-1 character
    (lambda: kavlor.name("a\0b", "X"), ValueError),
    (lambda: kavlor.wpixls("abc", 0, 0, 1, 1), TypeError),     # pixels are bytes
    (lambda: kavlor.writfl(0, b"ab", 3), ValueError),          # fewer bytes than the count
    (lambda: kavlor.wpixls(b"abc", 0, 0, 2**31 - 1, 2**31 - 1), ValueError),
    (lambda: kavlor.setvar("T1", b"\xe9t\xe9") or kavlor.setvar(2, "x"), TypeError),
])
def test_wrong_values_raise(call, error):
    with pytest.raises(error):
        call()


def test_texts_are_iso_8859_1_both_ways():
    assert kavlor.upstr("gr\xfc\xdfe") == "GR\xfc\xdfE"  # upper-cases ASCII letters only
    assert kavlor.upstr(b"abc") == "ABC"
