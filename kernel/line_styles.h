// Dashed and offset lines: the dash walk that connqq takes when a pattern or
// a sideways offset is in force.
#pragma once

struct GlobalRecord;

// Restarts the dash walk at the first element of the pattern.
void inityp(GlobalRecord &rec);

// Stores a pattern of n element lengths (plot units, each at least 1) and
// restarts the walk; the caller has checked the lengths.
void setDashPattern(GlobalRecord &rec, const int *lengths, int n);

// Line style n (0..7, as lintyp numbers them) without the level check, so
// that a routine can draw in a style and the warnings still name it.
void setLineStyle(GlobalRecord &rec, int n);

// connqq's branch for dashed or offset lines, to (x, y) after the origin shift.
void connectDashed(GlobalRecord &rec, float x, float y);
