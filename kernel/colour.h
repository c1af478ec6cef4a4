// Colour services other routines share.
#pragma once
#include "kernel/colour_state.h"

struct GlobalRecord;

// Loads a built-in table and everything derived from it, shows it and makes
// FORE current (setvlt without the level check).
void setvltKind(GlobalRecord &rec, ColourTableKind kind);

// The curve colour cycle: named colours WHIT..MAGE repeating.
void setColourCycle(GlobalRecord &rec);

// Value of a colour name by its 1-based index in WHIT RED GREE YELL BLUE ORAN
// CYAN MAGE BLAC FORE BACK.
int namedColourValue(const GlobalRecord &rec, int index);

// The components of a colour value, each 0..1.
void qqgrgb(const GlobalRecord &rec, int colour, float &r, float &g, float &b);
