// Numbers as text: fixed-point and integer texts of numbers and their lengths,
// the number format and the national characters of plotted numbers.
//
// Texts are formatted in the "C" locale, so the caller's locale never changes
// them; the national decimal character comes from numode alone. Lengths and
// roundings are computed in double precision, which holds every float scaled by
// up to 100 decimal places, so no count overflows.
#include "kernel/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"

namespace {

// Digits of a non-negative whole number; 0 for more than 100 digits or for a
// value that is not finite.
int digitCount(double whole) {
    if (!std::isfinite(whole)) return 0;
    char digits[400]; // the largest double has 309 digits
    const int n = formatC(digits, sizeof digits, "%.0f", whole);
    return n <= 100 ? n : 0;
}

// An integer text is rounded by adding 0.5 to the magnitude and truncating;
// fixed-point texts round as printf does.
// (An integer has no negative zero: -0.4 gives 0.)
double roundedToInteger(float x) {
    const double value = x >= 0.0f ? std::trunc(double(x) + 0.5) : std::trunc(double(x) - 0.5);
    return value == 0.0 ? 0.0 : value;
}

bool isNegativeText(const std::string &text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string::npos && text[first] == '-';
}

// Inserts the separator between groups of three digits: leftwards from the
// decimal character at position point (the end of a text without one) and
// rightwards after it. A minus sign or leading blanks form no group of their own.
std::string grouped(const std::string &text, std::size_t point, char separator) {
    std::size_t start = point;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1])))
        --start;
    std::string out = text.substr(0, start);
    const std::size_t integerDigits = point - start;
    for (std::size_t i = 0; i < integerDigits; ++i) {
        if (i > 0 && (integerDigits - i) % 3 == 0) out += separator;
        out += text[start + i];
    }
    if (point >= text.size()) return out;
    out += text[point];
    std::size_t end = point + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    for (std::size_t j = point + 1; j < end; ++j) {
        if (j > point + 1 && (j - point - 1) % 3 == 0) out += separator;
        out += text[j];
    }
    out += text.substr(end);
    return out;
}

} // namespace

extern "C" int flen(float x, int ndig) {
    // Every negative count means an integer text; more than 100 decimals are
    // 100, as many as any number text of the library holds.
    ndig = std::clamp(ndig, -1, kMaxDecimals);
    const double magnitude = std::fabs(double(x));
    double v = magnitude + 0.5;
    if (ndig >= 1) {
        const double scale = std::pow(10.0, ndig);
        v = std::isfinite(scale) ? (magnitude * scale + 0.5) / scale : magnitude;
    }
    const int width = digitCount(std::trunc(v)) + 1 + ndig + (x < 0.0f ? 1 : 0);
    // An infinity or NaN has no digits to count; its text ("inf", "-nan") may
    // be wider than that, and the count must cover the text.
    if (!std::isfinite(x))
        return formatC(nullptr, 0, "%*.*f", width, ndig < 0 ? 0 : ndig, double(x));
    return width;
}

extern "C" int fcha(float x, int ndig, char *text) {
    ndig = std::clamp(ndig, -1, kMaxDecimals);
    if (x == 0.0f) x = 0.0f; // a negative zero has no sign in the count either
    const int width = flen(x, ndig);
    const double value = ndig < 0 ? roundedToInteger(x) : double(x);
    const int decimals = ndig < 0 ? 0 : ndig;
    // The caller's text holds the whole field: measure first, then write exactly that.
    const int n = formatC(nullptr, 0, "%*.*f", width, decimals, value);
    if (text != nullptr) formatC(text, std::size_t(n) + 1, "%*.*f", width, decimals, value);
    return n;
}

extern "C" int intlen(int n) {
    const long long magnitude = std::llabs(static_cast<long long>(n));
    int k = 1;
    for (long long power = 10; k < 10 && magnitude >= power; power *= 10)
        ++k;
    return k + (n < 0 ? 1 : 0);
}

extern "C" int intcha(int n, char *text) {
    char field[16];
    formatC(field, sizeof field, "%12d", n);
    const char *digits = field;
    while (*digits == ' ')
        ++digits;
    const int length = 12 - int(digits - field);
    if (text != nullptr) std::memcpy(text, digits, std::size_t(length) + 1);
    return length;
}

int gnustr(char *text, int len, const char *mode, std::size_t size) {
    if (text == nullptr || size == 0) return 0;
    std::string out(text, strnlen(text, len > 0 ? std::size_t(len) : 0));
    const std::size_t point = out.find('.');
    if (point != std::string::npos) out[point] = mode[0];
    if (mode[1] != '0') {
        out = grouped(out, point == std::string::npos ? out.size() : point, mode[1]);
        out.erase(out.find_last_not_of(' ') + 1);
    }
    // The sign character stands where a negative number has its minus sign.
    if (mode[2] != '0' && !isNegativeText(out)) out.insert(out.begin(), mode[2]);
    return qqcopy(text, out.c_str(), int(size) - 1);
}

extern "C" void numfmt(const char *format) {
    GlobalRecord &rec = chkini("numfmt");
    setFromKeyword(rec.number.inumfmt, "FLOA+EXP +FEXP+LOG ", 4, format);
}

extern "C" void numode(const char *decimal, const char *separator, const char *sign,
                       const char *exponent) {
    GlobalRecord *rec = jqqlev(1, 3, "numode");
    if (rec == nullptr) return;
    // Each option on its own: a keyword that is not in its list leaves only
    // that position unchanged.
    struct Option {
        const char *list;
        int entries;
        const char *stored; // the character stored for each entry
        const char *keyword;
    };
    const Option options[4] = {
        {"POIN+COMM", 2, ".,", decimal},
        {"NONE+SPAC+POIN+COMM", 4, "0 .,", separator},
        {"NONE+SPAC+PLUS", 3, "0 +", sign},
        {"NOEQ+EQUA", 2, "01", exponent},
    };
    for (int position = 0; position < 4; ++position) {
        const Option &o = options[position];
        const int i = jqqind(o.list, o.entries, o.keyword);
        if (i != 0) rec->number.cnumode[position] = o.stored[i - 1];
    }
}

void resetNumberDefaults(GlobalRecord &rec) {
    rec.number.inumfmt = 0;
    qqcopy(rec.number.cnumode, ".000");
}
