#!/usr/bin/python3
"""Makes the character widths of the 35 standard PostScript fonts.

Source: the AFM files of Debian's fonts-urw-base35 (see NOTICE), whose fonts
have the metrics of the standard fonts. There are 25 width sets (an oblique
font shares the set of its upright one); a set holds one byte per character
code 32..133: codes 32..126 in the font's own encoding, 127..133 the letters
Adieresis, Odieresis, Udieresis, adieresis, odieresis, udieresis and
germandbls (0 when the font has no such glyph). A byte is the AFM width WX
(1/1000 of the font size) times 40 / 283.46458, truncated, so that the text
engine's advance (1000 / unit) * h * 0.28346458 * byte / 40 follows the font.
The bytes are stored two per 16-bit word, high byte first, into
kernel/fontdata/ps_widths.cpp below the output folder (the repository by
default). Exits with status 77 when the AFM files are missing.

    /usr/bin/python3 data/make_ps_widths.py [--out-dir DIR]
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from fontgen import cpp  # noqa: E402

GENERATOR = 'data/make_ps_widths.py'
OUT = 'kernel/fontdata/ps_widths.cpp'
AFM_DIR = '/usr/share/fonts/type1/urw-base35'
# Width sets 1..25 and the AFM file of the font that has each set's metrics.
SETS = [
    'NimbusRoman-Regular', 'NimbusRoman-Bold', 'NimbusRoman-Italic', 'NimbusRoman-BoldItalic',
    'NimbusSans-Regular', 'NimbusSans-Bold', 'NimbusSansNarrow-Regular', 'NimbusSansNarrow-Bold',
    'C059-Roman', 'C059-Italic', 'C059-Bold', 'C059-BdIta', 'Z003-MediumItalic', 'D050000L',
    'URWGothic-Book', 'URWGothic-Demi', 'P052-Roman', 'P052-Italic', 'P052-Bold',
    'P052-BoldItalic', 'StandardSymbolsPS', 'URWBookman-Light', 'URWBookman-LightItalic',
    'URWBookman-Demi', 'URWBookman-DemiItalic',
]
NAMED = ['Adieresis', 'Odieresis', 'Udieresis', 'adieresis', 'odieresis', 'udieresis', 'germandbls']
CHARS = 102


def read_afm(path):
    """Widths by code of the built-in encoding, and by glyph name."""
    by_code, by_name = {}, {}
    with open(path, encoding='latin-1') as f:
        for line in f:
            if not line.startswith('C '):
                continue
            fields = dict(item.strip().split(' ', 1) for item in line.split(';') if item.strip())
            code, width, name = int(fields['C']), float(fields['WX']), fields['N']
            by_name[name] = width
            if code >= 0:
                by_code[code] = width
    return by_code, by_name


def width_byte(wx):
    value = int(wx * 40 / 283.46458)
    if not 0 <= value <= 255:
        raise ValueError('width %s does not fit into a byte' % wx)
    return value


def width_set(path):
    by_code, by_name = read_afm(path)
    widths = [width_byte(by_code.get(code, 0)) for code in range(32, 127)]
    widths += [width_byte(by_name.get(name, 0)) for name in NAMED]
    assert len(widths) == CHARS
    return [(widths[i] << 8) | widths[i + 1] for i in range(0, CHARS, 2)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out-dir', default=os.path.dirname(HERE))
    args = parser.parse_args()
    paths = [os.path.join(AFM_DIR, name + '.afm') for name in SETS]
    for path in paths:
        if not os.path.exists(path):
            print('make_ps_widths: %s is missing (Debian package fonts-urw-base35)' % path)
            return 77
    out = [cpp.HEADER.format(generator=GENERATOR, sources='the AFM files of the URW base 35 fonts'),
           '#include "kernel/ps_fonts.h"\n\n',
           'const uint16_t psWidthSets[kPsWidthSets][kPsWidthWords] = {\n']
    for number, path in enumerate(paths, 1):
        words = width_set(path)
        out.append('    // %d: %s\n    {\n' % (number, os.path.basename(path)))
        for i in range(0, len(words), 9):
            out.append('        ' + ', '.join('0x%04x' % w for w in words[i:i + 9]) + ',\n')
        out.append('    },\n')
    out.append('};\n')
    target = os.path.join(args.out_dir, OUT)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, 'w', encoding='ascii', newline='\n') as f:
        f.write(''.join(out))
    return 0


if __name__ == '__main__':
    sys.exit(main())
