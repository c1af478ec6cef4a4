// Date labels: the day, month and year parts in English or German, joined in
// the order and with the separator of labmod; and the labels of date axes
// that step by months.
#include <cmath>
#include <cstring>

#include "graphics2d/label_text.h"
#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/dates.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"

namespace {

constexpr const char *kWeekdays[2][7] = {
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"},
};
// "M!arz": the escape character ! with a stands for the umlaut.
constexpr const char *kMonths[2][12] = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Januar", "Februar", "M!arz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
     "November", "Dezember"},
};

// Date forms of labmod.
enum class DayForm { name = 0, shor, none, full, longForm };
enum class MonthForm { name = 0, shor, none, full, longForm, tiny };
enum class YearForm { full = 0, shor, none };

constexpr int kPartSize = 16;

// A number as SHOR ("%1d" below 10, else "%02d") or LONG ("%02d").
void numberPart(int v, bool longForm, char *out) {
    formatC(out, kPartSize, longForm || v >= 10 ? "%02d" : "%1d", v);
}

void dayPart(const AxisOptionState &o, int axis, int day, int month, int year, char *out) {
    out[0] = '\0';
    const bool german = o.ilmdlan[axis] == 1;
    switch (DayForm(o.ilmdday[axis])) {
    case DayForm::shor: numberPart(day, false, out); return;
    case DayForm::longForm: numberPart(day, true, out); return;
    case DayForm::none: return;
    case DayForm::name:
    case DayForm::full: {
        const int weekday = dayOfWeek(day, month, year);
        qqcopy(out, kWeekdays[german ? 1 : 0][weekday - 1], kPartSize - 1);
        if (DayForm(o.ilmdday[axis]) == DayForm::name) {
            if (german && weekday == 6) qqcopy(out, "Sa", kPartSize - 1);
            out[german ? 2 : 3] = '\0';
        }
        if (o.ilmdcas[axis] == 1) upstr(out);
        return;
    }
    }
}

void monthPart(const AxisOptionState &o, int axis, int month, char *out) {
    out[0] = '\0';
    const bool german = o.ilmdlan[axis] == 1;
    switch (MonthForm(o.ilmdmon[axis])) {
    case MonthForm::shor: numberPart(month, false, out); return;
    case MonthForm::longForm: numberPart(month, true, out); return;
    case MonthForm::none: return;
    case MonthForm::tiny:
        out[0] = kMonths[0][month - 1][0];
        out[1] = '\0';
        return;
    case MonthForm::name:
    case MonthForm::full:
        qqcopy(out, kMonths[german ? 1 : 0][month - 1], kPartSize - 1);
        if (MonthForm(o.ilmdmon[axis]) == MonthForm::name) out[german && month == 3 ? 4 : 3] = '\0';
        if (o.ilmdcas[axis] == 1) upstr(out);
        return;
    }
}

void yearPart(const AxisOptionState &o, int axis, int year, char *out) {
    out[0] = '\0';
    switch (YearForm(o.ilmdyea[axis])) {
    case YearForm::full: formatC(out, kPartSize, "%4d", year); return;
    case YearForm::shor: formatC(out, kPartSize, "%02d", year % 100); return;
    case YearForm::none: return;
    }
}

// The three parts in their order, the non-empty ones joined by the separator
// (none when it is 0).
void qqlbd2(const char *a, const char *b, const char *c, int separator, char *out) {
    out[0] = '\0';
    std::size_t n = 0;
    for (const char *part : {a, b, c}) {
        if (part[0] == '\0') continue;
        if (n > 0 && separator != 0 && n + 1 < kLabelTextSize) {
            out[n++] = char(separator);
            out[n] = '\0';
        }
        n += std::size_t(qqcopy(out + n, part, int(kLabelTextSize - 1 - n)));
    }
}

// Month steps of the kinds MONT QUAR HALF YEAR DMON.
constexpr int kStepMonths[6] = {0, 1, 3, 6, 12, 2};

int dayOfStart(float start) {
    return truncToInt(start >= 0.0f ? start + 0.1f : start - 0.1f);
}

void nextMonth(int &month, int &year) {
    if (++month > 12) {
        month = 1;
        ++year;
    }
}

void previousMonth(int &month, int &year) {
    if (--month < 1) {
        month = 12;
        --year;
    }
}

// Month steps need the base date, and day numbers that a calendar can count.
bool calendarReaches(const GlobalRecord &rec, float start, float end) {
    constexpr float kFarDays = 1.0e8f;
    return rec.date.nbasdat[4] == 1 && std::fabs(start) < kFarDays && std::fabs(end) < kFarDays;
}

} // namespace

void qqlbdt(GlobalRecord &rec, int day, int month, int year, int axis, char *out) {
    const AxisOptionState &o = rec.axes;
    const int i = axis - 1;
    char d[kPartSize], m[kPartSize], y[kPartSize];
    dayPart(o, i, day, month, year, d);
    monthPart(o, i, month, m);
    yearPart(o, i, year, y);
    const int sep = o.ilmdsep[i];
    switch (o.ilmdfor[i]) {
    case 1: qqlbd2(d, y, m, sep, out); return;  // DYM
    case 2: qqlbd2(m, d, y, sep, out); return;  // MDY
    case 3: qqlbd2(m, y, d, sep, out); return;  // MYD
    case 4: qqlbd2(y, d, m, sep, out); return;  // YDM
    case 5: qqlbd2(y, m, d, sep, out); return;  // YMD
    default: qqlbd2(d, m, y, sep, out); return; // DMY
    }
}

int jqqnlb(GlobalRecord &rec, float start, float end, int kind) {
    if (!calendarReaches(rec, start, end)) return 0;
    const int first = dayOfStart(start);
    // Backwards ranges count as far forwards.
    const float target = end < start ? 2.0f * start - end : end;
    int day = 0, month = 0, year = 0;
    dateOfDay(rec, first, day, month, year);
    int months = 0;
    long long days = 0;
    for (;;) {
        const int length = jqqmon(month, year);
        if (float(first + days + length) > target) break;
        days += length;
        ++months;
        nextMonth(month, year);
    }
    return months / kStepMonths[kind];
}

float qqxlab(GlobalRecord &rec, float start, float end, int &width, int i, int kind) {
    width = kind == 4 ? 365 : 30;
    if (!calendarReaches(rec, start, end)) return start;
    const int first = dayOfStart(start);
    int day = 0, month = 0, year = 0;
    dateOfDay(rec, first, day, month, year);
    long long days = 0;
    const int steps = i * kStepMonths[kind];
    for (int k = 0; k < steps; ++k) {
        if (end < start) {
            previousMonth(month, year);
            days -= jqqmon(month, year);
        } else {
            days += jqqmon(month, year);
            nextMonth(month, year);
        }
    }
    return float(first + days);
}
