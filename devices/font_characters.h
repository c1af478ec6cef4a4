// The characters of the PostScript fonts on PostScript and PDF: the record
// of the PostScript prolog's c, and what the PDF writer's character routine
// receives.
#pragma once

struct GlobalRecord;

// A PostScript character centred on its baseline point, as the record
// "%5d %5d %5d %5d c " (code, device x, y, angle).
void pschar(GlobalRecord &rec, int code, float x, float y, float width);

// What the PDF writer's character routine (qqpdf5) receives for a character
// at the pen point (x, y): the pending lines are flushed first.
struct PdfCharacter {
    int code;
    float matrix[6]; // text matrix: cos, sin, -sin, cos and the position in points
    int angle;       // degrees
    int font;        // PostScript font index
    int size;        // trunc((1000 / unit) * h * device scale * 10 + 0.5)
};
PdfCharacter pdfCharacter(GlobalRecord &rec, int code, float x, float y);
