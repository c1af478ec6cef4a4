// Opening a file that the caller names, for the pictures written on demand
// (rtiff, rpng, rppm, rbmp, rgif, rimage).
#pragma once
#include <cstdio>

struct GlobalRecord;

// At most 256 characters of name, the existing-file rule of filmod (gfilnn)
// and the open ("wb"), both under the library lock. Null, after warning 37
// (no new version of the name fits) or 36 (the open failed), when there is
// no file.
FILE *openNamedOutput(GlobalRecord &rec, const char *name);
