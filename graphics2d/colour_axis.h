// The colour axis: the Z axis of graf3 that maps values to the colours of the
// colour range, the colour bar that shows it, and the coloured points of
// colour plots.
#pragma once

struct GlobalRecord;

// Start and end of the Z axis (exponents on a logarithmic Z axis): the user
// limits, the plot scale over the Z length and the colours per z unit.
void setzpa(GlobalRecord &rec, float za, float ze);
// First label and step of the Z axis.
void setzsc(GlobalRecord &rec, float zor, float zstp);

// Colour number of z on the Z axis: a colour of the range, or the table's
// colours for values below and above the axis.
int jqqclr(const GlobalRecord &rec, float z);

// A colour bar of the colour range from (x, y), length plot units long and
// nwidbar wide, with its axis from za to ze: vertical (id 0, upwards) or
// horizontal (id 1, to the right). side 0 puts the axis on the right of a
// vertical and below a horizontal bar, side 1 on the other side.
void colbar(GlobalRecord &rec, float za, float ze, float zor, float zstp, int length,
            int logarithmic, int id, const char *name, int side, int x, int y);

// The ends of a logarithmic bar rounded outwards to whole exponents: the
// start (and the first label) for mode 1 (FIRS), both ends for mode 2 (BOTH).
void newzsc(const GlobalRecord &rec, float &za, float &ze, float &zor, int mode);

// One point of a colour plot: a box of w x h plot units centred on the user
// point (x, y) in the colour of z. A point outside the axis scaling is
// reported and not drawn; with nobgd neither is one in the below-range colour.
void rpoint(GlobalRecord &rec, float x, float y, float z, int w, int h);

// Cell width and height that let nx by ny points cover axes of lenx by leny
// plot units; one unit more on file devices.
void gautrs(const GlobalRecord &rec, int &w, int &h, int nx, int ny, int lenx, int leny);
