// Date arithmetic: days from the base date of date axes, and weekdays.
#include "kernel/dates.h"

#include <array>
#include <climits>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr std::array<int, 12> kDaysOfMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr const char *kNoBaseDate = "no base date is defined with basdat";

struct Date {
    int day;
    int month;
    int year;
};

bool isBefore(const Date &a, const Date &b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

// Day of the year of a checked date: the earlier months of a common year, the
// day, and one more after February in a leap year.
int dayOfYear(const Date &d) {
    int days = d.day;
    for (int m = 1; m < d.month; ++m)
        days += kDaysOfMonth[m - 1];
    if (d.month > 2) days += jqqyea(d.year);
    return days;
}

// Leap years among the years 1..year (0 and below count none).
long long leapYearsUpTo(long long year) {
    if (year <= 0) return 0;
    return year / 4 - year / 100 + year / 400;
}

// Days from base to date, negative when the date lies before the base. The
// whole years between them are counted in closed form, so a far year takes no
// longer than a near one.
long long daysBetween(const Date &base, const Date &date) {
    const bool before = isBefore(date, base);
    const Date &a = before ? date : base;
    const Date &b = before ? base : date;
    const long long wholeYears = static_cast<long long>(b.year) - a.year;
    long long days = 365 * wholeYears + leapYearsUpTo(b.year - 1LL) - leapYearsUpTo(a.year - 1LL);
    days += dayOfYear(b) - dayOfYear(a);
    return before ? -days : days;
}

} // namespace

int dayOfYear(int day, int month, int year) {
    return dayOfYear(Date{day, month, year});
}

int jqqyea(int year) {
    return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

int jqqmon(int month, int year) {
    if (month < 1 || month > 12) return 0;
    return kDaysOfMonth[month - 1] + (month == 2 ? jqqyea(year) : 0);
}

int jqqdat(int day, int month, int year) {
    bool bad = true;
    int value = 0;
    if (day < 1 || day > 31)
        value = day;
    else if (month < 1 || month > 12)
        value = month;
    else if (year < 1000)
        value = year;
    else
        bad = false;
    // February is checked whatever was found above, and then the day is reported.
    if (month == 2 && (day > 29 || (day == 29 && jqqyea(year) == 0))) {
        bad = true;
        value = day;
    }
    if (bad) warni1(Warning::incorrectParameter, value);
    return bad ? 1 : 0;
}

bool checkBaseDate(GlobalRecord &rec) {
    if (rec.date.nbasdat[4] == 1) return true;
    qqserr(kNoBaseDate);
    warnin(Warning::ownText);
    return false;
}

int dayNumber(const GlobalRecord &rec, int day, int month, int year) {
    const int *base = rec.date.nbasdat;
    const long long days = daysBetween({base[0], base[1], base[2]}, {day, month, year});
    // Only years hundreds of thousands of years apart give more days than an int holds.
    if (days > INT_MAX) return INT_MAX;
    if (days < INT_MIN) return INT_MIN;
    return int(days);
}

void dateOfDay(const GlobalRecord &rec, int ndays, int &day, int &month, int &year) {
    const int *base = rec.date.nbasdat;
    long long n = static_cast<long long>(ndays) + base[3];
    int y = base[2];
    if (n < 1) {
        while (n < 1) {
            --y;
            n += 365 + jqqyea(y);
        }
    } else {
        while (n > 365 + jqqyea(y)) {
            n -= 365 + jqqyea(y);
            ++y;
        }
    }
    int m = 1;
    while (m < 12 && n > jqqmon(m, y)) {
        n -= jqqmon(m, y);
        ++m;
    }
    day = int(n);
    month = m;
    year = y;
}

extern "C" int incdat(int iday, int imon, int iyear) {
    GlobalRecord *rec = jqqlev(0, 3, "incdat");
    if (rec == nullptr || jqqdat(iday, imon, iyear) != 0) return 0;
    if (!checkBaseDate(*rec)) return 0;
    return dayNumber(*rec, iday, imon, iyear);
}

int dayOfWeek(int day, int month, int year) {
    // Weekdays are counted from Monday, 5 July 1999.
    const long long n = daysBetween({5, 7, 1999}, {day, month, year});
    return n >= 0 ? int(n % 7) + 1 : int((7 - (-n % 7)) % 7) + 1;
}

extern "C" int nwkday(int iday, int imon, int iyear) {
    if (jqqlev(0, 3, "nwkday") == nullptr || jqqdat(iday, imon, iyear) != 0) return 0;
    return dayOfWeek(iday, imon, iyear);
}
