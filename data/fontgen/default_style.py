# The default font's design source (data/default_font.txt) as a style for
# composing letters.
from fontgen.glyphs import Glyph, Part


def read_design(path):
    """Glyph strokes by name, and accent strokes by name, from the design file."""
    glyphs, accents = {}, {}
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line.strip() or line.startswith('--'):
                continue
            name, _, rest = line.partition(' ')
            strokes = []
            for stroke in rest.split('|'):
                points = [tuple(int(v) for v in p.split(',')) for p in stroke.split()]
                if len(points) < 2:
                    raise ValueError('line %d: a stroke needs two points' % number)
                strokes.append(points)
            is_accent = name.startswith('@') and len(name) > 1
            table = accents if is_accent else glyphs
            key = name[1:] if is_accent else name
            if key in table:
                raise ValueError('line %d: %s drawn twice' % (number, name))
            table[key] = strokes
    return glyphs, accents


class DefaultStyle:
    key = 'default'
    cap = 7
    gap = 1
    bar = 1
    ogonek_inset = 0
    align_left = False  # the ink keeps its place in the 6-unit cell
    OWN = {'ß': 'germandbls', 'Æ': 'AE', 'æ': 'ae'}

    def __init__(self, path):
        self.glyphs, self.accents = read_design(path)
        self.xheight = self.letter('x').bbox()[3]

    def glyph(self, name):
        return Glyph.of(Part((self.key, name), self.glyphs[name]))

    def letter(self, ch):
        return self.glyph(ch)

    def own(self, char):
        return self.glyph(self.OWN[char]) if char in self.OWN else None

    def accent(self, name):
        return [(Part((self.key, '@' + name), self.accents[name]), 0, 0)]
