"""Every C example of the gallery has a Python twin, which writes the very bytes of the files its
C twin writes (dates masked); a twin of a screen example shows the very pixels in its window."""

import os
import subprocess
import sys

import pytest
from conftest import SOURCE_DIR, masked

EXAMPLES = SOURCE_DIR / "examples" / "python"
SCRIPTS = sorted(p.stem for p in EXAMPLES.glob("*.py") if p.stem != "example_page")
C_EXAMPLES = sorted(p.stem for p in (SOURCE_DIR / "examples" / "c").glob("*.c"))
# These show their plot in a screen window and write no file.
SCREEN = {"screen_window"}
# The title of a window while it waits for the user at the end of the plot.
WAITING = "^KAVLOR 1 / Click MB2 or RETURN"
SECONDS = 60  # the watchdog of every wait on a program


def run(command, cwd, **env):
    # The map files are those the build made.
    env = dict(os.environ, PYTHONPATH=f"{os.environ['PYTHONPATH']}:{EXAMPLES}",
               KAVLOR=os.environ["KAVLOR_BUILD_DATA"], **env)
    process = subprocess.run(command, cwd=cwd, env=env, capture_output=True, timeout=600)
    assert process.returncode == 0, process.stderr.decode(errors="replace")
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


def shown_pixels(command, cwd, display):
    """Runs command on the display and returns the pixels of its window while it waits at the
    end of the plot (xwd, as a PPM); then RETURN ends the wait and the program."""
    env = dict(os.environ, PYTHONPATH=f"{os.environ['PYTHONPATH']}:{EXAMPLES}",
               KAVLOR=os.environ["KAVLOR_BUILD_DATA"], DISPLAY=display)
    program = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    try:
        x = dict(env=env, capture_output=True, timeout=SECONDS)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 WAITING], check=True, **x).stdout.split()[0].decode()
        dump = subprocess.run(["xwd", "-silent", "-id", window], check=True, **x).stdout
        pixels = subprocess.run(["xwdtopnm"], input=dump, check=True, env=env,
                                capture_output=True, timeout=SECONDS).stdout
        subprocess.run(["xdotool", "mousemove", "--window", window, "30", "30", "key", "Return"],
                       check=True, **x)
        assert program.wait(timeout=SECONDS) == 0, program.stderr.read().decode(errors="replace")
        return pixels
    finally:
        program.kill()
        program.wait()


@pytest.mark.parametrize("name", sorted(SCREEN))
def test_the_screen_example_shows_what_c_shows(tmp_path, xvfb, name):
    # Without a display the window is never shown: the same report, and no file.
    reports = {}
    for who in ("python", "c"):
        (tmp_path / who).mkdir()
        # The library's report and the script's line reach standard output from two buffers,
        # so their lines that are not empty are compared in order of their text.
        output = run(command(name, who), tmp_path / who, DISPLAY="").stdout
        reports[who] = sorted(line for line in masked(output).splitlines() if line)
        assert list((tmp_path / who).iterdir()) == []
    assert reports["python"] == reports["c"]
    assert b"The window stayed hidden: no display." in reports["c"]
    # On a display: the window of each, while it waits for RETURN.
    shown = {who: shown_pixels(command(name, who), tmp_path / who, xvfb)
             for who in ("python", "c")}
    assert shown["python"] == shown["c"]
