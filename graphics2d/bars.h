// Internal routines of bar graphs.
#pragma once

struct GlobalRecord;

// n vertical bars (flat or with the 3-D look, as bartyp says): bar i at x[i]
// on the X axis from y1[i] to y2[i]. The arrays are the record's copy and
// may be rewritten (positions at the ticks, starts at the axis).
void vbars(GlobalRecord &rec, float x[], float y1[], float y2[], int n);

// The same with the axes exchanged: bar i at y[i] on the Y axis, from x1[i]
// to x2[i] along the X axis.
void hbars(GlobalRecord &rec, float x1[], float x2[], float y[], int n);

// The bar defaults that resall stores.
void resetBarDefaults(GlobalRecord &rec);
