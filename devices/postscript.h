// PostScript and EPS writer (devices 501 POST, 502 PSCL, 503 EPS, 504 PS).
// The file is a header and a prolog of short operators (u d p e f text font c
// sec tri ReEncodeSmall), then a body of records built from them, all written
// through the record buffer (qpsbuf) in units of 1/508 inch.
#pragma once

struct GlobalRecord;

// Header comments, prolog, GermanVec and page set-up at kavini; starts the path.
void inipsc(GlobalRecord &rec);

// The pen path, by the pen operations of kernel/driver.h: kPenStart, kPenDraw
// to (x, y), kPenEndPiece (the next draw continues from the piece's last
// point), kPenFlush (what is pending is written); any other moves to (x, y).
// Paths are written as "x y u", "x y d" ..., "p" in pieces of at most 50
// points; each piece continues from the last point of the one before. (x, y)
// are device units, rounded here.
void drwpsc(GlobalRecord &rec, float x, float y, int op);

// A solid polygon filled by the device: the vertices x[n], y[n] in plot units
// without the origin shift, written as "x y u", "x y d" ..., the first vertex
// again, and "eofill " in the current colour.
void fillPolygonPostScript(GlobalRecord &rec, const float *x, const float *y, int n);

// Device point of a page point in PostScript units, rounded (boxes and fills).
void postScriptPoint(const GlobalRecord &rec, float x, float y, int &px, int &py);

// The records that declare the PostScript font in force (rec.font.npsfont)
// as its copy with the accented letters, whose name goes into
// rec.font.chwfont, and size it: the driver's fontSelected.
void postScriptFontSelected(GlobalRecord &rec);

// The record "(name) size font " of the font in force (rec.font.chwfont) at
// the character height: the driver's fontHeight.
void postScriptFontSize(GlobalRecord &rec);
