// Label texts of numbers, exponent forms, powers of ten, degrees and times,
// and the dispatch by label kind (glabxy).
#include "graphics2d/label_text.h"

#include <cmath>
#include <cstring>

#include "graphics2d/label_kinds.h"
#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/dates.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"

namespace {

constexpr float kSecondsPerDay = 86400.0f;

char controlCharacter(const GlobalRecord &rec, MixRole role) {
    return rec.text.cmixchr[int(role)];
}

// Times of day: form 0 hours and minutes, 1 hours, 2 hours, minutes and seconds.
void timeText(const GlobalRecord &rec, float v, int form, char *out) {
    // Whole days make no difference to a time of day; far values are first
    // brought near it so that they fit an int.
    if (std::fabs(v) > 1.0e9f) v = std::fmod(v, kSecondsPerDay);
    int n = nintqq(v);
    while (n < 0)
        n += 86400;
    int hours = n / 3600;
    const int r = n % 3600;
    int minutes = form == 2 ? r / 60 : nintqq(float(r) / 60.0f);
    const int seconds = r - 60 * minutes;
    if (minutes == 60) {
        minutes = 0;
        ++hours;
    }
    hours %= 24;
    const bool colons = rec.axes.itimopt == 1;
    if (form == 1) {
        const int h = nintqq(float(n) / 3600.0f) % 24;
        formatC(out, kLabelTextSize, h < 10 ? "%1d" : "%2d", h);
    } else if (form == 2) {
        formatC(out, kLabelTextSize, colons ? "%02d:%02d:%02d" : "%02d%02d%02d", hours, minutes,
                seconds);
    } else {
        formatC(out, kLabelTextSize, colons ? "%02d:%02d" : "%02d%02d", hours, minutes);
    }
}

// Degrees with a raised o and, away from 0, a compass letter: form 2 (MAP)
// E W / N S, 3 (LMAP) in lower case, 1 (DMAP) signed values and no letter.
void degreeText(const GlobalRecord &rec, float v, int form, int axis, char *out) {
    const float shown = form == 1 ? v : std::fabs(v);
    char number[kNumberTextSize];
    fcha(shown, rec.axes.ndigits[axis - 1], number);
    formatC(out, kLabelTextSize, "%s%co%c", number, controlCharacter(rec, MixRole::exp),
            controlCharacter(rec, MixRole::res));
    if (std::fabs(v) <= 0.001f) return;
    char letter = ' ';
    if (form == 2 || form == 3) {
        const bool x = axis == 1;
        letter = v > 0.0f ? (x ? 'E' : 'N') : (x ? 'W' : 'S');
        if (form == 3) letter = char(letter - 'A' + 'a');
    }
    const std::size_t n = std::strlen(out);
    formatC(out + n, kLabelTextSize - n, " %c", letter);
}

} // namespace

bool shownLabelValue(const GlobalRecord &rec, LabelKind kind, float step, float &v) {
    if ((kind == LabelKind::exp || kind == LabelKind::fexp) && std::fabs(v) < 1.0e-7f &&
        std::fabs(v) < std::fabs(step) / 2.0f)
        v = 0.0f;
    return !(rec.axsys.iaxstyp == 1 && std::fabs(v) < rec.core.xeps);
}

void glabxy(GlobalRecord &rec, float v, int index, int logarithmic, int axis, char *out) {
    const AxisOptionState &o = rec.axes;
    const int i = axis - 1;
    const LabelKind kind = LabelKind(o.ilabels[i]);
    const int digits = o.ndigits[i];
    const bool log = logarithmic == 1;
    out[0] = '\0';
    switch (kind) {
    case LabelKind::myla: {
        const int count = o.nmylab[i] < 0 ? -o.nmylab[i] : o.nmylab[i];
        if (index >= 0 && index < count && index < kUserLabels)
            qqcopy(out, o.cmylab[i][index], kLabelTextSize - 1);
        return;
    }
    case LabelKind::date: {
        // Day numbers far beyond any calendar have no date.
        if (!(std::fabs(v) < 2.0e9f) || !checkBaseDate(rec)) return;
        int day = 0, month = 0, year = 0;
        dateOfDay(rec, truncToInt(v + 0.5f), day, month, year);
        qqlbdt(rec, day, month, year, axis, out);
        return;
    }
    case LabelKind::exp:
    case LabelKind::fexp:
        gexpno(rec, log ? std::pow(10.0f, v) : v, digits, out, kLabelTextSize,
               kind == LabelKind::exp ? 1 : 2);
        return;
    default: break;
    }
    if (log && LogLabelForm(o.ilabcls[i]) == LogLabelForm::powers) {
        char number[kNumberTextSize];
        fcha(v, digits, number);
        formatC(out, kLabelTextSize, "10%c%s%c", controlCharacter(rec, MixRole::exp), number,
                controlCharacter(rec, MixRole::res));
        return;
    }
    switch (LabelClass(o.ilabkin[i])) {
    case LabelClass::times: {
        int form = kind == LabelKind::hour ? 1 : (kind == LabelKind::seco ? 2 : 0);
        if (o.isetscl[i] == 1) form = o.itimfmt;
        timeText(rec, log ? std::pow(10.0f, v) : v, form, out);
        return;
    }
    case LabelClass::degrees: {
        const int form = kind == LabelKind::dmap ? 1 : (kind == LabelKind::lmap ? 3 : 2);
        degreeText(rec, log ? std::pow(10.0f, v) : v, form, axis, out);
        return;
    }
    default:
        if (log && LogLabelForm(o.ilabcls[i]) == LogLabelForm::values) v = std::pow(10.0f, v);
        fcha(v, digits, out);
        return;
    }
}

void endpar(int n, int mode, int &first, int &last, int &increment) {
    first = 0;
    last = n;
    increment = 1;
    switch (mode) {
    case 1: first = 1; break;
    case 2: last = n - 1; break;
    case 3:
        first = 1;
        last = n - 1;
        break;
    case 4: increment = n > 0 ? n : 1; break; // first and last; a single label once
    case 5: last = 0; break;
    case 6: first = n; break;
    default: break;
    }
}

LabelTextScope::LabelTextScope(GlobalRecord &rec, bool mixed, bool germanEscape)
    : rec_(rec), imixalf_(rec.text.imixalf), itexmod_(rec.tex.itexmod), ieushft_(rec.text.ieushft) {
    TextState &t = rec.text;
    std::memcpy(ceushft_, t.ceushft, sizeof ceushft_);
    if (mixed) {
        t.imixalf = 1;
        rec.tex.itexmod = 0;
    }
    if (germanEscape) {
        if (t.ieushft == 0)
            for (int &c : t.ceushft)
                c = 0;
        t.ceushft[0] = '!'; // GERM
        t.ieushft = 1;
    }
}

LabelTextScope::~LabelTextScope() {
    TextState &t = rec_.text;
    t.imixalf = imixalf_;
    rec_.tex.itexmod = itexmod_;
    t.ieushft = ieushft_;
    std::memcpy(t.ceushft, ceushft_, sizeof ceushft_);
}
