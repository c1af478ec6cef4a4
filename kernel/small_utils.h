// Small helpers that several parts of the kernel share, and the answers of a
// system that has no user id and no drive letters.
#pragma once

// The smaller of two floats; b when they are equal.
inline float amin1(float a, float b) {
    return a < b ? a : b;
}

// 1-based position of the first occurrence of part in text; 0 when it does not occur.
int jindex(const char *text, const char *part);

// The user id: an empty text, there is none.
const char *gusrid();

// The logical disk name: the 8 characters "/       " (the root of the one file
// tree; Linux has no drive letters), terminated. Returns 0.
int qqdisk(char (&buffer)[9]);

// Colour map and log hooks of the system: they have nothing to do here.
void cmap();
void kavlog();
