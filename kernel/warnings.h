// Numbered warnings. Every warning of the library goes through warnin, warni1
// or warnc1: it is counted, and printed on the message stream with the name of
// the public routine that was called. Numbers above 100 print the text that
// qqserr set just before.
#pragma once

struct GlobalRecord;

// " <<<< Warning %3d: %s in %s!"
void warnin(int n);
// The same line followed by "   (%4d)" with value.
void warni1(int n, int value);
// The same line followed by "   (%s)" with text.
void warnc1(int n, const char *text);
// Sets the text of the next warning above 100 (at most 80 characters).
void qqserr(const char *text);
// Counts warning n and fetches its text into cmsgbuf when it will be printed.
void errmes(GlobalRecord &rec, int n);
