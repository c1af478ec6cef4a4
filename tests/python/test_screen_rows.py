"""The wrappers of the screen and window-font routines, called without a display, each in a
fresh interpreter: a routine the library does not have yet is skipped. The wrong numbers and
types of arguments are the tests of test_arguments.py, which take every wrapper the module has."""

import os
import re
import subprocess
import sys

import pytest
from conftest import SOURCE_DIR, scaled

HEADER = (SOURCE_DIR / "include" / "kavlor.h").read_text()
DECLARED = set(re.findall(r"^KAVLOR_API[^;(]*?\b(\w+)\s*\(", HEADER, re.M))

OPEN = 'kavlor.metafl("SVG"); kavlor.setfil("plot.svg"); kavlor.kavini()'
OPEN_WMF = 'kavlor.metafl("WMF"); kavlor.setfil("plot.wmf"); kavlor.kavini()'
# A screen plot without a display: its windows exist, unshown, and waits end at once.
SCREEN = 'kavlor.metafl("XWIN"); kavlor.kavini()'
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
    ("opnwin", f'{SCREEN}; kavlor.opnwin(2); kavlor.kavfin(); print("drawn")', "drawn"),
    ("selwin", f'{SCREEN}; kavlor.selwin(1); kavlor.kavfin(); print("drawn")', "drawn"),
    ("clswin", f'{SCREEN}; kavlor.clswin(1); kavlor.kavfin(); print("drawn")', "drawn"),
    ("winid", f'{SCREEN}; i = kavlor.winid(); kavlor.kavfin(); print(type(i).__name__)', "int"),
    ("csrmod", f'kavlor.csrmod("READ", "POS"); {SCREEN}; kavlor.kavfin(); print("drawn")',
     "drawn"),
    ("csrtyp", f'{SCREEN}; kavlor.csrtyp("ARRO"); kavlor.kavfin(); print("drawn")', "drawn"),
    ("csruni", f'{SCREEN}; kavlor.csruni("PIXE"); kavlor.kavfin(); print("drawn")', "drawn"),
    ("setcsr", f'{SCREEN}; kavlor.setcsr("CROS"); kavlor.kavfin(); print("drawn")', "drawn"),
    ("csrpt1", f'{SCREEN}; p = kavlor.csrpt1(); kavlor.kavfin(); print(len(p))', "2"),
    ("csrpos", f'{SCREEN}; p = kavlor.csrpos(1, 1); kavlor.kavfin(); print(len(p))', "3"),
    ("csrpts", f'{SCREEN}; x, y = [0] * 5, [0] * 5; n = kavlor.csrpts(x, y, 5); kavlor.kavfin();'
               ' print(type(n).__name__)', "int"),
    ("csrmov", f'{SCREEN}; x, y = [0] * 5, [0] * 5; n = kavlor.csrmov(x, y, 5); kavlor.kavfin();'
               ' print(type(n).__name__)', "int"),
    ("sendmb", 'kavlor.sendmb(); print("called")', "called"),
    ("wgdraw", 'i = kavlor.wgdraw(1); print(type(i).__name__)', "int"),
]


@pytest.mark.parametrize("name, script, expected", CASES, ids=[c[0] for c in CASES])
def test_the_wrapper_works_without_a_display(tmp_path, name, script, expected):
    if name not in DECLARED:
        pytest.skip(f"the library has no {name} yet")
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    script = f'import kavlor\nkavlor.errdev("FILE")\n{script}'
    process = subprocess.run([sys.executable, "-c", script], cwd=tmp_path, env=env,
                             capture_output=True, text=True,
                             timeout=scaled(60))  # no wait may hang
    assert process.returncode == 0, process.stderr
    # What the script prints is a line of its own among the protocol of kavfin.
    assert expected in process.stdout.splitlines()
