// The command words of the formula notation, in ten tables.
#pragma once

// Tables of qqchktex.
enum class TexTable : int {
    greek = 1,     // value: the letter in the Greek alphabet
    space = 2,     // value: 0..5; the space in eighteenths of the height in factor
    symbol = 3,    // value: the character in the math alphabet
    construct = 4, // value: TexConstruct
    limits = 5,    // value: 1 limits, 0 nolimits
    alphabet = 6,  // value: alphabet 1, 2, 4, 5, 6
    style = 7,     // value: style 0..3
    size = 8,      // value: 0..9; the factor of the base height in factor
    colour = 9,    // value: 1-based index of the colour names of color
    function = 10, // value: 0..19
};

enum class TexConstruct : int {
    sum = 1,
    integral,
    contour,
    product,
    sqrt,
    frac,
    lim,
    overline,
    underline,
    vec
};

// Value of word in table, or -1 when the word is not in it.
int qqchktex(const char *word, TexTable table, float &factor);
