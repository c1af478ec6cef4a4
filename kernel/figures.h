// Figures in plot units: the polygons of ellipses, arcs and pies, and the
// outline-and-fill step that circles, ellipses, arcs and rectangles share.
#pragma once

struct GlobalRecord;

// The points of an ellipse of semi-axes na, nb (at least 1) about the origin,
// from alpha to beta degrees (counter-clockwise on the page; beta not above
// alpha adds a full turn), turned by theta degrees. With closeArc an arc of
// less than a full turn is closed through the centre (a pie). The points are
// whole numbers, held in the record's figure work memory; the count comes
// back, 0 when the arc is too short for a step, or -1 after warning 53.
int ellipsePoints(GlobalRecord &rec, int na, int nb, float alpha, float beta, float theta,
                  bool closeArc, float *&x, float *&y);

// An ellipse, arc or pie about (nx, ny) (plot units, internal y, without the
// origin shift): outlined when inoarln is 1, filled in the current pattern
// when the pattern fills. keep 0 draws the outline solid whatever the line
// style; pie 1 closes an arc through the centre. Semi-axes below 1: warning 2.
void elpsln(GlobalRecord &rec, int nx, int ny, int na, int nb, float alpha, float beta, float theta,
            int keep, int pie);

// What areaf does with a polygon it has in floats (plot units, internal y,
// without the origin shift): the outline through every point when inoarln is
// 1 (closed back to the first point when close is true), then the fill in the
// current pattern when it fills.
void outlineAndFill(GlobalRecord &rec, const float x[], const float y[], int n, bool close);
