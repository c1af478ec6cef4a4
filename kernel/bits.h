// Bytes and bit fields: byte order, bit fields of words, and the unpacking of
// packed bytes and colours (swapi2, swapi4, bitsi2 and bitsi4 are public, in kavlor.h).
#pragma once

// The low and high byte of a 16-bit word, each as a signed value -128..127.
void gbyt01(int word, int &low, int &high);

// The red (bits 16..23), green (8..15) and blue (0..7) bytes of a packed colour 0xRRGGBB.
void gbyt03(int value, int &red, int &green, int &blue);
