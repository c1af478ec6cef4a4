// The formula notation: with texmod("ON") every text is read as a small
// formula language in the manner of TeX ($ for math mode, ^ and _ for scripts,
// braces, and backslash commands) and set in two passes, a measuring pass and
// a drawing pass from the same start point.
#pragma once

struct GlobalRecord;

// Tokens of qqlexan besides character codes.
constexpr int kTexEnd = -1;
constexpr int kTexWord = 257;     // a command word, in ctexword
constexpr int kTexExponent = 267; // ^ in math mode
constexpr int kTexIndex = 268;    // _ in math mode
// Classes of the last token (itextok).
constexpr int kTexCharacter = 256;
constexpr int kTexStructural = 258;

// The next token of the text from ntexpos.
int qqlexan(GlobalRecord &rec);
// The next character that is not a blank, without consuming it; 0 at the end.
int qqlookup(GlobalRecord &rec);

// Sets the text of ctxtbuf: measure 1 for the measuring pass, which fills the
// extent tables, 0 for the drawing pass. 0 on success; non-zero after a
// syntax error, which is reported as warning 101.
int qqparse(GlobalRecord &rec, int measure);
