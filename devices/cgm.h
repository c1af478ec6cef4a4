// CGM writer (device 211): a binary Computer Graphics Metafile in the binary
// encoding, big-endian, written through the 80-byte record buffer (qqsbuf).
// Element header: class in bits 12..15, id in bits 5..11, parameter length in
// bits 0..4 (31: the long form, a 16-bit length word follows).
#pragma once

struct GlobalRecord;

// mode 1: metafile header and the first picture; mode 2: end of the current
// picture and start of the next.
void inicgm(GlobalRecord &rec, int mode);

// A string parameter in long form: length word, count, characters, pad.
void qqcgm1(GlobalRecord &rec, const char *text);

// The pen path as POLYLINE elements of at most 50 points, by the pen
// operations of kernel/driver.h: kPenStart, kPenDraw, kPenEndPiece, kPenFlush
// (what is pending is written); any other moves. (x, y) are VDC units,
// rounded here.
void drwcgm(GlobalRecord &rec, float x, float y, int op);

// LINE COLOUR with a direct colour, after the pending path.
void cgmLineColour(GlobalRecord &rec, int r, int g, int b);

// END PICTURE and END METAFILE, after the pending path.
void cgmEnd(GlobalRecord &rec);
