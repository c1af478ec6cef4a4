// TextState: how texts are placed and shaped (height, angle, justification,
// character settings, mixed alphabets, escape characters) and the working
// state of the string now being drawn or measured.
#pragma once

constexpr int kTextLength = 256;       // characters of a string that are drawn
constexpr int kTextMarks = 20;         // position marks of the instruction alphabet
constexpr int kMixSlots = 6;           // mixed-alphabet slots
constexpr int kEscapeKinds = 8;        // GERM DANI SPAN FREN ACUT GRAV CIRC TURK
constexpr int kInstructionLength = 20; // characters of a pending instruction command

// Alphabets by number; 7 is the instruction alphabet of a mixed-alphabet shift.
constexpr int kAlphabetInst = 7;

// Roles of the control characters in cmixchr.
enum class MixRole { exp = 0, ind = 1, res = 2, leg = 3, tex = 4 };

struct TextState {
    // Settings.
    int nhchar = 36;      // character height in plot units, 1..10000
    int nangle = 0;       // text angle in degrees, counter-clockwise
    float xsinang = 0.0f; // sine and cosine of nangle
    float xcosang = 1.0f;
    int itxtjus = 0; // justification of messag: 0 LEFT, 1 CENT, 2 RIGH
    int nfrmess = 0; // thickness of the frame round each messag text; 0 none

    // Character settings, copied into the per-string fields at each string.
    float xchawth = 1.0f; // width factor, 0 < x < 2
    float xchaspc = 0.0f; // extra spacing in character heights
    float xchaang = 0.0f; // slant: tan of the inclination
    int ifixspc = 0;      // 1: every character gets the fixed width
    float xfixspc = 0.0f; // fixed-width factor
    int ichacod = 0;      // 8-bit coding of texts: 0 STAN, 1 ISO1, 2 ISO2, 3 ISO3

    // Mixed alphabets, control and escape characters.
    int ialfbas = 1;               // base alphabet 1..6: STAN GREE MATH ITAL SCRI RUSS
    int ialfcur = 1;               // alphabet in use; 7 while an instruction shift is open
    int nsmxalf = 0;               // 1 once a mixed alphabet was defined
    int imixalfno[kMixSlots] = {}; // alphabet 1..7 of each slot; 0 unused
    int cmixin[kMixSlots] = {};    // shift-in character of each slot
    int cmixout[kMixSlots] = {};   // shift-out character of each slot
    int imixalf = 0;               // 1: the exponent/index control characters act
    char cmixchr[5] = {'[', ']', '$', '/', '\\'}; // EXP IND RES LEG TEX
    float xsetexp = 0.8f;                         // height factor of exponents and indices
    float xsetbas = 0.6f;           // baseline shift of exponents and indices, in heights
    int ieushft = 0;                // 1 once eushft defined an escape character
    int ceushft[kEscapeKinds] = {}; // escape character of each kind; 0 none
    // What getalf, getmix and getshf return.
    char calfnam[11] = "";
    char cmixget[2] = " ";
    char ceusget[2] = " ";

    // The string now drawn or measured.
    char ctxtbuf[kTextLength + 1] = ""; // working copy, escapes applied
    float xtxtpen[2] = {0, 0};          // pen: baseline point where the next character starts
    float xtxtbeg[2] = {0, 0};          // pen at the start of the string
    int nhchar0 = 0;                    // height at the start of the string
    int ncolor0 = 0;                    // colour at the start of the string
    int ialfstr = 1;                    // alphabet a shift-out returns to
    int itxtmeas = 0;                // 1 while only measuring: characters advance, nothing is drawn
    float xchrgap = 0.0f;            // gap after the current character, plot units
    float xtxtshift = 0.0f;          // vertical shift of the characters (commands U D I E)
    float xtxtloff = 0.0f;           // extra offset of lines and inline symbols (command O)
    float xtxtmark[kTextMarks] = {}; // position marks: distances from xtxtbeg along the text
    int itxtfix = 0;                 // copies of the character settings, changed by commands
    float xtxtfix = 0.0f;
    float xtxtspc = 0.0f;
    float xtxtwth = 1.0f;
    float xtxtslant = 0.0f;
    int islant = 0;    // 1: the current character is slanted as italic
    int ialfsel = 0;   // alphabet whose parameters are loaded; 0 none
    int ialfmiss = -1; // previous character came from the standard alphabet (1), not (0); -1 none

    // Instruction shift of the string.
    int imixon = 0;                            // 1 while a shift is open
    int cmixoff = 0;                           // shift-out character of the open shift
    char cinsbuf[kInstructionLength + 1] = ""; // pending instruction command
    int ninsbuf = 0;                           // characters in it
    int ninsltr = 0;                           // command letters since the shift opened
};
