"""The wrappers of the screen and window-font routines, called without a display, each in a
fresh interpreter: a routine the library does not have yet is skipped. The wrong numbers and
types of arguments are the tests of test_arguments.py, which take every wrapper the module has."""

import os
import re

import pytest
from conftest import SOURCE_DIR, run_python

HEADER = (SOURCE_DIR / "include" / "kavlor.h").read_text()
DECLARED = set(re.findall(r"^KAVLOR_API[^;(]*?\b(\w+)\s*\(", HEADER, re.M))

OPEN = 'kavlor.metafl("SVG"); kavlor.setfil("plot.svg"); kavlor.kavini()'
OPEN_WMF = 'kavlor.metafl("WMF"); kavlor.setfil("plot.wmf"); kavlor.kavini()'
CASES = [
    # (routine, the script, what it prints)
    ("getdsp", "print(kavlor.getdsp())", "NONE"),
    ("getscr", "print(kavlor.getscr())", "(0, 0)"),
    ("getbpp", "print(kavlor.getbpp())", "8"),
    ("scrmod", f'kavlor.scrmod("REVE"); {OPEN}; kavlor.kavfin(); print("drawn")', "drawn"),
    ("x11mod", f'kavlor.x11mod("STOR"); {OPEN}; kavlor.kavfin(); print("drawn")', "drawn"),
    ("setxid", f'kavlor.setxid(0, "NONE"); {OPEN}; kavlor.kavfin(); print("drawn")', "drawn"),
    ("getxid", f'{OPEN}; i = kavlor.getxid("WIND"); kavlor.kavfin(); print(type(i).__name__)',
     "int"),
    ("wintit", f'{OPEN}; kavlor.wintit("A title"); kavlor.kavfin(); print("drawn")', "drawn"),
    ("winfnt", f'{OPEN_WMF}; kavlor.winfnt("Arial"); kavlor.messag("Text", 100, 100);'
               ' kavlor.kavfin(); print(open("plot.wmf", "rb").read().count(b"Arial"))', "1"),
    ("hwfont", f'{OPEN_WMF}; kavlor.hwfont(); kavlor.messag("Text", 100, 100); kavlor.kavfin();'
               ' print("drawn")', "drawn"),
]


@pytest.mark.parametrize("name, script, expected", CASES, ids=[c[0] for c in CASES])
def test_the_wrapper_works_without_a_display(tmp_path, name, script, expected):
    if name not in DECLARED:
        pytest.skip(f"the library has no {name} yet")
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    process = run_python(f'import kavlor\nkavlor.errdev("FILE")\n{script}\n', tmp_path, env=env)
    assert process.stdout.split("\n")[-2] == expected
