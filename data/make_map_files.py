#!/usr/bin/python3
"""Makes the library's map data files data/map/map1.dat .. map4.dat:

- map1.dat, the world by continents and lakes, from GSHHG's crude shorelines
  (Debian's gmt-gshhg-low): area 1 Antarctica, 2 Africa, 3 Europe's islands,
  4 Australia and Oceania, 5 Eurasia, 6 North America, 7 South America,
  8 lakes;
- map2.dat, Europe, and map4.dat, Africa, by country, from Natural Earth's
  1:50m countries (npm package world-atlas 2.0.2);
- map3.dat, the United States by state, from the Census Bureau's state
  boundaries (npm package us-atlas 3.0.1).

    make_map_files.py [--out-dir DIR] [--npm NODE_MODULES]

The npm packages are looked for in NODE_MODULES (default: the environment's
KAVLOR_NPM_MODULES, else build/npm/node_modules). Exits 77 when a source is
missing.
"""

import argparse
import os
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
CRUDE = pathlib.Path("/usr/share/gmt-gshhg/binned_GSHHS_c.nc")

# Europe: the countries of 1990 take 1..32 in alphabetical order; the three
# that have since split (15 the Soviet Union, 29 Czechoslovakia, 31
# Yugoslavia) keep their number, for Russia in the first and for nothing in
# the others, and their successors take 33..46, which the shading routine
# matches under the old number too.
EUROPE = {
    1: "Albania", 2: "Andorra", 3: "Austria", 4: "Belgium", 5: "Bulgaria", 6: "Cyprus",
    7: "Denmark", 8: "Finland", 9: "France", 10: "Germany", 11: "Greece", 12: "Hungary",
    13: "Iceland", 14: "Ireland", 15: "Russia", 16: "Italy", 17: "Liechtenstein",
    18: "Luxembourg", 19: "Malta", 20: "Moldova", 21: "Netherlands", 22: "Norway",
    23: "Poland", 24: "Portugal", 25: "Romania", 26: "Spain", 27: "Sweden", 28: "Switzerland",
    30: "Turkey", 32: "United Kingdom",
    33: "Bosnia and Herz.", 34: "Belarus", 35: "Estonia", 36: "Czechia", 37: "Croatia",
    38: "Kosovo", 39: "Macedonia", 40: "Latvia", 41: "Montenegro", 42: "Serbia",
    43: "Lithuania", 44: "Slovakia", 45: "Ukraine", 46: "Slovenia",
}

# Africa: 52 countries in alphabetical order (the island states of the open
# ocean are left out).
AFRICA = [
    "Algeria", "Angola", "Benin", "Botswana", "Burkina Faso", "Burundi", "Cameroon",
    "Central African Rep.", "Chad", "Congo", "Côte d'Ivoire", "Dem. Rep. Congo", "Djibouti",
    "Egypt", "Eq. Guinea", "Eritrea", "eSwatini", "Ethiopia", "Gabon", "Gambia", "Ghana",
    "Guinea", "Guinea-Bissau", "Kenya", "Lesotho", "Liberia", "Libya", "Madagascar", "Malawi",
    "Mali", "Mauritania", "Morocco", "Mozambique", "Namibia", "Niger", "Nigeria", "Rwanda",
    "S. Sudan", "São Tomé and Principe", "Senegal", "Sierra Leone", "Somalia", "Somaliland",
    "South Africa", "Sudan", "Tanzania", "Togo", "Tunisia", "Uganda", "W. Sahara", "Zambia",
    "Zimbabwe",
]

# The United States: the 50 states and the District of Columbia, 1..51 in
# alphabetical order.
USA = [
    "Alabama", "Alaska", "Arizona", "Arkansas", "California", "Colorado", "Connecticut",
    "Delaware", "District of Columbia", "Florida", "Georgia", "Hawaii", "Idaho", "Illinois",
    "Indiana", "Iowa", "Kansas", "Kentucky", "Louisiana", "Maine", "Maryland", "Massachusetts",
    "Michigan", "Minnesota", "Mississippi", "Missouri", "Montana", "Nebraska", "Nevada",
    "New Hampshire", "New Jersey", "New Mexico", "New York", "North Carolina", "North Dakota",
    "Ohio", "Oklahoma", "Oregon", "Pennsylvania", "Rhode Island", "South Carolina",
    "South Dakota", "Tennessee", "Texas", "Utah", "Vermont", "Virginia", "Washington",
    "West Virginia", "Wisconsin", "Wyoming",
]

# GSHHG's ids of the continents (4 is Antarctica's ice front, 6 Australia),
# and the areas of map1.dat.
CONTINENT_OF_ID = {0: 5, 1: 2, 2: 6, 3: 7, 4: 1, 6: 4}
LAKES = 8


