// TexState: the options of the formula notation and the typesetter's state.
// A formula is set twice: the measuring pass fills the extent tables, the
// drawing pass reads them to centre fractions and limits.
#pragma once

constexpr int kTexWordLength = 32; // characters kept of a command word
constexpr int kTexFractions = 20;  // fractions of one text
constexpr int kTexLimits = 20;     // limits of one text whose widths are kept

// Extents of one fraction, relative to the baselines of its parts.
struct TexFraction {
    float numWidth = 0.0f;
    float numHeight = 0.0f; // top of the numerator above its baseline
    float numDepth = 0.0f;  // lowest point of the numerator, <= 0
    float denWidth = 0.0f;
    float denHeight = 0.0f;
    float denDepth = 0.0f;
};

struct TexState {
    // Options.
    int itexmod = 0;      // formula notation 0 OFF, 1 ON
    int itexlim = 1;      // big operators take limits above and below (1) or as scripts (0)
    int itexita = 1;      // letters in math mode are italic
    float xtexexp = 1.0f; // extra size factor of exponents and indices

    // Lexer.
    int ntexpos = 0;  // position in the text
    int itexmath = 0; // 1 inside $ ... $
    int itexroot = 0; // 1 inside the index of a root
    int itextok = 0;  // class of the last token: 256 character, 257 word, 258 structural
    char ctexword[kTexWordLength + 1] = "";

    // Typesetter.
    int itexstyle = 0;       // 0 display, 1 text, 2 script, 3 scriptscript
    int itexcramp = 0;       // 1 inside indices and denominators
    int ntexbase = 0;        // base height of the styles
    float xtexrise = 0.0f;   // raise of the baseline
    float xtexdepth = 0.0f;  // lowest raise reached
    float xtexheight = 0.0f; // highest top reached
    float xtexop = 0.0f;     // space around binary operators

    // Extents from the measuring pass.
    TexFraction frac[kTexFractions] = {};
    float xlimwidth[kTexLimits] = {};
};
