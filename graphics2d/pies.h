// Internal routines of pie charts: the label lines and boxes of a segment,
// the wall of a 3-D segment, and the defaults of the pie options.
#pragma once

struct GlobalRecord;

// A label line: the left text (trailing blanks trimmed) and a blank, value
// with ndig decimals, " % " for a percentage (else " "), the right text.
// out holds size bytes and is always terminated.
void bldstr(char *out, int size, const char *left, const char *right, float value, int ndig,
            int ipercent);

// Width and height in plot units of the label box of segment i (1-based):
// its text lines from cbuf (nlin lines per segment) and its label lines.
void boxsiz(GlobalRecord &rec, const char *cbuf, int nlin, int i, float value, float percent,
            int &w, int &h);

// Draws the texts of the box of segment i with upper-left corner (x, y) and
// width w, justified by ijus (PieLabelJustify centre, left or right).
void boxdrw(GlobalRecord &rec, const char *cbuf, int nlin, int i, float value, float percent, int x,
            int y, int w, int ijus);

// The wall of a 3-D segment from a1 to a2 degrees on the ellipse of semi-axes
// rx, ry about (xm, ym), nh plot units high: outlined when the outline is on,
// filled when the pattern fills.
void qqpie1(GlobalRecord &rec, int xm, int ym, int rx, int ry, int nh, float a1, float a2);

// The hook called before each segment iseg with its value xdat and
// percentage xper: it may change the radius, the distance the segment is
// pulled out, the direction of that shift in degrees, the vertical shift of
// the label, and whether the segment (idrw) and its label (iany) are drawn.
// The library's own hook changes nothing.
void usrpie(int iseg, float xdat, float xper, int *nrad, int *noff, float *angle, int *nvy,
            int *idrw, int *iany);

// The pie options as resall leaves them.
void resetPieDefaults(GlobalRecord &rec);
