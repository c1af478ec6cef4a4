// Axis selectors ("X", "XY", "XYZ"): the letters X, Y and Z among the first
// three characters, in either case, name the axes a setter acts on. Some
// setters take an object name (BAR, PIE, CON, DAT, PER) in the same place.
#pragma once

// The first n characters of text upper-cased into key, which needs n + 1
// bytes; a shorter (or null) text ends the key early.
void upperKey(const char *text, int n, char *key);

// Stores value into each of x, y, z whose letter the selector names.
void gaxsop(const char *cax, int value, int &x, int &y, int &z);

// The same for a per-axis triple.
inline void gaxsop(const char *cax, int value, int (&triple)[3]) {
    gaxsop(cax, value, triple[0], triple[1], triple[2]);
}

// True when the selector names axis i (0 X, 1 Y, 2 Z).
bool selectsAxis(const char *cax, int i);

// Objects that a label setter may name in place of axes.
enum class LabelObject { axes, bar, pie, con, dat, per };

// The object named by the first three characters of cax (upper-cased,
// compared exactly); axes when none of the allowed objects matches. DAT and
// PER count only when allowDigitObjects is true.
LabelObject labelObject(const char *cax, bool allowDigitObjects = false);
