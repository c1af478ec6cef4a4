"""The map gallery written from Python writes the files of its C twin, byte for byte (dates
masked): the maps, the country fills and the legend take the same calls from both."""

import os
import subprocess
import sys

from conftest import SOURCE_DIR, masked


def test_the_python_maps_are_the_c_maps(tmp_path):
    env = dict(os.environ, KAVLOR=os.environ["KAVLOR_BUILD_DATA"])
    env["PYTHONPATH"] = os.pathsep.join([env["PYTHONPATH"], str(SOURCE_DIR / "examples/python")])
    (tmp_path / "python").mkdir()
    (tmp_path / "c").mkdir()
    subprocess.run([sys.executable, str(SOURCE_DIR / "examples/python/maps.py")],
                   cwd=tmp_path / "python", env=env, check=True, capture_output=True)
    subprocess.run([os.path.join(os.environ["KAVLOR_EXAMPLES"], "example_maps")],
                   cwd=tmp_path / "c", env=env, check=True, capture_output=True)
    written = sorted(p.name for p in (tmp_path / "c").iterdir())
    assert written == ["maps.pdf", "maps.png", "maps.svg"]
    assert sorted(p.name for p in (tmp_path / "python").iterdir()) == written
    for name in written:
        python_bytes = (tmp_path / "python" / name).read_bytes()
        assert masked(python_bytes) == masked((tmp_path / "c" / name).read_bytes()), name
