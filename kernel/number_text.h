// Numbers as text: the national characters that numode sets are applied to the
// texts of fcha (flen, fcha, intlen, intcha and the setters are public, in kavlor.h).
#pragma once
#include <cstddef>

struct GlobalRecord;

// The most decimals a number text has; fcha and flen hold larger counts here.
constexpr int kMaxDecimals = 100;

// Room for any text of fcha with 0..100 decimals after gnustr: a minus sign or
// blank, 39 integer digits and 12 separators, the decimal character, 100
// decimals and 33 separators, a sign character and the terminating NUL.
constexpr std::size_t kNumberTextSize = 192;

// Applies the national characters of mode (as cnumode: decimal character,
// thousands separator, sign character, '0' for none) to the first len
// characters of text, in place; text holds size bytes and is never written past
// them. Returns the new length.
int gnustr(char *text, int len, const char *mode, std::size_t size);

// The text of value in exponent form with digits decimals in the mantissa
// (1 <= |mantissa| < 10; 0 stays 0): form 1 "m*10", the exponent control
// character, the exponent and the reset control character; form 2 "mEk".
// Written into out (size bytes); returns its length.
int gexpno(GlobalRecord &rec, float value, int digits, char *out, std::size_t size, int form);

// The plot defaults of GlobalRecord.number, as resall stores them.
void resetNumberDefaults(GlobalRecord &rec);
