// Calendar routines behind date axes: the leap-year rule, month lengths, the
// check of a date (incdat and nwkday are public, in kavlor.h).
#pragma once

struct GlobalRecord;

// 1 for a leap year (divisible by 4 and not by 100, or divisible by 400), else 0.
int jqqyea(int year);

// Days of the month 1..12 (February by the leap-year rule); 0 for any other month.
int jqqmon(int month, int year);

// 0 for an accepted date; otherwise warning 2 with the bad value and 1. The
// lengths of months other than February are not checked (31 April passes).
int jqqdat(int day, int month, int year);

// Day of the year of a date (1 for 1 January).
int dayOfYear(int day, int month, int year);

// True once basdat gave a base date; otherwise warning 101 "no base date is
// defined with basdat" and false.
bool checkBaseDate(GlobalRecord &rec);

// Days from the base date to a date (checked, and a base date given), negative
// before it; clamped to the int range.
int dayNumber(const GlobalRecord &rec, int day, int month, int year);

// The date of day number ndays counted from the base date (which must be given).
void dateOfDay(const GlobalRecord &rec, int ndays, int &day, int &month, int &year);

// Weekday of a checked date: 1 Monday ... 7 Sunday.
int dayOfWeek(int day, int month, int year);
