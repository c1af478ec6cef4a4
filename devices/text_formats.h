// The four text formats written by the library itself: the GKSL text metafile,
// the Kyocera printer language, HPGL and Java applet source. Each takes device
// points (already converted) and writes its records; the pens take the pen
// operations of kernel/driver.h, kPenDraw drawing and any other moving.
#pragma once

struct GlobalRecord;

// GKSL: the page size header, pen records, colour records, the end record.
void gkslHeader(GlobalRecord &rec);
void gkslPen(GlobalRecord &rec, float x, float y, int op);
void gkslColour(GlobalRecord &rec, int index);
void gkslTrailer(GlobalRecord &rec);

// Kyocera.
void kyoceraHeader(GlobalRecord &rec);
void kyoceraPen(GlobalRecord &rec, int x, int y, int op);
void kyoceraBox(GlobalRecord &rec, int x, int y, int width, int height, int pattern);
void kyoceraArc(GlobalRecord &rec, int x, int y, int r1, int r2, int a1, int a2, int pattern);
void kyoceraTrailer(GlobalRecord &rec);
void kyoceraNewPage(GlobalRecord &rec);
// Kyocera arc or sector in fill pattern 1..9 (0 draws nothing) about the page
// point (x, y), between the radii r1 and r2 and the angles a1 and a2 (degrees,
// counter-clockwise from the x axis); the origin shift is added.
void kdarc(GlobalRecord &rec, int x, int y, int r1, int r2, float a1, float a2, int pattern);

// HPGL.
void hpglHeader(GlobalRecord &rec);
void hpglPen(GlobalRecord &rec, int x, int y, int op);
void hpglColour(GlobalRecord &rec, int index);
void hpglTrailer(GlobalRecord &rec);

// Java applet source.
void javaHeader(GlobalRecord &rec);
void javaPen(GlobalRecord &rec, int x, int y, int op);
void javaColour(GlobalRecord &rec, int r, int g, int b);
void javaFillRect(GlobalRecord &rec, int x, int y, int width, int height);
void javaClear(GlobalRecord &rec);
void javaTrailer(GlobalRecord &rec);
