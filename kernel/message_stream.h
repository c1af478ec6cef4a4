// The message stream: standard output, a caller's stream, or the message file
// "kavlor.err" that is opened at the first warning that needs it.
#pragma once

struct GlobalRecord;

// True when messages belong in the message file: a windowed application,
// errdev("FILE"), or a plot that itself goes to the standard output.
bool messageFileApplies(const GlobalRecord &rec);

// Opens the message file when it applies and is not open yet; from then on
// messages go there. If it cannot be opened, messages stay where they were.
void qqerrfil(GlobalRecord &rec);
