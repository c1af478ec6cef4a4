// The built-in colour tables and the named colour sets.
#pragma once
#include <array>

#include "kernel/colour_state.h"

extern const std::array<int, 256> kRainbowTable;  // RAIN, 0xRRGGBB
extern const std::array<int, 256> kSpectrumTable; // SPEC

// Loads the built-in table of a kind into table: SMAL sets entries 0..8 and VGA
// 0..15 and leave the others as they are; the reversed kinds are reversed.
void loadColourTable(ColourTableKind kind, int (&table)[256]);

// Explicit values of WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC.
extern const std::array<int, 9> kNamedColours;
extern const std::array<int, 9> kNamedGreys;
