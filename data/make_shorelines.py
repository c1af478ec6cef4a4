#!/usr/bin/python3
"""Makes the shoreline files gshhs_l.b and gshhs_i.b (and, when asked, gshhs_h.b
and gshhs_f.b) that mapbas GSHL .. GSHF draws, from GSHHG's binned files in
Debian's gmt-gshhg-low (gmt-gshhg-high, gmt-gshhg-full for h and f).

    make_shorelines.py --out-dir DIR [--resolutions li]

writes DIR/map/gshhs_<r>.b. Exits 77 when a source file is missing.
"""

import argparse
import os
import pathlib
import sys

GSHHG = pathlib.Path("/usr/share/gmt-gshhg")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out-dir", default=".")
    parser.add_argument("--resolutions", default="li")
    args = parser.parse_args()
    sources = {r: GSHHG / f"binned_GSHHS_{r}.nc" for r in args.resolutions}
    missing = [str(s) for s in sources.values() if not s.exists()]
    try:
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        from mapgen import formats, gshhg
    except ImportError as e:
        missing.append(f"python3-netcdf4 ({e})")
    if missing:
        print("missing: " + ", ".join(missing), file=sys.stderr)
        return 77
    folder = pathlib.Path(args.out_dir) / "map"
    folder.mkdir(parents=True, exist_ok=True)
    for r, source in sources.items():
        (folder / f"gshhs_{r}.b").write_bytes(formats.gshhs(gshhg.read(source)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
