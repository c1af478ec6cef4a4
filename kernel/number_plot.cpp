// Plotted numbers: number and nlnumb in the formats of numfmt (FLOA, EXP,
// FEXP, LOG) with the national characters of numode, and gexpno, the text of
// a number in exponent form that axis labels share.
#include <cmath>
#include <cstring>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/levels.h"
#include "kernel/number_text.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"

namespace {

enum class NumberFormat { floa = 0, exp = 1, fexp = 2, log = 3 };

constexpr int kTailLength = 8; // the exponent part of EXP and FEXP texts
// Room for a number text and what EXP, FEXP and LOG add to it.
constexpr std::size_t kPlotTextSize = kNumberTextSize + 2 + kTailLength + 2;

// The text that number plots: the digits with the national characters, and
// around them what the format adds. Mixed-alphabet control characters
// raise the exponents.
void numberText(GlobalRecord &rec, float x, int ndig, char *text) {
    const NumberFormat format = NumberFormat(rec.number.inumfmt);
    char digits[kNumberTextSize + 16];
    char tail[kTailLength + 1] = "";
    int n = 0;
    if (format == NumberFormat::exp || format == NumberFormat::fexp) {
        n = gexpno(rec, x, ndig, digits, sizeof digits, format == NumberFormat::exp ? 1 : 2);
        const char *cut = std::strchr(digits, format == NumberFormat::exp ? '*' : 'E');
        if (cut != nullptr) {
            qqcopy(tail, cut, kTailLength);
            n = int(cut - digits);
            digits[n] = '\0';
        }
    } else {
        n = fcha(x, ndig, digits);
    }
    n = gnustr(digits, n, rec.number.cnumode, kNumberTextSize);
    const TextState &t = rec.text;
    const char exp[2] = {t.cmixchr[int(MixRole::exp)], '\0'};
    const char res[2] = {t.cmixchr[int(MixRole::res)], '\0'};
    switch (format) {
    case NumberFormat::floa: formatC(text, kPlotTextSize, "%s", digits); break;
    case NumberFormat::log: formatC(text, kPlotTextSize, "10%s%s%s", exp, digits, res); break;
    case NumberFormat::exp:
    case NumberFormat::fexp: formatC(text, kPlotTextSize, "%s%s%s", digits, res, tail); break;
    }
}

// Runs draw with the number's settings: fixed spacing for the exponent form
// EQUA, and the exponent and index characters for every format but FLOA.
template <class Draw> void withNumberSettings(GlobalRecord &rec, Draw draw) {
    TextState &t = rec.text;
    const int fixed = t.ifixspc, mixed = t.imixalf;
    const float factor = t.xfixspc;
    if (rec.number.cnumode[3] == '1') {
        t.ifixspc = 1;
        t.xfixspc = 0.7f;
    }
    if (NumberFormat(rec.number.inumfmt) != NumberFormat::floa) t.imixalf = 1;
    draw();
    t.ifixspc = fixed;
    t.xfixspc = factor;
    t.imixalf = mixed;
}

} // namespace

int gexpno(GlobalRecord &rec, float value, int digits, char *out, std::size_t size, int form) {
    float mantissa = 0.0f;
    int exponent = 0;
    if (value != 0.0f && std::isfinite(value)) {
        exponent = truncToInt(std::floor(std::log10(std::fabs(double(value)))));
        mantissa = float(double(value) / std::pow(10.0, exponent));
        if (std::fabs(mantissa) >= 10.0f) {
            mantissa /= 10.0f;
            exponent += 1;
        } else if (std::fabs(mantissa) < 1.0f) {
            mantissa *= 10.0f;
            exponent -= 1;
        }
    }
    char m[kNumberTextSize];
    fcha(mantissa, digits, m);
    char k[16];
    intcha(exponent, k);
    const TextState &t = rec.text;
    if (form == 1)
        return formatC(out, size, "%s*10%c%s%c", m, t.cmixchr[int(MixRole::exp)], k,
                       t.cmixchr[int(MixRole::res)]);
    return formatC(out, size, "%sE%s", m, k);
}

extern "C" void number(float x, int ndig, int nx, int ny) {
    GlobalRecord *rec = jqqlev(1, 3, "number");
    if (rec == nullptr || jqqval(ndig, -1, 100) != 0) return;
    char text[kPlotTextSize];
    numberText(*rec, x, ndig, text);
    withNumberSettings(*rec, [&] { plotText(*rec, text, nx, ny); });
}

int numberLength(GlobalRecord &rec, float x, int ndig) {
    char text[kPlotTextSize];
    numberText(rec, x, ndig, text);
    int length = 0;
    withNumberSettings(rec, [&] { length = measureText(rec, text); });
    return length;
}

extern "C" int nlnumb(float x, int ndig) {
    GlobalRecord *rec = jqqlev(1, 3, "nlnumb");
    if (rec == nullptr || jqqval(ndig, -1, 100) != 0) return 0;
    return numberLength(*rec, x, ndig);
}
