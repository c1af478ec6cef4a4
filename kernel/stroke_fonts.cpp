// The catalogue of the stroke fonts, their metrics and the glyph record walk.
#include "kernel/stroke_fonts.h"

#include <array>

namespace {

using namespace fontdata;

constexpr int32_t kStan = 132;   // characters of most standard alphabets (codes 32..163)
constexpr int32_t kLetters = 95; // Greek, math, Cyrillic, gothic alphabets (codes 32..126)
constexpr int32_t kItalic = 102; // italic and script alphabets (codes 32..133)

// A slot with tables of its own.
constexpr AlphabetRegistration own(const GlyphTables &t, int32_t nchars) {
    return {&t, t.packed ? t.npoints : -t.npoints, t.nindex, nchars};
}
// A slot that has its own index table but draws slot 1's points.
constexpr AlphabetRegistration ownIndex(const GlyphTables &t, int32_t nchars) {
    return {&t, 0, t.nindex, nchars};
}
// lcital: slot 1's tables, drawn slanted.
constexpr AlphabetRegistration kItalicOfStan = {nullptr, 0, 0, kItalic};

using Catalogue = std::array<AlphabetRegistration, kAlphabetSlots>;

const Catalogue kKavalf = {own(kavalfStan, kStan), ownIndex(kavalfGreek, kLetters),
                           own(lcmath, kLetters),  kItalicOfStan,
                           own(lcomsc, kItalic),   own(lcomcy, kLetters)};
const Catalogue kComplx = {own(lcomro, 231),     own(lcomgr, kLetters), own(lcmath, kLetters),
                           own(lcomit, kItalic), own(lcomsc, kItalic),  own(lcomcy, kLetters)};
const Catalogue kSimplx = {own(simplxStan, kStan), ownIndex(simplxGreek, kLetters),
                           own(lcmath, kLetters),  kItalicOfStan,
                           own(lcomsc, kItalic),   own(lcomcy, kLetters)};
const Catalogue kGothic = {own(lgroma, kLetters), own(lcomgr, kLetters), own(lcmath, kLetters),
                           own(lgital, kLetters), own(lgscri, kItalic),  own(lcomcy, kLetters)};

// The fonts whose slots 2..6 are the common ones.
Catalogue withCommonSlots(const GlyphTables &stan) {
    return {own(stan, kStan), own(lcomgr, kLetters), own(lcmath, kLetters),
            kItalicOfStan,    own(lcomsc, kItalic),  own(lcomcy, kLetters)};
}
const Catalogue kDuplx = withCommonSlots(duplxStan);
const Catalogue kTriplx = withCommonSlots(triplxStan);
const Catalogue kHelve = withCommonSlots(helveStan);
const Catalogue kHelves = withCommonSlots(helvesStan);
const Catalogue kSerif = withCommonSlots(serifStan);

} // namespace

const AlphabetRegistration *strokeFontAlphabets(int fontId) {
    switch (StrokeFontId(fontId)) {
    case StrokeFontId::kavalf: return kKavalf.data();
    case StrokeFontId::complx: return kComplx.data();
    case StrokeFontId::simplx: return kSimplx.data();
    case StrokeFontId::duplx: return kDuplx.data();
    case StrokeFontId::triplx: return kTriplx.data();
    case StrokeFontId::gothic: return kGothic.data();
    case StrokeFontId::helve: return kHelve.data();
    case StrokeFontId::helves: return kHelves.data();
    case StrokeFontId::serif: return kSerif.data();
    }
    return nullptr;
}

AlphabetMetrics strokeAlphabetMetrics(int fontId, int slot) {
    AlphabetMetrics m = {20, 21, 0.25f};
    const bool own = slot == 1 || slot == 2 || slot == 4;
    if (fontId == 1 && own) m = {6, 7, 0.0f};
    if (fontId >= 11 && (slot == 1 || slot == 4)) m = {200, 200, 0.2f};
    if (slot == 5 && fontId != int(StrokeFontId::gothic)) m.gapfac = 0.0f;
    return m;
}

