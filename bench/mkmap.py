#!/usr/bin/python3
"""Writes the input of the map workload W7 for the peers: the coastlines of a GSHHS shoreline file
(the intermediate file `gshhs_i.b` that the build makes) as the lines Kavlor's `world` draws from
it: every polygon, every level, longitudes above 180 reduced by 360, a polygon broken where the
longitude jumps by more than 15 degrees.

    mkmap.py GSHHS_FILE DATA_DIR

DATA_DIR receives
- `coast_i.shp`, `coast_i.shx`: the lines as an ESRI shapefile of polylines, one record per line
  (what PLplot's `plmap` reads);
- `coast_i.bin`: the same points as little-endian float64 pairs (longitude, latitude), each line
  followed by a pair of NaN (what matplotlib draws as separate lines with one `plot`)."""
import os
import struct
import sys

import numpy as np

JUMP = 15.0  # degrees of longitude that break a line


def polygons(path):
    """(level, longitudes, latitudes) of every polygon of a GSHHS version 1 file."""
    data = open(path, "rb").read()
    at = 0
    while at + 36 <= len(data):
        n, level = struct.unpack_from(">ii", data, at + 4)
        at += 36
        points = np.frombuffer(data, dtype=">i4", count=2 * n, offset=at).reshape(-1, 2)
        at += 8 * n
        lon = points[:, 0] * 1.0e-6
        lon = np.where(lon > 180.0, lon - 360.0, lon)
        yield level, lon, points[:, 1] * 1.0e-6


def lines(path):
    """The polylines drawn: each polygon cut where its longitude jumps."""
    for _, lon, lat in polygons(path):
        cuts = np.nonzero(np.abs(np.diff(lon)) > JUMP)[0] + 1
        for a, b in zip(np.concatenate(([0], cuts)), np.concatenate((cuts, [len(lon)]))):
            if b - a >= 2:
                yield lon[a:b], lat[a:b]


def write_shapefile(stem, parts):
    """A shapefile of polylines (type 3): the main file and its index."""
    records, index, offset = [], [], 50  # offsets and lengths in 16-bit words
    box = [180.0, 90.0, -180.0, -90.0]
    for number, (lon, lat) in enumerate(parts, 1):
        lo = [float(lon.min()), float(lat.min()), float(lon.max()), float(lat.max())]
        box = [min(box[0], lo[0]), min(box[1], lo[1]), max(box[2], lo[2]), max(box[3], lo[3])]
        xy = np.empty((len(lon), 2), dtype="<f8")
        xy[:, 0], xy[:, 1] = lon, lat
        content = struct.pack("<i4d2ii", 3, *lo, 1, len(lon), 0) + xy.tobytes()
        records.append(struct.pack(">2i", number, len(content) // 2) + content)
        index.append(struct.pack(">2i", offset, len(content) // 2))
        offset += 4 + len(content) // 2

    def header(words):
        return (struct.pack(">7i", 9994, 0, 0, 0, 0, 0, words) + struct.pack("<2i", 1000, 3) +
                struct.pack("<8d", *box, 0, 0, 0, 0))

    with open(stem + ".shp", "wb") as f:
        f.write(header(offset))
        f.writelines(records)
    with open(stem + ".shx", "wb") as f:
        f.write(header(50 + 4 * len(index)))
        f.writelines(index)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    parts = list(lines(source))
    write_shapefile(os.path.join(folder, "coast_i"), parts)
    nan = np.array([[np.nan, np.nan]])
    pairs = [np.concatenate((np.column_stack((lon, lat)), nan)) for lon, lat in parts]
    np.concatenate(pairs).astype("<f8").tofile(os.path.join(folder, "coast_i.bin"))
    points = sum(len(lon) for lon, _ in parts)
    print(f"{len(parts)} lines, {points} points from {source}")


if __name__ == "__main__":
    main()
