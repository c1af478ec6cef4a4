// ShieldState: the list of shields, areas in which lines are not drawn, and
// the switches of the automatic shields.
//
// The list keeps the accounting of 1000 words: an entry takes 6, 7, 5, 7, 7
// words for a rectangle, rotated rectangle, circle, ellipse and pie sector and
// 2n + 3 for a polygon of n points. Each word is 32 bits wide, so coordinates
// of large pages fit.
#pragma once

constexpr int kShieldListWords = 1000;
constexpr int kShieldClasses = 5; // MESS, SYMB, BARS, PIE, LEGE

// Classes of shields (ishlcls): 0 the caller's own, then the automatic ones.
enum ShieldClass {
    kShieldUser = 0,
    kShieldTexts,
    kShieldSymbols,
    kShieldBars,
    kShieldPies,
    kShieldLegends
};

// Kinds of shields, as word 0 of an entry stores them (kind * 100).
enum class ShieldKind { Rectangle = 1, RotatedRectangle, Circle, Ellipse, Pie, Polygon };

struct ShieldState {
    int nshllen = 0;                  // words used in ishlbuf, at most 1000
    int ishlcls = 0;                  // class of shields defined now: 0 user, 1 MESS .. 5 LEGE
    int nshield = 0;                  // shields in the list
    int nshlid = 0;                   // last id given; restarts at 0 when the list was empty
    int nshlusr = 0;                  // user shields (class 0) in the list
    int ishlsav[2] = {0, 0};          // base transformation and 3-D plane switched off for a frame
    float xshllst[2] = {0, 0};        // last point given to qqbldr: where a shielded draw starts
    int ishlaut[kShieldClasses] = {}; // automatic shields of MESS .. LEGE on (1) or off (0)
    // The entries: word 0 kind * 100 + class * 10 + off (1 takes the shield out
    // of force), word 1 the id, then the shape's values rounded to integers.
    int ishlbuf[kShieldListWords] = {};
    int ishlsur = 0; // 1 after shlsur: surfaces leave the horizon in force
};