int32_t strokeBlankWidth(int fontId) {
    if (fontId == 1) return 6;
    return fontId > 10 ? 60 : 9;
}

bool strokeAlphabet(int fontId, int alphabet, StrokeAlphabet &out) {
    const AlphabetRegistration *slots = strokeFontAlphabets(fontId);
    if (slots == nullptr || alphabet < 1 || alphabet > kAlphabetSlots) return false;
    const AlphabetRegistration &first = slots[0];
    const AlphabetRegistration &reg = slots[alphabet - 1];
    const GlyphTables &points = reg.npoints != 0 ? *reg.tables : *first.tables;
    const GlyphTables &index = reg.nindex != 0 ? *reg.tables : *first.tables;
    out = StrokeAlphabet{};
    out.fontId = fontId;
    out.alphabet = alphabet;
    out.x = points.x;
    out.y = points.y;
    out.npoints = points.npoints;
    out.packed = points.packed;
    out.index = index.index;
    out.nindex = index.nindex;
    out.nrecords = index.nrecords;
    out.nchars = reg.nchars;
    out.primary = alphabet == 1 || reg.nindex == 0;
    out.outline = fontId >= 11 && out.primary;
    out.metrics = strokeAlphabetMetrics(fontId, alphabet);
    return true;
}

GlyphPoint glyphPoint(const StrokeAlphabet &a, int32_t position) {
    const int16_t *x = a.x + (position - 1);
    if (a.packed) return {lowSignedByte(*x), highSignedByte(*x)};
    return {*x, a.y[position - 1]};
}

GlyphRecordReader::GlyphRecordReader(const StrokeAlphabet &a, int charIndex) : a_(a) {
    if (a.index == nullptr || charIndex < 2 || charIndex > a.nrecords + 1) return;
    int32_t pos = 0;
    for (int k = 2; k < charIndex; ++k) {
        if (pos >= a.nindex || a.index[pos] < 1) return;
        pos += a.index[pos];
    }
    if (pos >= a.nindex) return;
    const int32_t length = a.index[pos];
    if (length < 1 || pos + length > a.nindex) return;
    // Every group must lie inside the record and point into the point table.
    for (int32_t j = pos + 1; j < pos + length;) {
        const int32_t count = a.index[j];
        const int32_t size = count < 0 ? 3 : 2;
        if (count == 0 || j + size > pos + length) return;
        const int32_t n = count < 0 ? -count : count;
        const int32_t start = a.index[j + 1];
        if (start < 1 || start + n - 1 > a.npoints) return;
        j += size;
    }
    begin_ = pos;
    length_ = length;
    pos_ = pos + 1;
}

bool GlyphRecordReader::next(GlyphGroup &group) {
    if (!valid() || pos_ >= begin_ + length_) return false;
    const int16_t *e = a_.index + pos_;
    group.start = e[1];
    if (e[0] > 0) {
        group.count = e[0];
        group.dx = group.dy = 0.0f;
        pos_ += 2;
    } else {
        const float factor = glyphOffsetFactor(a_);
        group.count = -e[0];
        group.dx = float(lowSignedByte(e[2])) * factor;
        group.dy = float(highSignedByte(e[2])) * factor;
        pos_ += 3;
    }
    return true;
}

float glyphAdvanceUnits(const StrokeAlphabet &a, int charIndex) {
    if (charIndex == 1) return float(strokeBlankWidth(a.fontId));
    GlyphRecordReader reader(a, charIndex);
    if (!reader.valid()) return -1.0f;
    if (a.fontId == 1 && a.primary) return 6.0f;
    float width = 0.0f;
    GlyphGroup g;
    while (reader.next(g))
        for (int32_t p = g.start; p < g.start + g.count; ++p) {
            const float x = float(glyphPoint(a, p).x) + g.dx;
            if (x > width) width = x;
        }
    return width;
}

int32_t strokeCodeUnicode(int code) {
    if (code < 32 || code >= 32 + fontdata::kStrokeCodes) return 0;
    return fontdata::strokeCodeCharacters[code - 32];
}
