// Characters of the software stroke fonts: alphabet slots, the parameters of
// the loaded alphabet, characters missing from an alphabet, and the glyph
// drawn as strokes (alfcon) or as an outline for the fill (shdcon).
#include "kernel/stroke_text.h"

#include "kernel/character_fill.h"
#include "kernel/device_fonts.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/text.h"

namespace {

bool within(int i, int low, int high) {
    return i >= low && i <= high;
}

// Glyph points become page points: along the text from the pen, raised by the
// instruction shifts, slanted by the string's slant and the italic slant.
struct GlyphTransform {
    float bx, by; // base point: the pen, raised
    float sn, cs; // text direction
    float xs, ys; // scales
    float slant;  // x added per unit of y

    GlyphTransform(const GlobalRecord &rec) {
        const TextState &t = rec.text;
        const FontState &f = rec.font;
        sn = t.xsinang;
        cs = t.xcosang;
        const float raise = t.xtxtshift + t.xtxtloff;
        bx = t.xtxtpen[0] - raise * sn;
        by = t.xtxtpen[1] - raise * cs;
        xs = f.xalfscl;
        ys = f.yalfscl;
        slant = t.xtxtslant;
    }

    void apply(const GlobalRecord &rec, float gx, float gy, float &px, float &py) const {
        const float Y = gy * ys;
        float X = gx * xs + Y * slant;
        if (rec.text.islant != 0) X += Y / rec.font.xitadiv;
        px = bx + X * cs - Y * sn;
        py = by - Y * cs - X * sn;
    }
};

// The strokes of one glyph through the line pipeline; with outline the points
// are also collected as one polygon for the fill, each contour after the
// first followed by the point the polygon returns to.
void drawGlyph(GlobalRecord &rec, const AlphabetSlot &a, int index, bool outline) {
    FontState &f = rec.font;
    const GlyphTransform tr(rec);
    auto collect = [&f](float x, float y) {
        if (f.nshdcon >= kContourPoints) return;
        f.xshdcon[f.nshdcon] = x;
        f.yshdcon[f.nshdcon] = y;
        ++f.nshdcon;
    };
    if (outline) f.nshdcon = 0;
    GlyphRecordReader reader(a, index);
    GlyphGroup g;
    bool first = true;
    while (reader.next(g)) {
        const int anchor = f.nshdcon - 1;
        const float ax = anchor >= 0 ? f.xshdcon[anchor] : 0.0f;
        const float ay = anchor >= 0 ? f.yshdcon[anchor] : 0.0f;
        for (int32_t p = g.start; p < g.start + g.count; ++p) {
            const GlyphPoint pt = glyphPoint(a, p);
            float x, y;
            tr.apply(rec, float(pt.x) + g.dx, float(pt.y) + g.dy, x, y);
            if (p == g.start)
                qqmove(rec, x, y);
            else
                qqdraw(rec, x, y);
            if (outline) collect(x, y);
        }
        if (outline && !first && anchor >= 0) collect(ax, ay);
        first = false;
    }
}

// A stroke glyph.
void alfcon(GlobalRecord &rec, const AlphabetSlot &a, int index) {
    drawGlyph(rec, a, index, false);
}

// An outline glyph: drawn, and collected for the fill.
void shdcon(GlobalRecord &rec, const AlphabetSlot &a, int index) {
    drawGlyph(rec, a, index, true);
}

} // namespace

void lcinit(GlobalRecord &rec, int fontId) {
    FontState &f = rec.font;
    f.ifontyp = int(FontKind::stroke);
    f.npointtot = 0;
    f.nindextot = 0;
    f.nslots = 0;
    f.nfontid = fontId;
    f.nblank = strokeBlankWidth(fontId);
    f.xfixbas = 1.4f;
    f.palfcur = nullptr;
    rec.text.ialfsel = 0;
}

void lcsets(GlobalRecord &rec) {
    FontState &f = rec.font;
    if (f.nslots >= kAlphabetSlots) return;
    const AlphabetRegistration *registrations = strokeFontAlphabets(f.nfontid);
    if (registrations == nullptr) return;
    const AlphabetRegistration &r = registrations[f.nslots];
    if (!strokeAlphabet(f.nfontid, f.nslots + 1, f.slots[f.nslots])) return;
    f.npointtot += r.npoints < 0 ? -r.npoints : r.npoints;
    f.nindextot += r.nindex;
    ++f.nslots;
}

void selectStrokeFont(GlobalRecord &rec, int fontId) {
    lcinit(rec, fontId);
    for (int s = 0; s < kAlphabetSlots; ++s)
        lcsets(rec);
}

