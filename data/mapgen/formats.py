"""The library's two map file formats."""

import struct

END = -9000
PAD = -1000
NEW_AREA = -1  # any negative value but the two above starts an area
BLOCK = 20  # the library reads these files 20 integers at a time


def map_data(areas):
    """A map data file of (area number, ring) pairs in the order given:
    32-bit little-endian integers, coordinates in thousandths of a degree
    from (-180, -90), longitude and latitude alternating. Each ring opens
    with its area's number (times 1000, in a longitude's place) and the
    marker of a new area; the file ends with END, padded to whole blocks."""
    values = []
    for number, ring in areas:
        values += [number * 1000, NEW_AREA]
        for lon, lat in ring:
            values += [_thousandths(lon + 180.0), _thousandths(lat + 90.0)]
    values.append(END)
    values += [PAD] * (-len(values) % BLOCK)
    return struct.pack("<%di" % len(values), *values)


def _thousandths(v):
    return max(0, int(round(v * 1000)))


def gshhs(polygons):
    """A shoreline file in the published GSHHS version 1 layout: per polygon
    eight big-endian 32-bit words (id, points, level, west, east, south,
    north, area in tenths of km^2) and two 16-bit words (crosses Greenwich,
    source), then its points as longitude (0..360) and latitude in
    micro-degrees."""
    out = bytearray()
    for p in polygons:
        lons = [x for x, _ in p.points]
        lats = [y for _, y in p.points]
        greenwich = 1 if max(lons) - min(lons) > 180_000_000 else 0
        out += struct.pack(">8i2h", p.id, len(p.points), p.level, min(lons), max(lons), min(lats),
                           max(lats), min(int(p.area * 10), 2**31 - 1), greenwich, 0)
        out += struct.pack(">%di" % (2 * len(p.points)), *[v for xy in p.points for v in xy])
    return bytes(out)
