# Reader of the Hershey fonts in James Hurt's format (.jhf files of Debian's
# hershey-fonts-data).
#
# A glyph is: a 5-character number, a 3-character vertex count (the left and
# right bound count as one vertex), then that many pairs of characters. Each
# character codes a coordinate as its distance from "R"; the pair " R" lifts the
# pen. Hershey's y runs downwards; capitals stand on y = 9 and reach y = -12.
import os

HERSHEY_DIR = '/usr/share/hershey-fonts'
BASELINE = 9


def jhf_path(name):
    return os.path.join(HERSHEY_DIR, name + '.jhf')


def read_jhf(name):
    """Strokes of every glyph of a .jhf file, in file order (ASCII 32 first).

    Each glyph is a list of strokes; a stroke is a list of (x, y) points with y
    upwards from the baseline. x keeps Hershey's origin (the glyph's middle)."""
    glyphs = []
    pending = ''
    with open(jhf_path(name), encoding='ascii') as f:
        for line in f:
            pending += line.rstrip('\r\n')
            count = int(pending[5:8])
            if len(pending) < 8 + 2 * count:
                continue  # the glyph goes on in the next line
            glyphs.append(_parse(pending[8:8 + 2 * count]))
            pending = ''
    return glyphs


def _parse(pairs):
    strokes, stroke = [], []
    for i in range(2, len(pairs), 2):  # the first pair holds the bounds
        if pairs[i:i + 2] == ' R':
            if stroke:
                strokes.append(stroke)
            stroke = []
            continue
        x = ord(pairs[i]) - ord('R')
        y = ord(pairs[i + 1]) - ord('R')
        stroke.append((x, BASELINE - y))
    if stroke:
        strokes.append(stroke)
    return strokes


class JhfFont:
    """One .jhf file: glyph strokes by ASCII character."""

    def __init__(self, name):
        self.name = name
        self.glyphs = read_jhf(name)

    def strokes(self, char):
        return self.glyphs[ord(char) - 32]
