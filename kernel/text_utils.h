// Small text routines: the bounded copy every fixed-size text field is written
// through, upper-casing and the length without trailing blanks.
#pragma once
#include <cstddef>

// Copies at most n characters of src (stopping at its end) into dst and always
// terminates dst; dst needs n + 1 bytes. Returns the number of characters copied.
int qqcopy(char *dst, const char *src, int n);

// The same into a fixed-size field: never more than the field holds.
template <std::size_t N> int qqcopy(char (&dst)[N], const char *src, int n = N - 1) {
    return qqcopy(static_cast<char *>(dst), src, n < int(N) - 1 ? n : int(N) - 1);
}

// ASCII upper case of one character; other bytes unchanged.
constexpr char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Removes every blank from the first n characters of string (stopping at its
// end), terminates it there and returns the new length; n <= 0 gives "".
int dsblnk(char *string, int n);
