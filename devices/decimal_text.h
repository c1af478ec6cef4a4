// Fast locale-free number text for the file writers: integers and fixed-point
// values written straight into a character buffer, byte for byte as printf's
// "%d", "%5d" and "%.2f" would write them in the "C" locale. No allocation,
// no locale lookup: the writers call these once per coordinate.
#pragma once
#include <cstring>

// Room every routine below needs at p: 48 characters, enough for any int and
// for any value of float range with up to 6 decimals ("-", 39 digits, the
// point and the decimals). A larger double is cut to the room.
constexpr int kNumberTextRoom = 48;

// "%d": returns the end of the text (no terminating NUL).
char *putInt(char *p, int value);

// "%*d": right-aligned in width characters, blank-padded.
char *putIntWidth(char *p, int value, int width);

// "%.*f" with decimals 0..6, rounded as printf rounds the exact binary value
// (halves to even). Values whose scaled form is not exact in a double, and
// magnitudes from 1e9 on, are formatted by the "C"-locale printf instead.
char *putFixed(char *p, double value, int decimals);

// "%*.*f": right-aligned in width characters.
char *putFixedWidth(char *p, double value, int width, int decimals);

// The characters of text, without its terminating NUL.
inline char *putText(char *p, const char *text) {
    const std::size_t n = std::strlen(text);
    std::memcpy(p, text, n);
    return p + n;
}
