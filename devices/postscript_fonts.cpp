// The font records of the PostScript file: the size of the font in force,
// written when the character height changes.
#include "devices/postscript.h"
#include "kernel/c_format.h"
#include "kernel/output_file.h"
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
