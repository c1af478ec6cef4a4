// Bytes and bit fields.
//
// Shift counts are taken modulo 32, as the processor's shift instructions take
// them; the masks make that explicit, so no shift is ever by 32 or more.
#include "kernel/bits.h"

#include <cstdint>

#include "kavlor.h"
#include "kernel/array_arguments.h"

namespace {

std::uint32_t shiftLeft(std::uint32_t value, int count) {
    return value << (count & 31);
}
std::uint32_t shiftRight(std::uint32_t value, int count) {
    return value >> (count & 31);
}

// A byte as a signed value: above 127 it is byte - 256.
int signedByte(int byte) {
    return byte > 127 ? byte - 256 : byte;
}

// The shift that leaves the top nbits of a word of width bits, modulo 32 as
// every shift here; formed unsigned, so that no nbits overflows it.
int complementShift(int width, int nbits) {
    return int((unsigned(width) - unsigned(nbits)) & 31u);
}

} // namespace

extern "C" void swapi2(short *a, int n) {
    if (n > 0 && !arraysGivenTo("swapi2", a)) return;
    for (int i = 0; i < n; ++i) {
        const auto u = static_cast<std::uint16_t>(a[i]);
        a[i] = static_cast<short>(static_cast<std::uint16_t>((u >> 8) | (u << 8)));
    }
}

extern "C" void swapi4(int *a, int n) {
    if (n > 0 && !arraysGivenTo("swapi4", a)) return;
    for (int i = 0; i < n; ++i)
        a[i] = static_cast<int>(__builtin_bswap32(static_cast<std::uint32_t>(a[i])));
}

extern "C" int bitsi4(int nbits, int nin, int iin, int nout, int iout) {
    const std::uint32_t mask =
        shiftLeft(0xFFFFFFFFu, complementShift(32, nbits)); // the top nbits bits
    const std::uint32_t field = shiftLeft(static_cast<std::uint32_t>(nin), iin) & mask;
    return static_cast<int>(shiftRight(field, iout) | static_cast<std::uint32_t>(nout));
}

extern "C" short bitsi2(int nbits, short nin, int iin, short nout, int iout) {
    const std::uint32_t mask =
        shiftLeft(0xFFFFFFFFu, complementShift(16, nbits)) & 0xFFFFu; // top nbits of 16
    const std::uint32_t word = static_cast<std::uint16_t>(nin);
    const std::uint32_t field = shiftLeft(word, iin) & mask;
    const std::uint32_t result = shiftRight(field, iout) | static_cast<std::uint16_t>(nout);
    return static_cast<short>(static_cast<std::uint16_t>(result));
}

void gbyt01(int word, int &low, int &high) {
    low = signedByte(word & 0xFF);
    high = signedByte((word >> 8) & 0xFF);
}

void gbyt03(int value, int &red, int &green, int &blue) {
    red = (value >> 16) & 0xFF;
    green = (value >> 8) & 0xFF;
    blue = value & 0xFF;
}