def continent(lon, lat):
    """The area of an island of map1.dat by where its middle lies."""
    if lat < -60:
        return 1
    if lon < -30:
        return 6 if lat > 13 or lon < -120 and lat > 0 else (4 if lon < -120 else 7)
    if lon > 110 and lat < -10 or lon > 140 and lat < 0:
        return 4
    if -30 <= lon <= 52 and lat < 37.5 and not (lon > 33 and lat > 12):
        return 2
    if -30 <= lon <= 45 and lat >= 34:
        return 3
    return 5


def unwrapped(points):
    """Longitudes in degrees that run on without a jump at the date line."""
    ring = []
    for x, y in points:
        lon = x / 1e6
        if ring:
            lon += 360.0 * round((ring[-1][0] - lon) / 360.0)
        ring.append((lon, y / 1e6))
    return ring


def placed(ring):
    """The ring shifted by whole turns so that most of it lies within
    -180..180 (a part beyond the date line is left out of such maps)."""
    def inside(shift):
        return sum(-180.0 <= lon + shift <= 180.0 for lon, _ in ring)
    shift = max((0.0, -360.0, 360.0, -720.0), key=inside)
    return [(lon + shift, lat) for lon, lat in ring]


def round_the_pole(points):
    """Antarctica from 180 degrees westwards round to -180, closed over the
    south pole by two points at the end (which the outline of the continent
    leaves out). A point on the date line starts the ring at 180 degrees."""
    ring = [(x / 1e6 - 360.0 if x > 180_000_000 else x / 1e6, y / 1e6) for x, y in points[:-1]]
    start = next(i for i in range(len(ring)) if abs(ring[i][0] - ring[i - 1][0]) > 180.0)
    ring = unwrapped([(round(lon * 1e6), round(lat * 1e6)) for lon, lat in ring[start:] + ring[:start]])
    ring = placed(ring)
    return ring + [(ring[-1][0], -90.0), (ring[0][0], -90.0)]


def world():
    from mapgen import gshhg

    areas = []
    for p in gshhg.read(CRUDE):
        # Antarctica's coast on the map is its ice front; the second outline,
        # along the grounding line, and its islands are left out.
        if p.level not in (1, 2) or p.source_level == gshhg.GROUNDING_LINE:
            continue
        ring = placed(unwrapped(p.points))
        if p.level == 2:
            number = LAKES
        elif p.id in CONTINENT_OF_ID:
            number = CONTINENT_OF_ID[p.id]
        else:
            lons = [x for x, _ in ring]
            lats = [y for _, y in ring]
            number = continent((min(lons) + max(lons)) / 2, (min(lats) + max(lats)) / 2)
        if abs(ring[-1][0] - ring[0][0]) > 180.0:
            ring = round_the_pole(p.points)
        areas.append((number, ring))
    # The reading of one area stops at the first higher number.
    return sorted(areas, key=lambda a: a[0])


def by_name(shapes, numbered):
    areas = []
    for number, name in sorted(numbered.items()):
        if name not in shapes:
            raise SystemExit(f"make_map_files.py: no shape named {name!r}")
        areas += [(number, ring) for ring in shapes[name]]
    return areas


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out-dir", default=str(HERE.parent))
    default_npm = os.environ.get("KAVLOR_NPM_MODULES", str(HERE.parent / "build/npm/node_modules"))
    parser.add_argument("--npm", default=default_npm)
    args = parser.parse_args()
    npm = pathlib.Path(args.npm)
    countries = npm / "world-atlas/countries-50m.json"
    states = npm / "us-atlas/states-10m.json"
    missing = [str(p) for p in (CRUDE, countries, states) if not p.exists()]
    try:
        sys.path.insert(0, str(HERE))
        from mapgen import formats, topojson
        import mapgen.gshhg  # noqa: F401  (needs python3-netcdf4)
    except ImportError as e:
        missing.append(f"python3-netcdf4 ({e})")
    if missing:
        print("missing: " + ", ".join(missing), file=sys.stderr)
        return 77

    world_shapes = topojson.read(countries, "countries")
    us_shapes = topojson.read(states, "states")
    files = {
        "map1.dat": world(),
        "map2.dat": by_name(world_shapes, EUROPE),
        "map3.dat": by_name(us_shapes, dict(enumerate(USA, 1))),
        "map4.dat": by_name(world_shapes, dict(enumerate(AFRICA, 1))),
    }
    folder = pathlib.Path(args.out_dir) / "data/map"
    folder.mkdir(parents=True, exist_ok=True)
    for name, areas in files.items():
        (folder / name).write_bytes(formats.map_data(areas))
    return 0


if __name__ == "__main__":
    sys.exit(main())
