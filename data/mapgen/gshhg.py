"""Shorelines of GSHHG's binned netCDF files (Debian's gmt-gshhg-*), joined
back into polygons.

The binned files cut every shoreline polygon at the edges of square bins and
keep each piece (a segment) in its bin, in 16-bit steps from the bin's
south-west corner. A polygon's segments meet end to end where it crosses from
one bin into the next, so joining segments of one polygon whose ends meet
gives the polygon back; the few pieces that still do not close (where a
shoreline runs along a bin edge) are kept as open lines.
"""

from dataclasses import dataclass, field

import netCDF4
import numpy

STEPS = 65535  # 16-bit steps across a bin

# Shoreline levels: 1 land, 2 lake, 3 island in a lake, 4 pond; the
# Antarctic lines carry levels of their own, taken here as land. GSHHG gives
# Antarctica twice: along its ice front as land, and along its grounding
# line (where the ice sheet leaves the bedrock) at level 6.
LAND = 1
ANTARCTIC_LEVELS = (5, 6)
GROUNDING_LINE = 6


@dataclass
class Polygon:
    id: int
    level: int
    points: list = field(default_factory=list)  # (lon, lat) in micro-degrees, lon 0..360
    area: float = 0.0  # km^2 as GSHHG gives it
    source_level: int = LAND  # the level as the file gives it

    @property
    def closed(self):
        return len(self.points) > 2 and self.points[0] == self.points[-1]


def read(path):
    """The polygons of a binned file, in the order of their GSHHG ids."""
    data = netCDF4.Dataset(path)

    def var(name):
        return numpy.asarray(data.variables[name][:])

    bin_minutes = int(var("Bin_size_in_minutes")[0])
    bins_x = int(var("N_bins_in_360_longitude_range")[0])
    first_segment = var("Id_of_first_segment_in_a_bin").astype(numpy.int64)
    segments_in_bin = var("N_segments_in_a_bin").astype(numpy.int64)
    info = var("Embedded_npts_levels_exit_entry_for_a_segment").astype(numpy.int64)
    first_point = var("Id_of_first_point_in_a_segment").astype(numpy.int64)
    polygon_of = var("Id_of_GSHHS_ID").astype(numpy.int64)
    dx = var("Relative_longitude_from_SW_corner_of_bin").astype(numpy.int64) & 0xFFFF
    dy = var("Relative_latitude_from_SW_corner_of_bin").astype(numpy.int64) & 0xFFFF
    areas = var("The_km_squared_area_of_polygons")
    bins_y = 180 * 60 // bin_minutes

    # Segments of each polygon, in whole steps from the south-west corner of
    # the globe, so that ends on shared bin edges are equal numbers.
    pieces = {}
    levels = {}
    source_levels = {}
    for b in range(len(first_segment)):
        column, row = b % bins_x, bins_y - 1 - b // bins_x
        for s in range(first_segment[b], first_segment[b] + segments_in_bin[b]):
            n = int(info[s] >> 9)
            level = int((info[s] >> 6) & 7)
            p = first_point[s]
            # The meridian 0 is the west edge of the first bins and the east
            # edge of the last: both ends are taken as the west edge.
            xs = (column * STEPS + dx[p:p + n]) % (bins_x * STEPS)
            ys = row * STEPS + dy[p:p + n]
            pid = int(polygon_of[s])
            pieces.setdefault(pid, []).append(list(zip(xs.tolist(), ys.tolist())))
            levels[pid] = LAND if level in ANTARCTIC_LEVELS else level
            source_levels[pid] = level

    scale = bin_minutes * 1_000_000 // 60  # micro-degrees per bin
    polygons = []
    for pid in sorted(pieces):
        for line in _join(pieces[pid]):
            points = [(x * scale // STEPS, y * scale // STEPS - 90_000_000) for x, y in line]
            polygons.append(
                Polygon(pid, levels[pid], points, float(areas[pid]), source_levels[pid]))
    return polygons


def _join(segments):
    """Lines made of segments whose ends meet: each line starts at a segment
    that no other one leads into (or anywhere on a closed ring)."""
    starts = {}
    ends = set()
    for i, s in enumerate(segments):
        starts.setdefault(s[0], []).append(i)
        ends.add(s[-1])
    used = [False] * len(segments)
    lines = []
    heads = [i for i, s in enumerate(segments) if s[0] not in ends]
    for i in heads + list(range(len(segments))):
        if used[i]:
            continue
        used[i] = True
        line = list(segments[i])
        while line[-1] != line[0]:
            following = [j for j in starts.get(line[-1], []) if not used[j]]
            if not following:
                break
            used[following[0]] = True
            line.extend(segments[following[0]][1:])
        lines.append(line)
    return lines
