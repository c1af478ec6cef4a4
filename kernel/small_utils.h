// Small helpers that several parts of the kernel share.
#pragma once

// The smaller of two floats; b when they are equal.
inline float amin1(float a, float b) {
    return a < b ? a : b;
}

// 1-based position of the first occurrence of part in text; 0 when it does not occur.
int jindex(const char *text, const char *part);
