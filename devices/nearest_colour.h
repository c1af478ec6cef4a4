// qqgind: the nearest colour number of the DriverRecord's colour table.
#pragma once

struct DriverRecord;

// Colour-table kinds with fewer entries (DriverRecord.ivltkind).
constexpr int kColourTableSmall = 0; // SMAL: 9 entries
constexpr int kColourTableVga = 7;   // VGA: 16 entries

// The last table entry in use for a table kind: 8 for SMAL, 15 for VGA, else 255.
int lastColourEntry(int ivltkind);

// Black and white are answered first by entry 0, else by the last entry, when
// that entry is exactly the colour. Otherwise the smallest |dr| + |dg| + |db|
// wins, the first met: the table is scanned upward when blue > 0, downward from
// the last entry when blue is 0.
int qqgind(const DriverRecord &driver, int red, int green, int blue);
