// The font records of the PostScript file: each font chosen is declared as a
// copy with the accented letters, and sized at the character height.
#include "devices/postscript.h"
#include "kernel/c_format.h"
#include "kernel/output_file.h"
#include "kernel/ps_fonts.h"
#include "kernel/record.h"

namespace {

constexpr float kPointsPerPlotUnit = 0.28346458f; // 72 / 254

// Size of the PostScript font for character height h, in the units of the
// PostScript output.
float postScriptSize(const GlobalRecord &rec, int h) {
    return (1000.0f / float(rec.font.npsunit)) * float(h) * rec.page.xdevscl * kPointsPerPlotUnit *
           0.5f;
}

} // namespace

void postScriptFontSize(GlobalRecord &rec) {
    char text[kFontNameLength + 48];
    const int n = formatC(text, sizeof text, "(%s) %.1f font ", rec.font.chwfont,
                          double(postScriptSize(rec, rec.text.nhchar)));
    qpsbuf(rec, text, n);
}

void postScriptFontSelected(GlobalRecord &rec) {
    const char *name = cfnt[rec.font.npsfont].name;
    // A copy of the font with the accented letters at the codes 127..186
    // (GermanVec of the prolog); the text is set in the copy.
    char text[4 * kFontNameLength];
    const int n = formatC(text, sizeof text, "(%s) (%s%s) GermanVec ReEncodeSmall ", name, name,
                          kGermanFontSuffix);
    qpsbuf(rec, text, n);
    formatC(rec.font.chwfont, sizeof rec.font.chwfont, "%s%s", name, kGermanFontSuffix);
    postScriptFontSize(rec);
}
