# Accented and national letters made from a font's own letters: a base letter
# plus an accent placed with an offset, or a letter changed by a small rule
# (a stroke through it, a dot taken away, turned upside down).
import unicodedata

from fontgen.glyphs import Glyph, Part

# Combining marks of Unicode decompositions and the accents that draw them.
MARKS = {
    '\u0300': 'grave', '\u0301': 'acute', '\u0302': 'circumflex', '\u0303': 'tilde',
    '\u0306': 'breve', '\u0307': 'dot', '\u0308': 'diaeresis', '\u030a': 'ring',
    '\u030b': 'doubleacute', '\u030c': 'caron', '\u0327': 'cedilla', '\u0328': 'ogonek',
}
BELOW = {'cedilla', 'ogonek'}
# Letters whose caron is written as an apostrophe beside the stem.
APOSTROPHE_CARON = set('Ľľďť')


def snap(v):
    """Offsets are kept in half units."""
    return round(v * 2) / 2


def _top_centre(glyph):
    """x of the middle of the glyph's upper part, where an accent above sits."""
    x0, y0, x1, y1 = glyph.bbox()
    limit = y0 + 0.6 * (y1 - y0)
    xs = [x for x, y in glyph.points() if y >= limit]
    return (min(xs) + max(xs)) / 2


def _bottom_points(glyph):
    x0, y0, x1, y1 = glyph.bbox()
    limit = max(0, y0) + 0.25 * (y1 - max(0, y0))
    return [x for x, y in glyph.points() if y <= limit]


def stem_x(glyph):
    """x of the leftmost vertical segment that spans at least half the height."""
    x0, y0, x1, y1 = glyph.bbox()
    best = None
    for part, dx, dy in glyph.components:
        for s in part.strokes:
            for (ax, ay), (bx, by) in zip(s, s[1:]):
                if ax == bx and abs(ay - by) >= 0.5 * (y1 - y0):
                    best = ax + dx if best is None else min(best, ax + dx)
    return best if best is not None else x0


