# Which glyph each character index of the mapped alphabets draws.
#
# The text engine maps a character of the Greek, math, italic, script and
# Cyrillic alphabets to an index of the alphabet's own table: capitals A..Z to
# 2..27 and small letters a..z to 28..53 (Greek, math, gothic italic, script);
# small letters a..z to 2..27 and a-, o-, u-umlaut to 28..30 (complex italic);
# the umlauts and sharp s to 54..60 (script); and for Cyrillic the characters
# $ % & to 2..4, < = > to 5..7, A..^ to 8..37 and a..~ to 38..67.

LETTERS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'

# Greek letters on the Latin keys (the Symbol font's order with C/G and U/Y
# exchanged); J and V have no Greek letter and draw the Latin one.
GREEK_ON_KEYS = {
    'A': 'Alpha', 'B': 'Beta', 'C': 'Gamma', 'D': 'Delta', 'E': 'Epsilon', 'F': 'Phi',
    'G': 'Chi', 'H': 'Eta', 'I': 'Iota', 'J': None, 'K': 'Kappa', 'L': 'Lambda', 'M': 'Mu',
    'N': 'Nu', 'O': 'Omicron', 'P': 'Pi', 'Q': 'Theta', 'R': 'Rho', 'S': 'Sigma', 'T': 'Tau',
    'U': 'Psi', 'V': None, 'W': 'Omega', 'X': 'Xi', 'Y': 'Upsilon', 'Z': 'Zeta',
}

# Greek letters in alphabetical order, as the Hershey Greek fonts hold them
# from A on.
GREEK_ALPHABET = ['Alpha', 'Beta', 'Gamma', 'Delta', 'Epsilon', 'Zeta', 'Eta', 'Theta', 'Iota',
                  'Kappa', 'Lambda', 'Mu', 'Nu', 'Xi', 'Omicron', 'Pi', 'Rho', 'Sigma', 'Tau',
                  'Upsilon', 'Phi', 'Chi', 'Psi', 'Omega']


def greek_keys():
    """(key, Greek name or None) for the records 2..53 of a Greek table."""
    caps = [(k, GREEK_ON_KEYS[k]) for k in LETTERS]
    small = [(k.lower(), n.lower() if n else None) for k, n in caps]
    return caps + small


def hershey_greek_position(name):
    """ASCII character at which an alphabetical Hershey Greek font holds a letter."""
    i = GREEK_ALPHABET.index(name.capitalize())
    ch = chr(ord('A') + i)
    return ch if name[0].isupper() else ch.lower()


# The math alphabet. Each entry: how the generator draws the symbol (see
# make_stroke_fonts.py); keys A..Z, then a..z.
MATH_ON_KEYS = {
    'A': 'aleph', 'B': 'equiv', 'C': 'propto', 'D': 'times', 'E': 'div', 'F': 'pm', 'G': 'mp',
    'H': 'le', 'I': 'neq', 'J': 'ge', 'K': 'perp', 'L': 'cap', 'M': 'cup', 'N': 'subset',
    'O': 'supset', 'P': 'angle', 'Q': 'therefore', 'R': 'subseteq', 'S': 'supseteq',
    'T': 'parallel', 'U': 'exists', 'V': 'cdot', 'W': 'in', 'X': 'notin', 'Y': 'ni', 'Z': 'prime',
    'a': 'rightarrow', 'b': 'uparrow', 'c': 'leftarrow', 'd': 'downarrow', 'e': 'Rightarrow',
    'f': 'Leftarrow', 'g': 'Leftrightarrow', 'h': 'oplus', 'i': 'ominus', 'j': 'odot',
    'k': 'forall', 'l': 'infty', 'm': 'partial', 'n': 'nabla', 'o': 'degree', 'p': 'vee',
    'q': 'wedge', 'r': 'sum', 's': 'prod', 't': 'approx', 'u': 'simeq', 'v': 'int', 'w': 'oint',
    'x': 'surd', 'y': 'emptyset', 'z': 'cong',
}


def math_keys():
    return [(k, MATH_ON_KEYS[k]) for k in LETTERS + LETTERS.lower()]


# The Cyrillic alphabet: 33 capitals and their small letters. The Hershey font
# spells the Russian alphabet phonetically on the Latin keys; the letters that
# do not fit there go to [ \ ] ^ and $ % &, their small letters to { | } ~ and
# < = >. Entries: the Hershey character, or (Hershey character, accent).
CYRILLIC_KEYS = '$%&<=>' + ''.join(chr(c) for c in range(ord('A'), ord('^') + 1)) + \
    ''.join(chr(c) for c in range(ord('a'), ord('~') + 1))
CYRILLIC_SOURCE = {
    '$': '`', '%': '$', '&': ('[', 'diaeresis'),      # Ц Ы Ё
    '<': '%', '=': '&', '>': ('{', 'diaeresis'),      # ц ы ё
    'E': ('I', 'breve'),                              # Й
    '[': '[', '\\': ']', ']': '^', '^': '_',          # Е Ъ Я Ь
    '{': '{', '|': '|', '}': '}', '~': '~',           # е ъ я ь
}


def cyrillic_source(key):
    return CYRILLIC_SOURCE.get(key, key)
