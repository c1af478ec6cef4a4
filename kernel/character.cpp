// alfcha: one character in whichever kind of font serves it, and the
// advance of the pen.
#include "kernel/character_codes.h"
#include "kernel/device_fonts.h"
#include "kernel/mixed_alphabets.h"
#include "kernel/record.h"
#include "kernel/stroke_text.h"
#include "kernel/text.h"

namespace {

constexpr int kBlank = 32;

// The device font serves the standard alphabet, and with the PostScript mode
// the Greek or italic characters, unless the line pipeline transforms the
// characters (a base transformation or the 3-D plane).
bool deviceFontServes(const GlobalRecord &rec, int alphabet) {
    const FontState &f = rec.font;
    if (rec.trf.itrfon != 0 || rec.view3d.ipln3d == 1 || f.ifontyp == int(FontKind::stroke))
        return false;
    if (alphabet == 1) return true;
    if (f.ifontyp != int(FontKind::postscript)) return false;
    const bool greek = (f.ipsmode & 1) != 0;  // GREE, BOTH
    const bool italic = (f.ipsmode & 2) != 0; // ITAL, BOTH
    return (alphabet == 2 && greek) || (alphabet == 4 && italic);
}

} // namespace

bool alfcha(GlobalRecord &rec, int code) {
    TextState &t = rec.text;
    if (t.nsmxalf != 0 && smixal(rec, code)) return false;
    if (code < kBlank) code = kBlank;
    if (t.ichacod != int(Coding::stan)) code = qqgcod(t.ichacod, code);
    int alphabet = t.ialfcur;
    if (alphabet < 1 || alphabet > kAlphabetSlots) alphabet = 1;
    const FontState &f = rec.font;
    if (f.ifontyp == int(FontKind::postscript) && alphabet == 2 && (f.ipsmode & 1) != 0)
        code = qqgreek(code);

    int index = code - 31;
    if (index > alphabetCharacters(rec, alphabet)) {
        index = 1;
        code = kBlank;
    }
    t.islant = 0;
    salfpa(rec, alphabet);

    float width = 0.0f;
    if (deviceFontServes(rec, alphabet)) {
        float gap = 0.0f;
        deviceCharacter(rec, code, index, width, gap);
        t.xchrgap = gap;
    } else {
        width = strokeCharacter(rec, index);
    }
    movePen(rec, width + t.xchrgap);
    return true;
}
