// Text in the software stroke fonts: registering a font's alphabets in the
// record, loading one alphabet's drawing parameters, and drawing one
// character as strokes or filled outlines through the line pipeline.
#pragma once

struct GlobalRecord;

// Registers the font's six alphabets (lcinit, then lcsets per slot).
void selectStrokeFont(GlobalRecord &rec, int fontId);

// Starts a font: software kind, no alphabet loaded, the font's metrics.
void lcinit(GlobalRecord &rec, int fontId);
// Registers the next alphabet slot of the font.
void lcsets(GlobalRecord &rec);

// Loads the drawing parameters of alphabet 1..6 (scales, gap, tables) unless
// they are loaded; switches PostScript fonts for Greek and italic.
void salfpa(GlobalRecord &rec, int alphabet);

// Characters of alphabet 1..6 of the current font.
int alphabetCharacters(GlobalRecord &rec, int alphabet);

// Maps character index of alphabet in font onto the alphabet's own table;
// false when the character is taken from the standard alphabet instead (the
// index then names it there).
bool gcspec(int fontId, int alphabet, int &index);

// Draws character index of the loaded alphabet at the pen (nothing while
// measuring) and returns its advance without the gap.
float strokeCharacter(GlobalRecord &rec, int index);
