// Filling outline characters with lines.
#pragma once

struct GlobalRecord;

// Fills the n-point contour in the font's outline buffers (xshdcon, yshdcon)
// with lines 2 plot units apart; nothing while character filling (shdcha) is off.
void shdfll(GlobalRecord &rec, int n);

// Turns a span back by the hatch angle kept in the record and draws it.
void ffllin(GlobalRecord &rec, const float x[2], const float y[2]);
