"""Every C example of the gallery has a Python twin, which writes the very bytes of the files its
C twin writes (dates masked); a twin of a screen example shows the very pixels in its windows,
its widget callbacks drawing what the C callbacks draw."""

import hashlib
import os
import subprocess
import sys

import pytest
from conftest import SOURCE_DIR, masked, scaled

EXAMPLES = SOURCE_DIR / "examples" / "python"
SCRIPTS = sorted(p.stem for p in EXAMPLES.glob("*.py") if p.stem != "example_page")
C_EXAMPLES = sorted(p.stem for p in (SOURCE_DIR / "examples" / "c").glob("*.c"))
# These show their plot in a screen window and write no file.
SCREEN = {"screen_window", "scale_dialog"}
# Shows a screen example on an X server of its own and writes what its windows show.
SHOWN = SOURCE_DIR / "tests" / "support" / "screen_example.sh"


def run(command, cwd, **env):
    # The map files are those the build made.
    env = dict(os.environ, PYTHONPATH=f"{os.environ['PYTHONPATH']}:{EXAMPLES}",
               KAVLOR=os.environ["KAVLOR_BUILD_DATA"], **env)
    process = subprocess.run(command, cwd=cwd, env=env, capture_output=True, timeout=scaled(600))
    assert process.returncode == 0, process.stderr.decode(errors="replace")
    # The gallery shows the library at its best: no example draws what its device refuses.
    assert b"<<<< Warning" not in process.stdout, process.stdout.decode(errors="replace")
    return process


def command(name, who):
    if who == "c":
        return [os.path.join(os.environ["KAVLOR_EXAMPLES"], f"example_{name}")]
    return [sys.executable, str(EXAMPLES / f"{name}.py")]


def test_every_c_example_has_a_python_twin():
    assert set(C_EXAMPLES) - set(SCRIPTS) == set()


@pytest.mark.parametrize("name", [s for s in SCRIPTS if s not in SCREEN])
def test_the_example_runs_and_draws_what_c_draws(tmp_path, name):
    (tmp_path / "python").mkdir()
    run(command(name, "python"), tmp_path / "python")
    written = sorted(p.name for p in (tmp_path / "python").iterdir())
    assert written and all((tmp_path / "python" / f).stat().st_size > 0 for f in written)
    if name not in C_EXAMPLES:
        return  # a script of the Python gallery alone
    (tmp_path / "c").mkdir()
    run(command(name, "c"), tmp_path / "c")
    assert written == sorted(p.name for p in (tmp_path / "c").iterdir())
    for file in written:
        python, c = ((tmp_path / who / file).read_bytes() for who in ("python", "c"))
        assert masked(python) == masked(c), file


def report(stdout):
    """The lines of a standard output that are not empty, dates masked, in order of their text:
    the library's report and the script's lines reach it from two buffers."""
    return sorted(line for line in masked(stdout).splitlines() if line)


@pytest.mark.parametrize("name", sorted(SCREEN))
def test_the_screen_example_shows_what_c_shows(tmp_path, name):
    # Without a display no window is shown: the same report and messages, and no file.
    outputs = {}
    for who in ("python", "c"):
        (tmp_path / who).mkdir()
        process = run(command(name, who), tmp_path / who, DISPLAY="")
        outputs[who] = (report(process.stdout), process.stderr)
        assert list((tmp_path / who).iterdir()) == []
    assert outputs["python"] == outputs["c"]
    # On an X server of its own: what the windows of each show (the pictures SHOWN takes of
    # each example, the twin's when they are like the C program's), and what each prints.
    run([SHOWN, name, tmp_path / "c"] + command(name, "c"), tmp_path)
    run([SHOWN, name, tmp_path / "python", "--like", tmp_path / "c"] + command(name, "python"),
        tmp_path)
    pictures = sorted(p.name for p in (tmp_path / "c").glob("*.ppm"))
    assert pictures and pictures == sorted(p.name for p in (tmp_path / "python").glob("*.ppm"))
    shown = {who: {file: hashlib.sha256((tmp_path / who / file).read_bytes()).hexdigest()
                   for file in pictures} for who in ("python", "c")}
    assert shown["python"] == shown["c"]
    printed = {who: report((tmp_path / who / "stdout").read_bytes()) for who in ("python", "c")}
    assert printed["python"] == printed["c"]
