// Opening a file that the caller names, for the pictures written on demand
// (rtiff, rpng, rppm, rbmp, rgif, rimage).
#pragma once
#include <cstdio>

struct GlobalRecord;

// At most 256 characters of name, the existing-file rule of filmod (gfilnn)
// and the open ("wb"), both under the library lock. Null when the file
// cannot be opened.
FILE *openNamedOutput(GlobalRecord &rec, const char *name);
