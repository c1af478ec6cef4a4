// Character codes: the stroke fonts number their characters 32..262 (the
// accented letters from 127 on); texts arrive in the coding chosen by chacod
// and device fonts want the codes of their own character sets.
#pragma once

// Codings of chacod.
enum class Coding : int { stan = 0, iso1 = 1, iso2 = 2, iso3 = 3 };

// Stroke-font code of an 8-bit code of the coding: codes below 127 stay;
// characters the stroke fonts lack give 32.
int qqgcod(int coding, int code);

// Code in the character set of a device font (ISO 8859-1, or -2 for the
// codings 2 and 3) of a stroke-font code; characters the set lacks give 32.
int qqgiso(int coding, int code);

// Greek letters of the Symbol font sit on other keys: C and G, U and Y (and
// their small letters) are exchanged.
int qqgreek(int code);
