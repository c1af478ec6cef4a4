// Internal routines of curves and the other plots in user coordinates: checks
// of the data against the axis system, spline curves, legend entries and the
// attribute cycle.
#pragma once

struct GlobalRecord;

// Reports each point outside the user limits of the axis system on the
// message stream (only while reports are on); y is not tested in polar systems.
void chkscl(GlobalRecord &rec, const float *x, const float *y, int n);

// 1 when x lies outside the x limits, 2 when y lies outside the y limits, else
// 0; a point outside is reported while reports are on.
int ckpkt2(GlobalRecord &rec, float x, float y);

// 1 after warning 27 when one of the values is not positive on logarithmic axis
// 1 (X) or 2 (Y) and neglog is off; else 0.
int jqqlgx(GlobalRecord &rec, const float *values, int n, int axis);

// jqqlgx of x on the X axis plus jqqlgx of y on the Y axis.
int jqqlog(GlobalRecord &rec, const float *x, const float *y, int n);

// Records the attributes of the curve now drawn as legend entry i (1..30).
void slegnd(GlobalRecord &rec, int i);

// The attribute cycle's next entry (chnatt on the record).
void advanceAttributes(GlobalRecord &rec);

// Marker 0 and the cycle at its first entry (resatt on the record).
void resetCurveAttributes(GlobalRecord &rec);
