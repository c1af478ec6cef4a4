// Mixed alphabets: shift characters switch the alphabet inside a string; the
// instruction alphabet (INST) takes layout commands instead of characters.
#pragma once

struct GlobalRecord;

// Offers a character of the string to the mixed alphabets first: true when it
// was a shift character or part of an instruction, and is not to be drawn.
bool smixal(GlobalRecord &rec, int code);

// Executes one instruction command of n characters (the letter and its
// argument).
void inscmd(GlobalRecord &rec, const char *buffer, int n);
