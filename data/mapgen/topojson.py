"""Polygons of a TopoJSON geometry collection (the Natural Earth and Census
files of the npm packages world-atlas and us-atlas)."""

import json


def read(path, collection):
    """{name: [ring, ...]} of the collection: each ring a list of (lon, lat)
    in degrees; a polygon's holes are joined into its outer ring (below)."""
    topology = json.load(open(path, encoding="utf-8"))
    sx, sy = topology["transform"]["scale"]
    tx, ty = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))
        arcs.append(points)

    def ring(indices):
        points = []
        for i in indices:
            arc = arcs[i] if i >= 0 else arcs[~i][::-1]
            points.extend(arc if not points else arc[1:])
        return points

    shapes = {}
    for geometry in topology["objects"][collection]["geometries"]:
        kind = geometry.get("type")
        if kind == "Polygon":
            polygons = [geometry["arcs"]]
        elif kind == "MultiPolygon":
            polygons = geometry["arcs"]
        else:
            continue
        rings = []
        for polygon in polygons:
            outer, *holes = [ring(r) for r in polygon]
            for hole in holes:
                outer = _keyhole(outer, hole)
            rings.append(outer)
        shapes[geometry["properties"]["name"]] = rings
    return shapes


def _keyhole(outer, hole):
    """The outer ring with the hole cut out through a slit of no width from
    the nearest pair of their points, so that one polygon fills around it."""
    best = None
    for i, (ox, oy) in enumerate(outer):
        for j, (hx, hy) in enumerate(hole):
            d = (ox - hx) ** 2 + (oy - hy) ** 2
            if best is None or d < best[0]:
                best = (d, i, j)
    _, i, j = best
    ring = hole[:-1] if hole[0] == hole[-1] else hole
    return outer[:i + 1] + ring[j:] + ring[:j] + [ring[j]] + outer[i:]
