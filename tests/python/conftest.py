"""What the tests of the module kavlor share: the reference plots made by the C program, fresh
interpreters for cases that depend on process-wide state, files compared with their dates
masked, an X server of the test's own."""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import textwrap

import pytest

HERE = pathlib.Path(__file__).resolve().parent
SOURCE_DIR = pathlib.Path(os.environ.get("KAVLOR_SOURCE_DIR", HERE.parents[1]))
# The base folder a session made for itself, removed at its end.
OWN_BASETEMP = pytest.StashKey[str]()


@pytest.hookimpl(tryfirst=True)
def pytest_configure(config):
    """CTest runs each test file in a pytest of its own, several at once: each takes a base
    folder of its own for its temporary folders, so that no session clears away the numbered
    folders of another while they are in use."""
    if config.option.basetemp is None:
        config.option.basetemp = tempfile.mkdtemp(prefix="kavlor-pytest-")
        config.stash[OWN_BASETEMP] = config.option.basetemp


def pytest_unconfigure(config):
    own = config.stash.get(OWN_BASETEMP, None)
    if own is not None:
        shutil.rmtree(own, ignore_errors=True)


def time_factor():
    """How much longer than on a plain build and an idle machine a test may wait: the build's
    factor (sanitizers slow every program) times KAVLOR_TEST_TIME_FACTOR, which a slow or loaded
    machine sets, as the C++, Perl and shell helpers of the tests read it."""
    factor = 1.0
    for name in ("KAVLOR_TEST_BUILD_TIME_FACTOR", "KAVLOR_TEST_TIME_FACTOR"):
        text = os.environ.get(name, "")
        try:
            value = float(text) if text else 1.0
        except ValueError:
            value = 0.0
        if not value > 0:
            print(f"{name}={text} is no positive number: 1", file=sys.stderr)
            value = 1.0
        factor *= value
    return factor


def scaled(seconds):
    """A bound of a wait (seconds of a plain build on an idle machine) for this build and
    machine. Tests wait for events, never for a time: a bound only ends a wait that would
    hang."""
    return seconds * time_factor()


def reference_plot(case, device, path):
    """The file the C program reference_plots draws for case."""
    subprocess.run([os.environ["KAVLOR_REFERENCE_PLOTS"], case, device, str(path)], check=True,
                   capture_output=True)
    return pathlib.Path(path).read_bytes()


def python_plot(case, device, path):
    """The file python_plots.py draws for case, in a fresh interpreter."""
    subprocess.run([sys.executable, str(HERE / "python_plots.py"), case, device, str(path)],
                   check=True, capture_output=True)
    return pathlib.Path(path).read_bytes()


def run_python(code, cwd, check=True, env=None):
    """Runs code in a fresh interpreter (the module's quick-plot variables and device choice
    live for the process); returns the finished process."""
    process = subprocess.run([sys.executable, "-c", textwrap.dedent(code)], cwd=cwd,
                             capture_output=True, text=True, env=env)
    if check and process.returncode != 0:
        raise AssertionError(f"the script failed ({process.returncode}):\n{process.stderr}")
    return process


DATES = [
    (rb"D:\d{14}", b"D:<date>"),                               # PDF creation date
    (rb"\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d", b"<date> <time>"),  # SVG and PostScript headers
    (rb"\d\d\.\d\d\.\d{4} , \d\d:\d\d:\d\d", b"<date> , <time>"),
    (rb"\d\d\.\d\d\.\d{4}, \d\d:\d\d:\d\d", b"<date>, <time>"),    # Java sources
    (rb"\d\d\.\d\d\.\d{4}  Time    : \d\d:\d\d:\d\d", b"<date>  Time    : <time>"),  # protocol
]


def masked(data):
    """A file's bytes with its dates masked."""
    for pattern, replacement in DATES:
        data = re.sub(pattern, replacement, data)
    return data


@pytest.fixture
def display():
    """Xvfb on a display number it picks, ended with the test."""
    read, write = os.pipe()
    # The sanitizer's runtime that the interpreter may preload is not the server's.
    server_env = {k: v for k, v in os.environ.items() if k != "LD_PRELOAD"}
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-r"],
                              pass_fds=(write,), stderr=subprocess.DEVNULL, env=server_env)
    os.close(write)
    with os.fdopen(read) as numbers:
        number = numbers.readline().strip()
    yield f":{number}"
    server.terminate()
    server.wait(timeout=scaled(10))


@pytest.fixture
def in_tmp(tmp_path, monkeypatch):
    """The test runs in a temporary folder."""
    monkeypatch.chdir(tmp_path)
    return tmp_path
