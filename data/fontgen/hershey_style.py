# A Hershey font as a style for composing letters: its ASCII glyphs, accents
# drawn to its proportions (capitals 21 units high) and its own dots.
from fontgen.glyphs import Glyph, Part, aligned_left
from fontgen.jhf import JhfFont

# Accents around their attachment point: x = 0 in the middle, y = 0 at the
# bottom (for the accents below: at the top, where they meet the letter).
ACCENT_STROKES = {
    'acute': [[(-1, 0), (2, 4)]],
    'grave': [[(1, 0), (-2, 4)]],
    'circumflex': [[(-3, 0), (0, 3), (3, 0)]],
    'caron': [[(-3, 3), (0, 0), (3, 3)]],
    'tilde': [[(-4, 0), (-3, 1), (-1, 1), (1, 0), (3, 0), (4, 1)]],
    'breve': [[(-3, 3), (-2, 1), (0, 0), (2, 1), (3, 3)]],
    'ring': [[(-1, 0), (1, 0), (2, 1), (2, 3), (1, 4), (-1, 4), (-2, 3), (-2, 1), (-1, 0)]],
    'doubleacute': [[(-3, 0), (-1, 4)], [(1, 0), (3, 4)]],
    'cedilla': [[(0, 0), (0, -2), (2, -3), (2, -4), (0, -5), (-2, -5)]],
    'ogonek': [[(0, 0), (-2, -2), (-2, -4), (-1, -5), (1, -5)]],
}


class HersheyStyle:
    cap = 21
    align_left = True
    gap = 2
    bar = 3
    ogonek_inset = 1
    ligature_overlap = 5

    def __init__(self, key, source, sharp_s_source):
        """source: the .jhf name of the letters; sharp_s_source: (.jhf name, ASCII
        position) of a Greek beta that stands in for the German sharp s."""
        self.key = key
        self.font = JhfFont(source)
        self.sharp = (JhfFont(sharp_s_source[0]), sharp_s_source[1])
        self._letters = {}
        self.xheight = self.letter('x').bbox()[3]

    def letter(self, ch):
        if ch not in self._letters:
            self._letters[ch] = Glyph.of(aligned_left((self.key, ch), self.font.strokes(ch)))
        return self._letters[ch]

    def apostrophe(self):
        return self.letter("'")

    def own(self, char):
        if char != 'ß':
            return None
        font, ch = self.sharp
        return Glyph.of(aligned_left((self.key, 'sharp s'), font.strokes(ch)))

    def accent(self, name):
        if name in ('dot', 'diaeresis'):
            dot = self.letter('.')
            x0, y0, x1, y1 = dot.bbox()
            part = dot.components[0][0]
            centre = -(x0 + x1) / 2
            if name == 'dot':
                return [(part, centre, -y0)]
            return [(part, centre - 3, -y0), (part, centre + 3, -y0)]
        return [(Part((self.key, name), ACCENT_STROKES[name]), 0, 0)]
