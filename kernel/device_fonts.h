// Device fonts: the standard PostScript fonts on PostScript, PDF and SVG
// output, Windows fonts on the screen and in WMF files, and bitmap fonts on
// raster output. A device font draws the standard alphabet (and, with the
// PostScript mode, Greek and italic characters); the stroke font complx
// serves the other alphabets.
#pragma once

struct GlobalRecord;

// psfont after its checks: font 0..34 becomes the device font.
void selectPostScriptFont(GlobalRecord &rec, int font);

// The switching of salfpa: Greek characters in Symbol, italic ones in the
// italic variant of the string's font, and back.
void switchPostScriptFont(GlobalRecord &rec, int alphabet);
// The string's PostScript font at its start, and again at its end when
// Greek or italic characters switched fonts in between.
void rememberPostScriptFont(GlobalRecord &rec);
void restorePostScriptFont(GlobalRecord &rec);

// A new character height for the device font in use.
void deviceFontHeight(GlobalRecord &rec);
// A new text angle: a Windows font is made again at it.
void deviceFontAngle(GlobalRecord &rec);

// A character in the device font: its advance width and the gap after it;
// the character is drawn unless the string is only measured.
void deviceCharacter(GlobalRecord &rec, int code, int index, float &width, float &gap);

// A character in a Windows or bitmap font (font kinds 2 and 3).
void qqchar(GlobalRecord &rec, int code, float x, float y, float width);

// The text angle in degrees as the writers take it: an angle past 1e8
// degrees keeps its direction within a turn, so that a quarter turn added,
// the angle negated or counted in tenths of a degree stays within an int.
int writerTextAngle(const GlobalRecord &rec);

// The angle in degrees at which Windows and bitmap glyphs are drawn: the text
// angle, turned a quarter further on a portrait page, whose characters stand
// turned with it.
int deviceGlyphAngle(const GlobalRecord &rec);
