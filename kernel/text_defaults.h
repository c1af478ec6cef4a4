// The defaults of texts, fonts and symbols as resall gives them, and the
// groups that reset restores.
#pragma once

struct GlobalRecord;

// The stores of resall for texts, fonts and symbols.
void resetTextDefaults(GlobalRecord &rec);
// The default character height and, after it, the exponent settings.
void resetTextHeight(GlobalRecord &rec);
// The default font.
void resetTextFont(GlobalRecord &rec);

// Reset groups of reset.
void resetSlant(GlobalRecord &rec);         // CHAA
void resetFixedSpacing(GlobalRecord &rec);  // FIXS
void resetBaseAlphabet(GlobalRecord &rec);  // BASA
void resetMixCharacters(GlobalRecord &rec); // NEWM, SETM
