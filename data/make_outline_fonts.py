#!/usr/bin/python3
"""Makes the glyph tables of the outline fonts helve, helves and serif.

Sources: the Liberation fonts of Debian's fonts-liberation (see NOTICE), read
with FreeType (Debian's python3-freetype). Each glyph's contours are
flattened to polygons on a grid of 200 units per capital height, with x from
the glyph's left edge. Writes kernel/fontdata/<font>.cpp below the output
folder (the repository by default). Exits with status 77 when a source is
missing.

    /usr/bin/python3 data/make_outline_fonts.py [--out-dir DIR]
"""
import argparse
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from fontgen import codes, cpp  # noqa: E402
from fontgen.glyphs import Glyph, IndexTable, Part, PointTable  # noqa: E402

GENERATOR = 'data/make_outline_fonts.py'
OUT = 'kernel/fontdata'
LIBERATION = '/usr/share/fonts/truetype/liberation'
FONTS = [  # file name, C++ name, source font
    ('helve', 'helveStan', 'LiberationSans-Regular.ttf'),
    ('helves', 'helvesStan', 'LiberationSans-Bold.ttf'),
    ('serif', 'serifStan', 'LiberationSerif-Regular.ttf'),
]
UNITS = 200           # glyph units per capital height
LAST_CODE = 163       # the standard alphabet holds 132 characters
CONTOUR_BUFFER = 200  # points the text engine collects for one outline glyph
OUTLINE_OFFSET_SCALE = 2.0


def nearest(v):
    return int(math.floor(v + 0.5))


def flatten(face, char, tolerance):
    """Closed polygons of a glyph in font units; curves cut into pieces whose
    middle strays from the chord by at most tolerance."""
    import freetype
    face.load_char(char, freetype.FT_LOAD_NO_SCALE | freetype.FT_LOAD_NO_HINTING)
    contours = []

    def move_to(a, ctx):
        contours.append([(a.x, a.y)])

    def line_to(a, ctx):
        contours[-1].append((a.x, a.y))

    def conic_to(c, a, ctx):
        x0, y0 = contours[-1][-1]
        # The middle of a quadratic curve is a quarter of the control point's
        # distance from the chord.
        dev = math.hypot(c.x - (x0 + a.x) / 2, c.y - (y0 + a.y) / 2) / 2
        n = max(1, math.ceil(math.sqrt(dev / tolerance)))
        for i in range(1, n + 1):
            t = i / n
            u = 1 - t
            contours[-1].append((u * u * x0 + 2 * u * t * c.x + t * t * a.x,
                                 u * u * y0 + 2 * u * t * c.y + t * t * a.y))

    def cubic_to(c1, c2, a, ctx):
        raise ValueError('%r: cubic curves are not expected in a TrueType font' % char)

    face.glyph.outline.decompose(None, move_to=move_to, line_to=line_to, conic_to=conic_to,
                                 cubic_to=cubic_to)
    return contours


def glyph_strokes(face, char, scale):
    """The glyph's contours on the unit grid, closed, within the contour buffer."""
    tolerance = 0.5 / scale  # half a grid unit
    while True:
        strokes = []
        for contour in flatten(face, char, tolerance):
            points = []
            for x, y in contour + [contour[0]]:
                p = (nearest(x * scale), nearest(y * scale))
                if not points or p != points[-1]:
                    points.append(p)
            if len(points) > 2:
                strokes.append(points)
        # The text engine appends the first point of the outline again after
        # every contour but the first.
        if sum(len(s) for s in strokes) + len(strokes) - 1 <= CONTOUR_BUFFER:
            return strokes
        tolerance *= 1.5


def build_font(path):
    import freetype
    face = freetype.Face(path)
    face.load_char('H', freetype.FT_LOAD_NO_SCALE | freetype.FT_LOAD_NO_HINTING)
    scale = UNITS / face.glyph.outline.get_bbox().yMax
    points = PointTable(packed=False)
    index = IndexTable(points, OUTLINE_OFFSET_SCALE)
    for code in range(33, LAST_CODE + 1):
        char = codes.char_of(code)
        strokes = glyph_strokes(face, char, scale)
        left = min(x for s in strokes for x, _ in s)
        index.add(Glyph.of(Part(char, [[(x - left, y) for x, y in s] for s in strokes])))
    return points, index


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out-dir', default=os.path.dirname(HERE))
    args = parser.parse_args()
    try:
        import freetype  # noqa: F401
    except ImportError:
        print('make_outline_fonts: FreeType for Python is missing (Debian package python3-freetype)')
        return 77
    for _, _, source in FONTS:
        if not os.path.exists(os.path.join(LIBERATION, source)):
            print('make_outline_fonts: %s is missing (Debian package fonts-liberation)' % source)
            return 77
    out = os.path.join(args.out_dir, OUT)
    os.makedirs(out, exist_ok=True)
    for name, cname, source in FONTS:
        points, index = build_font(os.path.join(LIBERATION, source))
        text = cpp.tables_source(GENERATOR, 'the Liberation font ' + source, (points, [(cname, index)]))
        with open(os.path.join(out, name + '.cpp'), 'w', encoding='ascii', newline='\n') as f:
            f.write(text)
    return 0


if __name__ == '__main__':
    sys.exit(main())
