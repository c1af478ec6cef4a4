// Level checks, keyword lookup and range checks: the first steps of every
// public routine.
#pragma once

struct GlobalRecord;

// The caller's record (created on first use) when its level lies in min..max;
// otherwise warning 3 with the level and null: the caller then returns at once.
GlobalRecord *jqqlev(int min, int max, const char *name);

// The lenient check of setters: warning 3 outside the levels 1..3, but the
// record comes back all the same so that the setter stores its value.
GlobalRecord &chkini(const char *name);

// 1-based index of keyword in a list of n four-character entries separated by
// "+" (as "CM  +INCH+POIN+TWIP"); only the first four characters of keyword
// count, upper-cased and blank-padded. Not found: warning 2 with the keyword, 0.
int jqqind(const char *list, int n, const char *keyword);

// The setters' common step: option becomes the keyword's place in the list,
// counted from 0; an unknown keyword (warned of by jqqind) leaves it as it was.
void setFromKeyword(int &option, const char *list, int n, const char *keyword);

// 1 (after warning 2 with the value) when value < min, or value > max while
// min <= max; 0 when the value is good. max below min means no upper bound.
int jqqval(int value, int min, int max);

// True when a rectangle's corner (x, y) is at least 0 and its width and
// height at least 1; otherwise warning 2 with the smaller offending value
// (of the corner first) and false.
bool goodRectangle(int x, int y, int width, int height);
