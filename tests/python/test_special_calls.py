"""The wrappers with steps of their own, one call each, against the same calls from C:
special_calls.py prints what the wrappers give, the C program special_calls what the routines
give, line by line the same; the PNG and the PDF kept in memory are the same bytes."""

import os
import subprocess
import sys

from conftest import HERE, masked


def results(command, cwd):
    """The lines of results a program prints; the protocol of kavfin is left out."""
    out = subprocess.run(command, cwd=cwd, check=True, capture_output=True, text=True).stdout
    return [line for line in out.splitlines() if line.split(":")[0].isalnum()]


def test_the_wrappers_give_what_the_routines_give(tmp_path):
    c = results([os.environ["KAVLOR_SPECIAL_CALLS"]], tmp_path)
    python = results([sys.executable, str(HERE / "special_calls.py")], tmp_path)
    assert len(c) >= 30
    assert python == c
    assert (tmp_path / "python.png").read_bytes() == (tmp_path / "c.png").read_bytes()
    assert masked((tmp_path / "python.pdf").read_bytes()) == \
        masked((tmp_path / "c.pdf").read_bytes())
    messages = [tmp_path / f"{who}-messages.txt" for who in ("python", "c")]
    assert [m.read_text() if m.exists() else None for m in messages] == \
        [m.read_text() if m.exists() else None for m in reversed(messages)]