class Composer:
    """Builds the letters 127..262 of one font from its style.

    The style gives: letter(ch) -> Glyph of an ASCII letter, accent(name) ->
    [(Part, dx, dy)] drawn around the attachment point (x = 0; y = 0 at the
    accent's bottom, or for accents below at their top), gap (space between a
    letter and an accent above it), xheight, cap, own(char) -> a glyph the style
    draws itself or None, align_left (whether glyphs start at x = 0) and a key
    for part names."""

    def __init__(self, style):
        self.style = style

    def finish(self, glyph):
        return glyph.left_aligned() if self.style.align_left else glyph

    def glyph(self, char):
        s = self.style
        own = s.own(char)
        if own is not None:
            return own
        if char in APOSTROPHE_CARON:
            return self.apostrophe_caron(s.letter(unicodedata.normalize('NFD', char)[0]))
        special = {
            'Ø': lambda: self.slashed('O'), 'ø': lambda: self.slashed('o'),
            'Æ': lambda: self.ligature('A', 'E'), 'æ': lambda: self.ligature('a', 'e'),
            'Ð': lambda: self.barred_stem('D', 0.5), 'Ħ': lambda: self.barred_across('H'),
            'ħ': lambda: self.barred_stem('h', 0.8), 'Ł': lambda: self.stroked('L'),
            'ł': lambda: self.stroked('l'), 'ı': lambda: self.dotless('i'),
            '¡': lambda: self.inverted('!'), '¿': lambda: self.inverted('?'),
            'Þ': self.thorn, 'þ': self.thorn_small, 'ð': self.eth,
        }
        if char in special:
            return special[char]()
        base, *marks = unicodedata.normalize('NFD', char)
        if len(marks) != 1 or marks[0] not in MARKS:
            raise ValueError('no rule for %r' % char)
        accent = MARKS[marks[0]]
        letter = self.dotless(base) if base in 'ij' and accent not in BELOW else s.letter(base)
        return self.accented(letter, accent)

    def accented(self, letter, accent):
        s = self.style
        x0, y0, x1, y1 = letter.bbox()
        if accent == 'cedilla':
            xs = _bottom_points(letter)
            at = ((min(xs) + max(xs)) / 2, 0)
        elif accent == 'ogonek':
            at = (max(_bottom_points(letter)) - s.ogonek_inset, 0)
        else:
            at = (_top_centre(letter), y1 + s.gap)
        glyph = letter
        for part, dx, dy in s.accent(accent):
            glyph = glyph.plus(part, snap(at[0] + dx), snap(at[1] + dy))
        return self.finish(glyph)

    def apostrophe_caron(self, letter):
        s = self.style
        x0, y0, x1, y1 = letter.bbox()
        xs = [x for x, y in letter.points() if y >= y0 + 0.7 * (y1 - y0)]
        mark = s.apostrophe()
        mx0, my0, mx1, my1 = mark.bbox()
        glyph = letter
        for part, dx, dy in mark.components:
            glyph = glyph.plus(part, snap(max(xs) + s.gap - mx0 + dx), snap(y1 - my1 + dy))
        return self.finish(glyph)

    def line_part(self, name, points):
        return Part((self.style.key, name), [points])

    def slashed(self, ch):
        letter = self.style.letter(ch)
        x0, y0, x1, y1 = letter.bbox()
        m = self.style.gap
        return self.finish(letter.plus(self.line_part('slash ' + ch, [(x0 - m, y0 - m), (x1 + m, y1 + m)]), 0, 0))

    def barred_stem(self, ch, height):
        letter = self.style.letter(ch)
        x0, y0, x1, y1 = letter.bbox()
        x, y, w = stem_x(letter), round(y0 + height * (y1 - y0)), self.style.bar
        return self.finish(letter.plus(self.line_part('bar ' + ch, [(x - w, y), (x + w, y)]), 0, 0))

    def barred_across(self, ch):
        letter = self.style.letter(ch)
        x0, y0, x1, y1 = letter.bbox()
        y = round(y0 + 0.75 * (y1 - y0))
        return letter.plus(self.line_part('bar ' + ch, [(x0, y), (x1, y)]), 0, 0)

    def stroked(self, ch):
        letter = self.style.letter(ch)
        x0, y0, x1, y1 = letter.bbox()
        x, w = stem_x(letter), self.style.bar
        top = y1 if ch == 'l' else self.style.cap
        line = [(x - w, round(0.3 * top)), (x + w, round(0.55 * top))]
        return self.finish(letter.plus(self.line_part('stroke ' + ch, line), 0, 0))

    def dotless(self, ch):
        letter = self.style.letter(ch)
        limit = self.style.xheight + self.style.gap / 2
        (part, dx, dy), = letter.components
        kept = [st for st in part.strokes if min(y for _, y in st) <= limit]
        return self.finish(Glyph.of(Part((self.style.key, 'dotless ' + ch), kept)))

    def inverted(self, ch):
        letter = self.style.letter(ch)
        x0, y0, x1, y1 = letter.bbox()
        # Turned about its middle, then standing so that its top meets the x-height.
        lift = self.style.xheight - (-y0)
        (part, dx, dy), = letter.components
        turned = part.transformed((self.style.key, 'inverted ' + ch), lambda x, y: (x1 - x, lift - y))
        return self.finish(Glyph.of(turned))

    def ligature(self, first, second):
        a, b = self.style.letter(first), self.style.letter(second)
        overlap = self.style.ligature_overlap
        return a.plus(b.components[0][0], a.bbox()[2] - overlap, 0)

    def thorn(self):
        # P with its bowl lowered: the strokes off the stem move down.
        letter = self.style.letter('P')
        x = stem_x(letter)
        drop = round(0.2 * self.style.cap)
        (part, dx, dy), = letter.components
        stem = [s for s in part.strokes if all(px == x for px, _ in s)]
        bowl = [[(px, py - drop) for px, py in s] for s in part.strokes
                if not all(px == x for px, _ in s) and min(py for _, py in s) > 0.3 * self.style.cap]
        feet = [s for s in part.strokes if s not in stem and min(py for _, py in s) <= 0.3 * self.style.cap]
        if not stem:
            stem = [[(x, 0), (x, self.style.cap)]]
        return self.finish(Glyph.of(Part((self.style.key, 'thorn'), stem + bowl + feet)))

    def thorn_small(self):
        letter = self.style.letter('p')
        x = stem_x(letter)
        rise = self.line_part('ascender p', [(x, self.style.xheight), (x, self.style.cap)])
        return letter.plus(rise, 0, 0)

    def eth(self):
        letter = self.style.letter('o')
        x0, y0, x1, y1 = letter.bbox()
        w, top = x1 - x0, self.style.cap
        hook = [(x1, round(y1 * 0.6)), (x1, y1 + round((top - y1) * 0.3)),
                (x0 + round(w * 0.6), round(top * 0.9)), (x0 + round(w * 0.2), top)]
        bar = [(x0 + round(w * 0.2), round((y1 + top) / 2)), (x1, round((y1 + top) / 2) + self.style.gap)]
        return letter.plus(self.line_part('eth hook', hook), 0, 0).plus(
            self.line_part('eth bar', bar), 0, 0)
