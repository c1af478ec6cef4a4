"""The module installed into a prefix loads the prefix's library through its run path."""

import os
import pathlib
import sys

from conftest import run_python


def test_the_installed_module_loads_the_installed_library(tmp_path):
    prefix = pathlib.Path(os.environ["KAVLOR_TEST_PREFIX"])
    site = prefix / "lib" / f"python{sys.version_info[0]}.{sys.version_info[1]}" / "dist-packages"
    env = {key: value for key, value in os.environ.items()
           if key not in ("PYTHONPATH", "LD_LIBRARY_PATH")}
    env["PYTHONPATH"] = str(site)
    process = run_python("""
        import kavlor
        print(kavlor.__file__)
        print([line.split()[-1] for line in open("/proc/self/maps") if "libkavlor" in line][0])
        kavlor.metafl("SVG")
        kavlor.setfil("installed.svg")
        kavlor.kavini()
        kavlor.kavfin()
    """, tmp_path, env=env)
    module, library = process.stdout.splitlines()[:2]
    assert pathlib.Path(module).parent == site
    assert pathlib.Path(library).resolve().parent == (prefix / "lib").resolve()
    assert (tmp_path / "installed.svg").stat().st_size > 0
