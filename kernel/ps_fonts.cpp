// The standard PostScript fonts and their width tables.
#include "kernel/ps_fonts.h"

#include "kernel/text_utils.h"

// Name, metric unit, width set, italic variant.
const PsFont cfnt[kPsFonts] = {
    {"Times-Roman", 683, 1, 2},
    {"Times-Bold", 676, 2, 3},
    {"Times-Italic", 683, 3, -1},
    {"Times-BoldItalic", 699, 4, -1},
    {"Helvetica", 718, 5, 6},
    {"Helvetica-Bold", 718, 6, 7},
    {"Helvetica-Oblique", 718, 5, -1},
    {"Helvetica-BoldOblique", 718, 6, -1},
    {"Helvetica-Narrow", 718, 7, 10},
    {"Helvetica-Narrow-Bold", 718, 8, 11},
    {"Helvetica-Narrow-Oblique", 718, 7, -1},
    {"Helvetica-Narrow-BoldOblique", 718, 8, -1},
    {"NewCenturySchlbk-Roman", 737, 9, 13},
    {"NewCenturySchlbk-Italic", 737, 10, -1},
    {"NewCenturySchlbk-Bold", 737, 11, 15},
    {"NewCenturySchlbk-BoldItalic", 737, 12, -1},
    {"ZapfChancery-MediumItalic", 748, 13, -1},
    {"ZapfDingbats", 685, 14, -1},
    {"Courier", 629, 0, 20},
    {"Courier-Bold", 626, 0, 21},
    {"Courier-Oblique", 629, 0, -1},
    {"Courier-BoldOblique", 626, 0, -1},
    {"AvantGarde-Book", 740, 15, 24},
    {"AvantGarde-Demi", 740, 16, 25},
    {"AvantGarde-BookOblique", 740, 15, -1},
    {"AvantGarde-DemiOblique", 740, 16, -1},
    {"Bookman-Light", 717, 22, 27},
    {"Bookman-LightItalic", 717, 23, -1},
    {"Bookman-Demi", 725, 24, 29},
    {"Bookman-DemiItalic", 732, 25, -1},
    {"Palatino-Roman", 726, 17, 31},
    {"Palatino-Italic", 733, 18, -1},
    {"Palatino-Bold", 720, 19, 33},
    {"Palatino-BoldItalic", 726, 20, -1},
    {"Symbol", 685, 21, -1},
};

namespace {

// Base letters of the accented letters at codes 134..186.
constexpr char kAccentBases[] = "AOAaoaNnCcEIeiAEIOUaeiouAEIOUaeiouAEIOUaeiouAaOoYyy!?";
static_assert(sizeof kAccentBases - 1 == kPsWidths - kPsWidthChars);

bool equalNoCase(const char *a, const char *b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (upperAscii(*a) != upperAscii(*b)) return false;
    return *a == *b;
}

} // namespace

int psFontIndex(const char *name) {
    char key[kPsNameLength + 1];
    qqcopy(key, name);
    for (int i = 0; i < kPsFonts; ++i)
        if (equalNoCase(key, cfnt[i].name)) return i;
    return -1;
}

int psWidthByte(int widthSet, int charIndex) {
    if (charIndex < 0 || charIndex >= kPsWidthChars || widthSet < 0 || widthSet > kPsWidthSets)
        return 0;
    if (widthSet == 0) return kPsFixedWidth;
    const uint16_t word = psWidthSets[widthSet - 1][charIndex / 2];
    return charIndex % 2 == 0 ? word >> 8 : word & 0xFF;
}

void psFontWidths(int font, int16_t widths[kPsWidths]) {
    const int set = font >= 0 && font < kPsFonts ? cfnt[font].widthSet : 0;
    if (set == 0) { // the fixed-pitch fonts: every width, ligatures included
        for (int i = 0; i < kPsWidths; ++i)
            widths[i] = kPsFixedWidth;
        return;
    }
    for (int i = 0; i < kPsWidthChars; ++i)
        widths[i] = int16_t(psWidthByte(set, i));
    for (int i = kPsWidthChars; i < kPsWidths; ++i)
        widths[i] = widths[kAccentBases[i - kPsWidthChars] - 32];
    // The ligatures: A and E, a and e.
    widths[104] = int16_t(widths['A' - 32] / 2 + widths['E' - 32]);
    widths[107] = int16_t((2 * widths['a' - 32]) / 3 + widths['e' - 32]);
}
