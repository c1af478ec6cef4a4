#!/usr/bin/python3
"""Makes the glyph tables of the software stroke fonts.

Sources: the Hershey fonts of Debian's hershey-fonts-data (see NOTICE) and the
default font designed in default_font.txt. Writes one C++ source per point
table into kernel/fontdata/ below the output folder (the repository by
default). Exits with status 77 when the Hershey fonts are not installed.

    /usr/bin/python3 data/make_stroke_fonts.py [--out-dir DIR]
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from fontgen import codes, cpp, layouts  # noqa: E402
from fontgen.compose import Composer  # noqa: E402
from fontgen.default_style import DefaultStyle  # noqa: E402
from fontgen.glyphs import Glyph, IndexTable, PointTable, aligned_left  # noqa: E402
from fontgen.hershey_style import HersheyStyle  # noqa: E402
from fontgen.jhf import JhfFont, jhf_path  # noqa: E402
from fontgen.math_symbols import MathSymbols  # noqa: E402

GENERATOR = 'data/make_stroke_fonts.py'
OUT = 'kernel/fontdata'
STROKE_OFFSET_SCALE = 0.5  # offsets of stroke glyphs count in half units

# The last code of each standard alphabet (its number of characters + 31).
LAST_CODE = {'kavalf': 163, 'simplx': 163, 'duplx': 163, 'triplx': 163, 'lcomro': 262, 'lgroma': 126}

# The default font's Greek capitals and small letters that are the Latin ones.
LATIN_GREEK = {'Alpha': 'A', 'Beta': 'B', 'Epsilon': 'E', 'Eta': 'H', 'Iota': 'I', 'Kappa': 'K',
               'Mu': 'M', 'Nu': 'N', 'Omicron': 'O', 'Rho': 'P', 'Tau': 'T', 'Chi': 'X',
               'Upsilon': 'Y', 'Zeta': 'Z', 'omicron': 'o'}


def standard_index(points, style, last_code):
    """Records of codes 33..last_code: ASCII from the style, the rest composed."""
    composer = Composer(style)
    index = IndexTable(points, STROKE_OFFSET_SCALE)
    for code in range(33, last_code + 1):
        ch = codes.char_of(code)
        index.add(style.letter(ch) if code <= 126 else composer.glyph(ch))
    return index


def mapped_index(points, glyphs):
    index = IndexTable(points, STROKE_OFFSET_SCALE)
    for glyph in glyphs:
        index.add(glyph)
    return index


def hershey_greek(source, latin_style):
    """Greek letters from an alphabetical Hershey Greek font; J and V Latin."""
    font = JhfFont(source)
    glyphs = []
    for key, name in layouts.greek_keys():
        if name is None:
            glyphs.append(latin_style.letter(key))
            continue
        pos = layouts.hershey_greek_position(name)
        glyphs.append(Glyph.of(aligned_left((source, pos), font.strokes(pos))))
    return glyphs


def default_greek(style):
    glyphs = []
    for key, name in layouts.greek_keys():
        if name is None:
            glyphs.append(style.letter(key))
        else:
            glyphs.append(style.glyph(LATIN_GREEK.get(name, name)))
    return glyphs


def build_tables():
    """(file name, sources, (point table, [(C++ name, index table)])) of every table."""
    files = []

    def packed_file(name, sources, *indexes):
        files.append((name, sources, indexes))

    # The default font: its Greek uses the standard alphabet's points.
    default = DefaultStyle(os.path.join(HERE, 'default_font.txt'))
    points = PointTable(packed=True)
    stan = standard_index(points, default, LAST_CODE['kavalf'])
    greek = mapped_index(points, default_greek(default))
    files.append(('kavalf', 'data/default_font.txt', (points, [('kavalfStan', stan), ('kavalfGreek', greek)])))

    # Simplex: roman and Greek share one point table.
    simplex = HersheyStyle('rowmans', 'rowmans', ('greeks', 'b'))
    points = PointTable(packed=True)
    stan = standard_index(points, simplex, LAST_CODE['simplx'])
    greek = mapped_index(points, hershey_greek('greeks', simplex))
    files.append(('simplx', 'the Hershey fonts rowmans and greeks',
                  (points, [('simplxStan', stan), ('simplxGreek', greek)])))

    for name, source in (('duplx', 'rowmand'), ('triplx', 'rowmant')):
        style = HersheyStyle(source, source, ('greekc', 'b'))
        points = PointTable(packed=True)
        files.append((name, 'the Hershey fonts %s and greekc' % source,
                       (points, [(name + 'Stan', standard_index(points, style, LAST_CODE[name]))])))

    complex_roman = HersheyStyle('timesr', 'timesr', ('greekc', 'b'))
    points = PointTable(packed=True)
    files.append(('lcomro', 'the Hershey fonts timesr and greekc',
                  (points, [('lcomro', standard_index(points, complex_roman, LAST_CODE['lcomro']))])))

    points = PointTable(packed=True)
    files.append(('lcomgr', 'the Hershey fonts greekc and timesr',
                  (points, [('lcomgr', mapped_index(points, hershey_greek('greekc', complex_roman)))])))

    italic = HersheyStyle('timesi', 'timesi', ('greekc', 'b'))
    composer = Composer(italic)
    glyphs = [italic.letter(ch) for ch in layouts.LETTERS.lower()] + [composer.glyph(ch) for ch in 'äöü']
    points = PointTable(packed=True)
    files.append(('lcomit', 'the Hershey font timesi', (points, [('lcomit', mapped_index(points, glyphs))])))

    symbols = MathSymbols()
    points = PointTable(packed=True)
    files.append(('lcmath', 'the Hershey font mathupp',
                  (points, [('lcmath', mapped_index(points, [symbols.glyph(n) for _, n in layouts.math_keys()]))])))

    for name, source in (('lcomsc', 'scriptc'), ('lgscri', 'gothicger')):
        style = HersheyStyle(source, source, ('greekc', 'b'))
        composer = Composer(style)
        glyphs = [style.letter(ch) for ch in layouts.LETTERS + layouts.LETTERS.lower()] + \
            [composer.glyph(ch) for ch in 'ÄÖÜäöüß']
        points = PointTable(packed=True)
        files.append((name, 'the Hershey fonts %s and greekc' % source,
                      (points, [(name, mapped_index(points, glyphs))])))

    cyrillic = HersheyStyle('cyrillic', 'cyrillic', ('greekc', 'b'))
    composer = Composer(cyrillic)
    glyphs = []
    for key in layouts.CYRILLIC_KEYS:
        source = layouts.cyrillic_source(key)
        if isinstance(source, tuple):
            base, accent = source
            glyphs.append(composer.accented(cyrillic.letter(base), accent))
        else:
            glyphs.append(cyrillic.letter(source))
    points = PointTable(packed=True)
    files.append(('lcomcy', 'the Hershey font cyrillic', (points, [('lcomcy', mapped_index(points, glyphs))])))

    gothic = HersheyStyle('gothiceng', 'gothiceng', ('greekc', 'b'))
    points = PointTable(packed=True)
    files.append(('lgroma', 'the Hershey font gothiceng',
                  (points, [('lgroma', standard_index(points, gothic, LAST_CODE['lgroma']))])))

    gothic_italic = HersheyStyle('gothicita', 'gothicita', ('greekc', 'b'))
    points = PointTable(packed=True)
    glyphs = [gothic_italic.letter(ch) for ch in layouts.LETTERS + layouts.LETTERS.lower()]
    files.append(('lgital', 'the Hershey font gothicita', (points, [('lgital', mapped_index(points, glyphs))])))
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out-dir', default=os.path.dirname(HERE))
    args = parser.parse_args()
    if not os.path.exists(jhf_path('rowmans')):
        print('make_stroke_fonts: the Hershey fonts are missing (Debian package hershey-fonts-data)')
        return 77
    out = os.path.join(args.out_dir, OUT)
    os.makedirs(out, exist_ok=True)
    for name, sources, tables in build_tables():
        with open(os.path.join(out, name + '.cpp'), 'w', encoding='ascii', newline='\n') as f:
            f.write(cpp.tables_source(GENERATOR, sources, tables))
    characters = [ord(codes.char_of(code)) for code in range(32, codes.LAST_CODE + 1)]
    with open(os.path.join(out, 'stroke_codes.cpp'), 'w', encoding='ascii', newline='\n') as f:
        f.write(cpp.stroke_codes_source(GENERATOR, characters))
    return 0


if __name__ == '__main__':
    sys.exit(main())
