// SVG writer (device 801): an SVG 1.0 document in ISO-8859-1 with polylines in
// stroke groups (one per colour and width), filled rectangles and polygons,
// and text one character per element in font groups. Coordinates arrive in
// SVG user units (pixels of the page). The document collects in the record's
// SvgState sink and goes to the plot file.
#pragma once

struct GlobalRecord;

// The head of the document, for a page whose far corner is (width, height).
void svgStartDocument(GlobalRecord &rec, float width, float height);

// The pen operations of kernel/driver.h: kPenDraw to (x, y), kPenLineWidth x,
// kPenEndPiece, kPenFlush (the document ends); any other moves to (x, y).
void qqsvg2(GlobalRecord &rec, float x, float y, int op);

// mode 0 closes the open group; 1 opens a stroke group; 2 a text group.
void qqsvg1(GlobalRecord &rec, int mode);

// The pending path written and the open group closed: a new character
// height ends the text group, and the next character opens one of the new
// size (the driver's fontHeight).
void svgEndGroup(GlobalRecord &rec);

// Colour change: components 0..255.
void qqsvg3(GlobalRecord &rec, int r, int g, int b);

// Filled rectangle in its own colour.
void qqsvg4(GlobalRecord &rec, float x, float y, float width, float height, int r, int g, int b);

// One character (library code) at the pen (x, y) in plot units, in the current
// PostScript font, height and angle (rec.text); ISO-8859-1 with &, <, >
// escaped.
void qqsvg5(GlobalRecord &rec, int code, float x, float y);

// Opens a text group in the current PostScript font, text height and colour
// (qqsvg1 mode 2 after the open stroke group is closed).
void svgOpenTextGroup(GlobalRecord &rec);

// A solid polygon in the current colour: the vertices x[n], y[n] in plot units
// without the origin shift.
void fillPolygonSvg(GlobalRecord &rec, const float *x, const float *y, int n);
