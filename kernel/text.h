// The text engine: strings placed, measured and drawn character by character
// in the current font. Axis labels, titles, legends, page headers and numbers
// all reach the page through qqmess; every length of a text comes from
// measureText (the public nlmess).
//
// Coordinates are page coordinates in plot units, y downwards. A text at angle
// a runs along (cos a, -sin a); (sin a, cos a) points down from the top of
// the characters to their baseline.
#pragma once

struct GlobalRecord;

// Draws text with its upper-left corner at (nx, ny); nx = ny = 999 continues
// where the previous text ended. No level check, no page-origin conversion.
void qqmess(GlobalRecord &rec, const char *text, int nx, int ny);

// messag after its level check: page origin and justification, then qqmess.
void plotText(GlobalRecord &rec, const char *text, int nx, int ny);

// Length of text in plot units in the current font and settings, drawing
// nothing; pen, height, colour and font are left as they were.
int measureText(GlobalRecord &rec, const char *text);

// Draws text at a temporary angle and height; never continues a text.
void dtext(GlobalRecord &rec, const char *text, int nx, int ny, int angle, int height);

// Draws value with ndig decimals (-1: rounded to an integer).
void dnumqq(GlobalRecord &rec, float value, int ndig, int nx, int ny);
// Length in plot units of value as nlnumb plots it (ndig -1..100), without
// the level check.
int numberLength(GlobalRecord &rec, float value, int ndig);

// Extent of a text: height above the baseline, offset below it and length.
void qqgmsg(GlobalRecord &rec, const char *text, int &height, int &offset, int &length);

// The character height 1..10000 (warning 2 otherwise, and false); device
// fonts follow it.
bool setTextHeight(GlobalRecord &rec, int n);
// The text angle in degrees.
void setTextAngle(GlobalRecord &rec, int n);

// Draws one character (code 0..255) at the pen and advances the pen. False
// when the character was consumed as a shift character or instruction.
bool alfcha(GlobalRecord &rec, int code);

// Moves the pen by d plot units along the text.
void movePen(GlobalRecord &rec, float d);
// Distance of the pen from a point, along the text.
float penDistance(const GlobalRecord &rec, const float from[2]);
