// The frame every wrapper of the Perl module Kavlor shares: the argument
// conversions, the buffers of one call and the write-back into the caller's
// scalars and arrays (bindings/README.md says what each kind becomes).
//
// A Perl croak is a longjmp: no object with a destructor may live in a
// wrapper. Every buffer is a plain pointer whose release sits on Perl's save
// stack (between the wrapper's ENTER and LEAVE), so it is freed when the
// wrapper returns and equally when a croak or a die unwinds it.
//
// Converting an element may run Perl code (an overloaded 0+, a tie, the
// handler of a warning) that changes the caller's arrays. So every array and
// matrix row a wrapper reads or writes back is held from its check until the
// call has returned, and an element that may run code is held while it
// converts: what the code takes out of an array is read as it was, or as a
// hole, never as freed memory.
#pragma once

#include <cstdio>

#define PERL_NO_GET_CONTEXT
#include <EXTERN.h>
#include <perl.h>
// perl.h must come before XSUB.h.
#include <XSUB.h>

// Perl's headers define these as macros over its own I/O and memory layers.
#undef setbuf
#undef free

#define KAVLOR_PERL_EXPORT extern "C" __attribute__((visibility("default")))

namespace kavlor_perl {

// Counts and sizes of arrays and buffers: 64 bits, so that the product of two
// int dimensions cannot wrap.
using Count = long long;

// The product of two counts, held at kHugeCount instead of wrapping: no buffer
// is that large, so a held product is refused as any count too large is.
constexpr Count kHugeCount = Count(1) << 60;
inline Count mul(Count a, Count b) {
    Count product = 0;
    return __builtin_mul_overflow(a, b, &product) || product > kHugeCount ? kHugeCount : product;
}
// A count below 0 is 0; above capacity, capacity.
inline Count clampCount(Count count, Count capacity) {
    Count n = count < capacity ? count : capacity;
    return n < 0 ? 0 : n;
}

// The wrapper being run: its name for messages, its usage text for croaks.
struct Call {
    const char *name;
    const char *usage;
};

// Croaks with the usage text when items is not the number of arguments.
void checkArgumentCount(pTHX_ const Call &call, int items, int expected);

// Scalars in.
inline int intArg(pTHX_ SV *sv) {
    return static_cast<int>(static_cast<unsigned>(SvIV(sv)));
}
inline short shortArg(pTHX_ SV *sv) {
    return static_cast<short>(static_cast<unsigned short>(SvIV(sv)));
}
inline float floatArg(pTHX_ SV *sv) {
    return static_cast<float>(SvNV(sv));
}
inline const char *stringArg(pTHX_ SV *sv) {
    return SvPV_nolen(sv);
}
// 0 gives no stream (messages off), any other value standard output.
inline FILE *streamArg(pTHX_ SV *sv) {
    return SvIV(sv) != 0 ? stdout : nullptr;
}
// An output scalar: its get-magic runs, its value goes unused.
inline void outArg(pTHX_ SV *sv) {
    SvGETMAGIC(sv);
}

// Scalars out: the value, then the scalar's set-magic.
void setInt(pTHX_ SV *sv, int value);
void setFloat(pTHX_ SV *sv, float value);
// The text up to its first NUL; with magic false no set-magic runs.
void setText(pTHX_ SV *sv, const char *text, bool magic = true);

// A zero-filled buffer of count elements of size bytes (at least one element),
// freed when the wrapper's scope ends; croaks when it cannot be had.
void *buffer(pTHX_ const Call &call, Count count, Count size);
template <class T> T *buffer(pTHX_ const Call &call, Count count) {
    return static_cast<T *>(buffer(aTHX_ call, count, sizeof(T)));
}

// The array an argument refers to, held until the call has returned; croaks
// when it is no reference to an array.
AV *arrayArg(pTHX_ const Call &call, SV *sv, const char *name);
// Elements of the array: last index + 1.
inline Count arrayLength(pTHX_ AV *av) {
    return Count(av_top_index(av)) + 1;
}
// Croaks when the array holds fewer than count elements.
void checkLength(pTHX_ const Call &call, AV *av, const char *name, Count count);
// The rows of a matrix argument: nx references to arrays of at least ny
// elements (ny below 0: rows of any length), each held until the call has
// returned. Croaks on a missing or short row.
AV *const *checkMatrix(pTHX_ const Call &call, AV *av, const char *name, Count nx, Count ny);
// The rows of a three-level matrix, nx matrices of ny rows of nz: the nx * ny
// rows in order, held the same way.
AV *const *checkMatrix3(pTHX_ const Call &call, AV *av, const char *name, Count nx, Count ny,
                        Count nz);

// Input arrays, converted whole into a buffer of at least room elements
// (zero after the array's elements); a hole reads as 0. converted, when
// given, receives the number of elements converted, at most the buffer's.
float *floatArray(pTHX_ const Call &call, AV *av, Count room, Count *converted = nullptr);
int *intArray(pTHX_ const Call &call, AV *av, Count room, Count *converted = nullptr);
short *shortArray(pTHX_ const Call &call, AV *av, Count room, Count *converted = nullptr);
// Each element's low 8 bits.
unsigned char *byteArray(pTHX_ const Call &call, AV *av, Count room);
// A matrix of nx of the rows checkMatrix (or checkMatrix3) gave, ny elements
// each, row after row.
float *floatMatrix(pTHX_ const Call &call, AV *const *rows, Count nx, Count ny);

// Writes elements 0 to count - 1 back into the array, replacing (or, beyond
// its end, appending) them.
void storeFloats(pTHX_ AV *av, const float *values, Count count);
void storeInts(pTHX_ AV *av, const int *values, Count count);
void storeShorts(pTHX_ AV *av, const short *values, Count count);
void storeBytes(pTHX_ AV *av, const char *values, Count count);           // -128 to 127
void storePixels(pTHX_ AV *av, const unsigned char *values, Count count); // 0 to 255
// Writes nx rows of ny back into the rows checkMatrix gave.
void storeMatrix(pTHX_ AV *const *rows, const float *values, Count nx, Count ny);

// The sum of the first n values of an array of capacity ints (n clamped to it).
Count sumOf(const int *values, Count n, Count capacity);

// The bytes of the count pixels a pixel routine reads into an output array
// (three a pixel in the RGB mode of imgmod), 0 when count is not positive.
// Croaks before any buffer is taken when the picture holds fewer than count
// pixels, or none outside image mode: the routine would refuse the request.
Count pixelBytes(pTHX_ const Call &call, const char *name, Count count);

// A string argument of at least count bytes: its buffer. Croaks when shorter.
const char *bytesArg(pTHX_ const Call &call, SV *sv, const char *name, Count count);

// The scalar's own string buffer, un-shared and grown to at least size bytes,
// the new bytes zero; the routine then changes it in place.
char *ownBuffer(pTHX_ SV *sv, Count size);
// After the routine changed the scalar's buffer: its length recounted up to the
// first NUL, a plain string, then set-magic.
void recountOwnBuffer(pTHX_ SV *sv);

// The legend buffer of the calling thread's legend as a routine reads it: a
// copy of the scalar's buffer, zero-padded to the legend's size.
const char *legendArg(pTHX_ const Call &call, SV *sv);

// Results: the target scalar set and returned as the one value.
void resultInt(pTHX_ SV *target, int value);
void resultFloat(pTHX_ SV *target, float value);
// NULL gives undef.
void resultText(pTHX_ SV *target, const char *text);
// A text the library allocated for the caller: copied, then freed.
void resultOwnedText(pTHX_ SV *target, char *text);
// 6 when there is a stream, 0 when there is none.
void resultStream(pTHX_ SV *target, FILE *stream);

} // namespace kavlor_perl
