# Which character stands at which code of the stroke fonts.
#
# Codes 32..126 are ASCII. Codes 127..262 hold the accented and national
# letters in the order that the escape characters and the ISO 8859-1, -2 and -3
# conversions of the text engine use: German, Danish, Spanish, French, acute,
# grave and circumflex vowels, the rest of Latin-1, then Latin-2 and Latin-3.
# One code may serve two letters that share their capital: 187 is Eth and
# D with stroke, 188 eth (d with stroke uses it too).

EXTENDED = (
    'ÄÖÜäöüß'        # 127..133
    'ÅØÆåøæ'         # 134..139
    'Ññ'             # 140..141
    'ÇçËÏëï'         # 142..147
    'ÁÉÍÓÚáéíóú'     # 148..157
    'ÀÈÌÒÙàèìòù'     # 158..167
    'ÂÊÎÔÛâêîôû'     # 168..177
    'ÃãÕõÝýÿ'        # 178..184
    '¡¿'             # 185..186
    'ÐðÞþ'           # 187..190
    'ĄŁĽŚŠŞŤŹŽŻąłľśšşťźžżŔĂĹĆČĘĚĎŃŇŐŘŮŰŢŕăĺćčęěďńňőřůűţ'  # 191..240
    'ĞİğıĠġĤĥĦħĴĵŬŭĈĉĊċĜĝŜŝ'  # 241..262
)

FIRST_EXTENDED = 127
LAST_CODE = 262


def char_of(code):
    """The character at a stroke-font code (32..262)."""
    if 32 <= code <= 126:
        return chr(code)
    if FIRST_EXTENDED <= code <= LAST_CODE:
        return EXTENDED[code - FIRST_EXTENDED]
    raise ValueError('no character at code %d' % code)


assert len(EXTENDED) == LAST_CODE - FIRST_EXTENDED + 1
