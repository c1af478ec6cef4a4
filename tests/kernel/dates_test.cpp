// Date arithmetic: the leap-year rule, month lengths, the date check, days from
// the base date and weekdays, against a calendar computed independently here.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "kavlor.h"
#include "kernel/dates.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar, by
// the era arithmetic of civil calendars (no loop over years or months).
long long civilDays(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// ISO weekday, 1 Monday ... 7 Sunday (1 January 1970 was a Thursday).
int isoWeekday(long long y, int m, int d) {
    const long long days = civilDays(y, m, d);
    return int(((days + 3) % 7 + 7) % 7) + 1;
}

class Dates : public FreshRecord {
  protected:
    void setBaseDate(int day, int month, int year) {
        int *base = currentRecord().date.nbasdat;
        base[0] = day;
        base[1] = month;
        base[2] = year;
        base[4] = 1;
    }
};

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_EQ(jqqyea(2000), 1);
    EXPECT_EQ(jqqyea(1900), 0);
    EXPECT_EQ(jqqyea(2004), 1);
    EXPECT_EQ(jqqyea(2001), 0);
    EXPECT_EQ(jqqyea(2400), 1);
    EXPECT_EQ(jqqmon(2, 2000), 29);
    EXPECT_EQ(jqqmon(2, 1900), 28);
    EXPECT_EQ(jqqmon(4, 2005), 30);
    EXPECT_EQ(jqqmon(12, 2005), 31);
    // A month outside 1..12 has no length (and reads nothing beyond the table).
    EXPECT_EQ(jqqmon(0, 2005), 0);
    EXPECT_EQ(jqqmon(13, 2005), 0);
    EXPECT_EQ(jqqmon(INT_MIN, 2005), 0);
}

TEST_F(Dates, DateCheckReportsTheBadValue) {
    struct Case {
        int day, month, year;
        const char *warning; // the value in the warning line, or null for an accepted date
    };
    const Case cases[] = {
        {29, 2, 2000, nullptr}, {31, 4, 2005, nullptr}, // the length of April is not checked
        {1, 1, 1000, nullptr},  {29, 2, 1900, "  29"},  {30, 2, 2000, "  30"}, {1, 1, 999, " 999"},
        {0, 5, 2000, "   0"},   {32, 1, 2000, "  32"},  {1, 13, 2000, "  13"}, {1, 0, 2000, "   0"},
        {29, 2, 999, "  29"}, // February's day is reported even after a bad year
    };
    jqqlev(0, 3, "basdat");
    for (const Case &c : cases) {
        int result = -1;
        const std::string out = captureStdout([&] { result = jqqdat(c.day, c.month, c.year); });
        if (c.warning == nullptr) {
            EXPECT_EQ(result, 0) << c.day << "." << c.month << "." << c.year;
            EXPECT_EQ(out, "");
        } else {
            EXPECT_EQ(result, 1) << c.day << "." << c.month << "." << c.year;
            EXPECT_EQ(out, std::string(" <<<< Warning   2: Incorrect parameter in basdat!   (") +
                               c.warning + ")\n");
        }
    }
}

TEST_F(Dates, Weekdays) {
    EXPECT_EQ(nwkday(5, 7, 1999), 1);
    EXPECT_EQ(nwkday(4, 7, 1999), 7);
    EXPECT_EQ(nwkday(1, 1, 2000), 6);
    EXPECT_EQ(nwkday(28, 6, 1999), 1);
    EXPECT_EQ(nwkday(29, 2, 2000), 2);
    // Every 17th day over a thousand years, before and after the reference Monday.
    for (long long days = civilDays(1600, 1, 1); days < civilDays(2600, 1, 1); days += 17) {
        const auto ymd =
            std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{days}}};
        const int y = int(ymd.year());
        const int m = int(unsigned(ymd.month()));
        const int d = int(unsigned(ymd.day()));
        ASSERT_EQ(nwkday(d, m, y), isoWeekday(y, m, d)) << d << "." << m << "." << y;
    }
}

TEST_F(Dates, WeekdayOfABadDateIsZero) {
    int result = -1;
    EXPECT_EQ(captureStdout([&] { result = nwkday(29, 2, 2001); }),
              " <<<< Warning   2: Incorrect parameter in nwkday!   (  29)\n");
    EXPECT_EQ(result, 0);
}

TEST_F(Dates, DaysFromTheBaseDate) {
    setBaseDate(1, 1, 2000);
    EXPECT_EQ(incdat(1, 1, 2001), 366);
    EXPECT_EQ(incdat(31, 12, 1999), -1);
    EXPECT_EQ(incdat(1, 1, 2000), 0);
    EXPECT_EQ(incdat(1, 3, 2000), 60);
    EXPECT_EQ(incdat(1, 3, 1900), -36465);

    setBaseDate(17, 8, 1987);
    const long long base = civilDays(1987, 8, 17);
    for (long long days = civilDays(1000, 3, 1); days < civilDays(3000, 1, 1); days += 29) {
        const auto ymd =
            std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{days}}};
        ASSERT_EQ(incdat(int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year())),
                  days - base);
    }
}

TEST_F(Dates, NoBaseDate) {
    int result = -1;
    EXPECT_EQ(captureStdout([&] { result = incdat(1, 1, 2001); }),
              " <<<< Warning 101: no base date is defined with basdat in incdat!\n");
    EXPECT_EQ(result, 0);
    // A bad date is reported first, and only it.
    EXPECT_EQ(captureStdout([&] { result = incdat(1, 1, 999); }),
              " <<<< Warning   2: Incorrect parameter in incdat!   ( 999)\n");
    EXPECT_EQ(result, 0);
    // Weekdays need no base date of the caller.
    EXPECT_EQ(captureStdout([&] { result = nwkday(5, 7, 1999); }), "");
    EXPECT_EQ(result, 1);
}

TEST_F(Dates, WeekdaysLeaveTheBaseDateAlone) {
    setBaseDate(3, 4, 2010);
    EXPECT_EQ(nwkday(1, 1, 2000), 6);
    const int *base = currentRecord().date.nbasdat;
    EXPECT_EQ(base[0], 3);
    EXPECT_EQ(base[1], 4);
    EXPECT_EQ(base[2], 2010);
    EXPECT_EQ(base[4], 1);
    EXPECT_EQ(incdat(4, 4, 2010), 1);
}

TEST_F(Dates, FarYearsAreCountedAtOnce) {
    // Years a few hundred thousand years apart fill an int; beyond that the count
    // stops at the largest int. Weekdays are exact at any distance.
    setBaseDate(1, 1, 2000);
    EXPECT_EQ(incdat(1, 1, 2000 + 400 * 5000), 146097 * 5000);
    EXPECT_EQ(incdat(1, 1, INT_MAX), INT_MAX);
    EXPECT_EQ(nwkday(31, 12, INT_MAX), isoWeekday(INT_MAX, 12, 31));
    EXPECT_EQ(nwkday(1, 1, 1000), isoWeekday(1000, 1, 1));
}

} // namespace
