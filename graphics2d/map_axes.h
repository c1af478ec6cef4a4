// The axes of map axis systems: one labelled axis of longitudes or latitudes
// whose ticks and labels stand where meridians and parallels cross it.
#pragma once

struct GlobalRecord;

// Draws one map axis of nlen plot units from (nx, ny): iax 1 longitudes
// along x, 2 latitudes along y upwards; it 0 or 1 is the side of ticks and
// labels as for daxis.
void daxmap(GlobalRecord &rec, float a, float b, float orig, float step, int nlen, const char *name,
            int it, int nx, int ny, int iax);

// Where the meridian lon crosses the row (plot y): its plot x, or false when
// it crosses outside the axis system's width, or meets the row only at a
// pole (where all meridians meet).
bool xcutmp(const GlobalRecord &rec, float lon, int row, float &x);
// Where the parallel lat crosses the column (plot x): its plot y, or false
// when it crosses outside the axis system's height.
bool ycutmp(const GlobalRecord &rec, float lat, int column, float &y);

// True when an axis from a to b with labels every step (and nticks ticks per
// label step) carries no more marks than a page can show; else warning 2.
// Every loop over an axis's marks is bounded by it.
bool boundedMapAxis(float a, float b, float step, int nticks);
