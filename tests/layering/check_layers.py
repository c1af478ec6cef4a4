#!/usr/bin/env python3
"""Checks that every include of the library's own headers keeps to the layers.

  platform/   includes nothing of ours
  kernel/     itself and platform/
  devices/    the kernel and platform/
  graphics2d/ devices/, the kernel and platform/
  graphics3d/ graphics2d/ and everything below
  widgets/    every folder below

The per-thread record (kernel/record.h) is made of plain-data state headers
that live beside their subsystems; any layer may include those, and they
themselves include only the kernel, platform/ and other state headers.
`kavlor.h`, the public interface, may be included anywhere. The folders above
the library (bindings, python, perl, setup, tests, examples, bench) are not
checked.

Usage: check_layers.py [ROOT]   (ROOT: the source tree; default: this checkout)
Prints each include that breaks a rule and exits 1 when there is one.
"""
import pathlib
import re
import sys

LAYERS = ["platform", "kernel", "devices", "graphics2d", "graphics3d", "widgets"]
SOURCE_SUFFIXES = {".h", ".cpp", ".c"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
RECORD = "kernel/record.h"


def allowed_folders(folder):
    """The folders a file of this layer may include from."""
    return set(LAYERS[: LAYERS.index(folder) + 1])


def own_includes(path):
    return INCLUDE.findall(path.read_text(encoding="latin-1"))


def record_parts(root):
    """The state headers the record is composed of: what record.h includes."""
    record = root / RECORD
    if not record.exists():
        return set()
    return {h for h in own_includes(record) if h.split("/")[0] in LAYERS}


def breaches(root):
    parts = record_parts(root)
    found = set()
    for folder in LAYERS:
        base = root / folder
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            name = path.relative_to(root).as_posix()
            may = allowed_folders(folder)
            if name in parts:  # a record part leans on nothing above the kernel
                may = allowed_folders("kernel")
            for header in own_includes(path):
                top = header.split("/")[0]
                if top not in LAYERS or top in may:
                    continue
                if header in parts:
                    continue
                found.add((name, header))
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
    found = sorted(breaches(root))
    for name, header in found:
        print(f"{name} includes {header}: its layer may not reach that folder")
    if found:
        return 1
    print("layers hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
