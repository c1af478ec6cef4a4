"""Every Python example of the gallery runs and writes the files its C twin writes; where both
compute their data alike the files are the same bytes (dates masked)."""

import os
import subprocess
import sys

import pytest
from conftest import SOURCE_DIR, masked

EXAMPLES = SOURCE_DIR / "examples" / "python"
SCRIPTS = sorted(p.stem for p in EXAMPLES.glob("*.py") if p.stem != "example_page")
# These scripts compute some coordinates in double precision where their C twins compute in
# single precision, so a few numbers in these files round differently.
ROUNDED_ELSEWHERE = {"contours.svg", "every_device.met"}


def run(command, cwd):
    # The map files are those the build made.
    env = dict(os.environ, PYTHONPATH=f"{os.environ['PYTHONPATH']}:{EXAMPLES}",
               KAVLOR=os.environ["KAVLOR_BUILD_DATA"])
    process = subprocess.run(command, cwd=cwd, env=env, capture_output=True, timeout=600)
    assert process.returncode == 0, process.stderr.decode(errors="replace")


@pytest.mark.parametrize("name", SCRIPTS)
def test_the_example_runs_and_draws_what_c_draws(tmp_path, name):
    (tmp_path / "python").mkdir()
    run([sys.executable, str(EXAMPLES / f"{name}.py")], tmp_path / "python")
    written = sorted(p.name for p in (tmp_path / "python").iterdir())
    assert written and all((tmp_path / "python" / f).stat().st_size > 0 for f in written)
    twin = os.path.join(os.environ["KAVLOR_EXAMPLES"], f"example_{name}")
    if not os.path.exists(twin):
        return  # a script of the Python gallery alone
    (tmp_path / "c").mkdir()
    run([twin], tmp_path / "c")
    assert written == sorted(p.name for p in (tmp_path / "c").iterdir())
    for file in set(written) - ROUNDED_ELSEWHERE:
        python, c = ((tmp_path / who / file).read_bytes() for who in ("python", "c"))
        assert masked(python) == masked(c), file
