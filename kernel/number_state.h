// NumberState: how number and nlnumb format their numbers.
#pragma once

struct NumberState {
    int inumfmt = 0; // number format (numfmt): 0 FLOA, 1 EXP, 2 FEXP, 3 LOG
    // numode: decimal character, thousands separator, sign character in front of
    // non-negative numbers, exponent form ('1' EQUA), NUL; '0' means none.
    char cnumode[5] = ".000";
};
