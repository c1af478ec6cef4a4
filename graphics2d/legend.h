// Internal routines of legends: the text lines of an entry and the size of
// the box. The buffer is the caller's legend buffer (see legend_state.h).
#pragma once

struct GlobalRecord;

// Text lines of entry ilin. isub 0: n becomes the number of text lines. isub
// >= 1: pos (started at (ilin - 1) * nlegchr) and n become the start and length
// of text line isub in the buffer. Without mixleg an entry is one line.
void qqgstr(GlobalRecord &rec, const char *cbuf, int ilin, int isub, int &pos, int &n);

// Width and height of the legend box in plot units, without the level check;
// the width also stores the widest text line and whether the title is wider.
int legendWidth(GlobalRecord &rec, const char *cbuf);
int legendHeight(GlobalRecord &rec, const char *cbuf);

// Number of text lines of entry ilin.
int legendTextLines(GlobalRecord &rec, const char *cbuf, int ilin);

// Text line isub (1-based) of entry ilin copied into out (kLegendEntryChars +
// 1 bytes); its length in the buffer comes back (0 for an empty line).
int legendTextLine(GlobalRecord &rec, const char *cbuf, int ilin, int isub, char *out);

// False, after warning 2, for a missing buffer.
bool haveBuffer(const char *cbuf);

// The switches of legclr and mixleg off, as resall and reset leave them.
void resetLegendDefaults(GlobalRecord &rec);
