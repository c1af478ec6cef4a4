// The plot output file: its name, opening, and the record buffer through which
// the text formats and CGM write.
#pragma once
#include <cstddef>

struct GlobalRecord;

// Names the output file (setfil's name, or "kavlor." and the device's
// extension), applies the existing-file rule and opens it. Devices that open
// their own files (WMF, PDF) or none (VIRT) only get the name.
void openOutputFile(GlobalRecord &rec);

// Writes out what the record buffer holds (text: as a line; CGM: padded with
// blanks to a full record), closes the file and releases the buffer. A failed
// write or close leaves rec.out.writeFailed set until the next kavini.
void closeOutputFile(GlobalRecord &rec);

// Appends text word by word to the record buffer; a word is never split across
// lines. n = -1 writes out the current line.
void qpsbuf(GlobalRecord &rec, const char *text, int n);

// qpsbuf for text whose every blank ends a word (none first, none after
// another), so that no blank is dropped: the words are laid into lines as
// qpsbuf lays them, a line's worth at a time.
void appendWords(GlobalRecord &rec, const char *text, int n);

// Appends n bytes to the record buffer. Text records are never split across
// lines; CGM data continues in the next 80-byte record.
void qqsbuf(GlobalRecord &rec, const char *bytes, int n);

// Writes text straight to the output file (headers and the formats that keep no
// record buffer); nothing when the plot has no file.
void writeOutput(GlobalRecord &rec, const char *text);
void writeOutputBytes(GlobalRecord &rec, const void *bytes, std::size_t n);