int alphabetCharacters(GlobalRecord &rec, int alphabet) {
    FontState &f = rec.font;
    if (f.nslots < kAlphabetSlots) selectStrokeFont(rec, f.nfontid);
    return f.slots[alphabet - 1].nchars;
}

void salfpa(GlobalRecord &rec, int alphabet) {
    TextState &t = rec.text;
    if (t.ialfsel == alphabet) return;
    FontState &f = rec.font;
    if (f.ifontyp == int(FontKind::postscript) && f.ipsmode != 0)
        switchPostScriptFont(rec, alphabet);
    if (f.nslots < kAlphabetSlots) selectStrokeFont(rec, f.nfontid);
    const AlphabetSlot &a = f.slots[alphabet - 1];
    const float h = float(t.nhchar);
    f.xalfscl = (h - 1.0f) * t.xtxtwth / float(a.metrics.unitsX);
    f.yalfscl = (h - 1.0f) / float(a.metrics.unitsY);
    t.xchrgap = t.itxtfix != 0 ? h * t.xtxtspc : h * (a.metrics.gapfac + t.xtxtspc);
    f.palfcur = &a;
    t.ialfsel = alphabet;
}

bool gcspec(int fontId, int alphabet, int &index) {
    const int i = index;
    const auto own = [&index](int mapped) {
        index = mapped;
        return false;
    };
    const auto fromStandard = [&index](int mapped) {
        index = mapped;
        return true;
    };
    switch (Alphabet(alphabet)) {
    case Alphabet::stan: return false;
    case Alphabet::russ:
        if (i >= 96) return fromStandard(32);
        if (within(i, 66, 95)) return own(i - 28);
        if (within(i, 34, 63)) return own(i - 26);
        if (within(i, 29, 31)) return own(i - 24);
        if (within(i, 5, 7)) return own(i - 3);
        return true;
    case Alphabet::scri:
        if (i >= 96) return own(i - 42);
        if (within(i, 66, 91)) return own(i - 38);
        if (within(i, 34, 59)) return own(i - 32);
        return true;
    case Alphabet::ital:
        if (fontId == int(StrokeFontId::complx)) {
            if (within(i, 99, 101)) return own(i - 71);
            if (within(i, 66, 91)) return own(i - 64);
            return true;
        }
        break; // gothic: the letter layout of Greek and math
    case Alphabet::gree:
    case Alphabet::math: break;
    }
    if (i >= 96) return fromStandard(32);
    if (within(i, 66, 91)) return own(i - 38);
    if (within(i, 34, 59)) return own(i - 32);
    return true;
}

float strokeCharacter(GlobalRecord &rec, int index) {
    TextState &t = rec.text;
    FontState &f = rec.font;
    const int alphabet = t.ialfsel;
    const int fontId = f.nfontid;
    const bool ownItalic =
        fontId == int(StrokeFontId::complx) || fontId == int(StrokeFontId::gothic);
    if (alphabet == int(Alphabet::ital) && !ownItalic) {
        t.islant = 1; // the standard glyphs, slanted
    } else if (alphabet != int(Alphabet::stan)) {
        const bool fromStandard = gcspec(fontId, alphabet, index);
        if (fromStandard) {
            salfpa(rec, 1);
            if (alphabet == int(Alphabet::scri) && fontId != int(StrokeFontId::gothic)) {
                t.islant = 1;
                // Script letters join up; a standard character after them keeps its distance.
                if (t.ialfmiss == 0 && index != 1) movePen(rec, t.xchrgap);
            }
            if (alphabet == int(Alphabet::ital) && fontId == int(StrokeFontId::complx))
                t.islant = 1;
        }
        t.ialfmiss = fromStandard ? 1 : 0;
    }

    const AlphabetSlot &a = *f.palfcur;
    const float h = float(t.nhchar);
    const bool fixed = t.itxtfix != 0;
    const float target = (h - 1.0f) * t.xtxtfix * f.xfixbas * t.xtxtwth;
    const float blank = fixed ? target : float(f.nblank) * f.xalfscl;
    if (index == 1) return blank;
    const float units = glyphAdvanceUnits(a, index);
    if (units < 0.0f) return blank; // no glyph: the place of a blank
    float width = units * f.xalfscl;
    if (fixed) {
        // The glyph is centred in the fixed width.
        const float before = (target - width) / 2.0f;
        movePen(rec, before);
        width = target - before;
    }
    if (t.itxtmeas == 0) {
        if (a.outline) {
            shdcon(rec, a, index);
            if (f.ishdcha != 0) shdfll(rec, f.nshdcon);
        } else {
            alfcon(rec, a, index);
        }
    }
    return width;
}
