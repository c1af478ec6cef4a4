// European escape characters (eushft): an escape character and a letter
// after it stand for an accented letter of the text's coding.
#pragma once

struct GlobalRecord;

// Replaces the escape sequences of text in place; the text shrinks by one
// character per sequence. A letter that its escape character does not know
// gives warning 18 and the escape character stays.
void strsft(GlobalRecord &rec, char *text);
