# The glyph model of the generators: a glyph is a list of parts, each placed
# with an offset. A part is a set of strokes that the point table stores once;
# a glyph that reuses a part (an accented letter reuses its base letter and its
# accent) only adds index entries.
#
# Coordinates are glyph units: y upwards from the baseline, x from the left
# edge of the character.


class Part:
    """Strokes stored once in a point table, under a key unique in that table."""

    def __init__(self, key, strokes):
        self.key = key
        # A stroke of one point would only move the pen: it is left out.
        self.strokes = [list(s) for s in strokes if len(s) > 1]

    def points(self):
        return [p for s in self.strokes for p in s]

    def transformed(self, key, fn):
        return Part(key, [[fn(x, y) for x, y in s] for s in self.strokes])


def aligned_left(key, strokes):
    """A part shifted so that its leftmost point lies on x = 0."""
    part = Part(key, strokes)
    pts = part.points()
    if not pts:
        return part
    left = min(x for x, _ in pts)
    return part.transformed(key, lambda x, y: (x - left, y))


class Glyph:
    """What one character record draws: parts, each with an offset (dx, dy)."""

    def __init__(self, components):
        self.components = list(components)

    @staticmethod
    def of(part):
        return Glyph([(part, 0, 0)])

    def points(self):
        return [(x + dx, y + dy) for part, dx, dy in self.components for x, y in part.points()]

    def bbox(self):
        pts = self.points()
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        return min(xs), min(ys), max(xs), max(ys)

    def stroke_count(self):
        return sum(len(part.strokes) for part, _, _ in self.components)

    def plus(self, part, dx, dy):
        return Glyph(self.components + [(part, dx, dy)])

    def shifted(self, dx, dy):
        return Glyph([(p, x + dx, y + dy) for p, x, y in self.components])

    def left_aligned(self):
        """The same glyph moved so that its leftmost point lies on x = 0."""
        left = self.bbox()[0]
        return self.shifted(-left, 0) if left != 0 else self


def pack(low, high):
    """A 16-bit word of two signed bytes, low byte first, as a signed value."""
    for v in (low, high):
        if not -128 <= v <= 127:
            raise ValueError('%d does not fit into a signed byte' % v)
    word = ((high & 0xFF) << 8) | (low & 0xFF)
    return word - 0x10000 if word >= 0x8000 else word


class PointTable:
    """The point table of an alphabet: packed words or separate x and y."""

    def __init__(self, packed):
        self.packed = packed
        self.points = []
        self.runs = {}  # part key -> [(start, count)], start 1-based

    def store(self, part):
        if part.key not in self.runs:
            runs = []
            for stroke in part.strokes:
                runs.append((len(self.points) + 1, len(stroke)))
                self.points.extend(stroke)
            self.runs[part.key] = runs
        return self.runs[part.key]

    def words(self):
        if not self.packed:
            raise ValueError('separate tables have no packed words')
        return [pack(x, y) for x, y in self.points]

    def xs(self):
        return [x for x, _ in self.points]

    def ys(self):
        return [y for _, y in self.points]


class IndexTable:
    """Character records for indices 2, 3, ...: [length, groups...].

    A group is [count, start], or [-count, start, offset] with the offset a
    packed word of dx and dy in units of 1 / offset_scale glyph units."""

    def __init__(self, points, offset_scale):
        self.points = points
        self.offset_scale = offset_scale
        self.entries = []
        self.records = 0

    def add(self, glyph):
        groups = []
        for part, dx, dy in glyph.components:
            runs = self.points.store(part)
            if dx == 0 and dy == 0:
                for start, count in runs:
                    groups += [count, start]
                continue
            wx, wy = dx / self.offset_scale, dy / self.offset_scale
            if wx != int(wx) or wy != int(wy):
                raise ValueError('offset (%s, %s) is not a multiple of %s' % (dx, dy, self.offset_scale))
            word = pack(int(wx), int(wy))
            for start, count in runs:
                groups += [-count, start, word]
        self.entries += [1 + len(groups)] + groups
        self.records += 1
