# The symbols of the math alphabet: Hershey's math symbols where it has them,
# the others drawn here from lines and circles on the same 21-unit scale (the
# math axis at y = 9, where Hershey centres its operators).
import math

from fontgen.glyphs import Glyph, Part, aligned_left
from fontgen.jhf import JhfFont

# Symbols of Hershey's "mathupp" font, by the ASCII character that holds them.
FROM_HERSHEY = {
    'aleph': 'w', 'equiv': '@', 'propto': '^', 'times': '#', 'div': 'x', 'pm': '!', 'mp': '"',
    'le': '&', 'neq': '?', 'ge': "'", 'perp': 'z', 'cap': 'g', 'cup': 'e', 'subset': 'd',
    'supset': 'f', 'angle': '|', 'therefore': '~', 'parallel': 'y', 'exists': 'v', 'cdot': '$',
    'in': 'h', 'rightarrow': 'i', 'uparrow': 'j', 'leftarrow': 'k', 'downarrow': 'l',
    'infty': '_', 'partial': 'm', 'nabla': 'n', 'degree': '`', 'sum': ';', 'prod': ':',
    'int': 'p', 'surd': 'b',
}

TILDE = [(0, 0), (2, 2), (5, 2), (9, 0), (12, 0), (14, 2)]


def _circle(cx, cy, r, n=16):
    pts = [(round(cx + r * math.cos(2 * math.pi * i / n)), round(cy + r * math.sin(2 * math.pi * i / n)))
           for i in range(n)]
    return pts + [pts[0]]


def _moved(stroke, dx, dy):
    return [(x + dx, y + dy) for x, y in stroke]


class MathSymbols:
    def __init__(self):
        self.font = JhfFont('mathupp')

    def hershey(self, name):
        return self.font.strokes(FROM_HERSHEY[name])

    def drawn(self, name):
        """Strokes of a symbol that Hershey's math font lacks."""
        circle = _circle(8, 9, 8)
        if name == 'Rightarrow':
            return [[(0, 12), (16, 12)], [(0, 6), (16, 6)], [(12, 16), (20, 9), (12, 2)]]
        if name == 'Leftarrow':
            return [[(4, 12), (20, 12)], [(4, 6), (20, 6)], [(8, 16), (0, 9), (8, 2)]]
        if name == 'Leftrightarrow':
            return [[(4, 12), (16, 12)], [(4, 6), (16, 6)], [(8, 16), (0, 9), (8, 2)],
                    [(12, 16), (20, 9), (12, 2)]]
        if name == 'oplus':
            return [circle, [(0, 9), (16, 9)], [(8, 1), (8, 17)]]
        if name == 'ominus':
            return [circle, [(0, 9), (16, 9)]]
        if name == 'odot':
            return [circle, [(8, 8), (9, 9), (8, 10), (7, 9), (8, 8)]]
        if name == 'emptyset':
            return [circle, [(-1, -1), (17, 19)]]
        if name == 'vee':
            return [[(0, 16), (7, 2), (14, 16)]]
        if name == 'wedge':
            return [[(0, 2), (7, 16), (14, 2)]]
        if name == 'cong':
            return [_moved(TILDE, 0, 13), [(0, 9), (14, 9)], [(0, 5), (14, 5)]]
        if name == 'approx':
            return [_moved(TILDE, 0, 11), _moved(TILDE, 0, 5)]
        if name == 'simeq':
            return [_moved(TILDE, 0, 11), [(0, 6), (14, 6)]]
        if name == 'prime':
            return [[(3, 21), (1, 15)]]
        if name == 'oint':
            strokes = [list(s) for s in self.hershey('int')]
            xs = [x for s in strokes for x, _ in s]
            ys = [y for s in strokes for _, y in s]
            return strokes + [_circle((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2, 3, 8)]
        if name in ('subseteq', 'supseteq'):
            strokes = [list(s) for s in self.hershey('subset' if name == 'subseteq' else 'supset')]
            xs = [x for s in strokes for x, _ in s]
            low = min(y for s in strokes for _, y in s)
            return strokes + [[(min(xs), low - 4), (max(xs), low - 4)]]
        if name in ('notin', 'ni'):
            strokes = [list(s) for s in self.hershey('in')]
            xs = [x for s in strokes for x, _ in s]
            ys = [y for s in strokes for _, y in s]
            if name == 'ni':
                return [[(max(xs) + min(xs) - x, y) for x, y in s] for s in strokes]
            return strokes + [[(min(xs), min(ys) - 3), (max(xs), max(ys) + 3)]]
        if name == 'forall':
            strokes = self.font.strokes('A')
            top = max(y for s in strokes for _, y in s)
            return [[(-x, top - y) for x, y in s] for s in strokes]
        raise ValueError('no math symbol %s' % name)

    def glyph(self, name):
        strokes = self.hershey(name) if name in FROM_HERSHEY else self.drawn(name)
        return Glyph.of(aligned_left(('math', name), strokes))
