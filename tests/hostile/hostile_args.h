// The arguments of one call of the sweep: every parameter gets a harmless
// value (the routine's own from harmless_calls.txt, else its kind's), except
// at most one, which gets one of the hostile values of its kind.
#pragma once
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/hostile/harmless_calls.h"

enum class Kind {
    integer,    // any int: INT_MIN, INT_MAX, -1, 0, -1e9, +1e9
    count,      // an int that counts the elements of an array: 0, -1, INT_MIN
    shortInt,   // SHRT_MIN, SHRT_MAX, -1
    real,       // NaN, infinities, +-FLT_MAX, +-1e7, +-1e9, -1e5
    text,       // a string in: empty, 10,000 characters, not Latin-1
    stream,     // a FILE *: NULL
    callback,   // a function pointer: NULL
    floatArray, // NULL, all NaN, all infinite
    intArray,   // NULL, all INT_MIN, all INT_MAX
    shortArray, // NULL
    byteArray,  // NULL
    charBuffer, // a text buffer the routine reads or fills: NULL
    intOut,     // one int the routine writes: always given
    floatOut,   // one float the routine writes: always given
};

struct Param {
    const char *name;
    Kind kind;
};

class Args;

struct Routine {
    const char *name;
    std::vector<Param> params;
    void (*call)(Args &);
    bool returnsValue; // a function, not a procedure
};

// The routines of kavlor.h, generated (hostile_routines.inc).
const std::vector<Routine> &sweptRoutines();

// The number of hostile values of a kind and the name of each, as the case
// labels and the list of known failures write them ("NaN", "INT_MAX", ...).
int hostileValues(Kind kind);
const char *hostileName(Kind kind, int value);

class Args {
  public:
    // param < 0: every argument harmless. harmless: the routine's own
    // harmless values, or null.
    Args(const Routine &routine, int param, int value, const HarmlessCall *harmless);
    ~Args();
    Args(const Args &) = delete;
    Args &operator=(const Args &) = delete;

    int integer(int i) const;
    short shortInt(int i) const;
    float real(int i) const;
    const char *text(int i) const;
    FILE *stream(int i) const;
    float *floats(int i);
    int *ints(int i);
    short *shorts(int i);
    unsigned char *bytes(int i);
    char *chars(int i);
    int *intOut(int i);
    float *floatOut(int i);

    template <class F> F callback(int i) const { return hostile(i) ? nullptr : &Noop<F>::call; }

  private:
    template <class F> struct Noop;
    template <class R, class... A> struct Noop<R (*)(A...)> {
        static R call(A...) {
            if constexpr (!std::is_void_v<R>) return R{};
        }
    };

    bool hostile(int i) const { return i == param_; }
    template <class T> T *buffer(int i);
    // The routine's own harmless value of parameter i as written, or null.
    const std::string *own(int i) const;
    // Fills n elements with the comma-separated numbers of text, repeated.
    template <class T> void fill(T *a, int n, const std::string &text) const;

    const Routine &routine_;
    int param_, value_;
    const HarmlessCall *harmless_;
    std::vector<std::shared_ptr<void>> buffers_;
};
