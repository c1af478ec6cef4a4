// How a case of a sweep ended, and the report of a sweep against its list of
// known failures. A case fails when its child crashes, a sanitizer reports,
// it runs past a limit of the watchdog, or it ends with a status other than 0
// or 1 (1: the end of a fatal condition).
#pragma once
#include <string>
#include <vector>

#include "tests/hostile/watchdog.h"

// What a child prints once the call has returned: what comes after it is
// the plot's end.
inline constexpr char kCallEnded[] = "--- the call has returned ---\n";

struct Outcome {
    std::string routine, which; // the case: "param=value", "wrong-level", "harmless"
    std::string reason;         // empty: the call held
    std::string kind;           // of the failure, as the list of known failures names it
    std::string output;
};

// Why the child's case failed, or "" when it held; limits: the child's.
std::string reasonOf(const ChildEnd &end, const ChildLimits &limits = {});
// The kind of a failure: a float out of an int's range, a signed overflow, a
// null pointer, a limit of the watchdog, a refused harmless call, or any
// other crash.
std::string kindOf(const std::string &reason);
// The first warning, or the first error box of a widget routine (its caption
// line "[routine]" and its text ">>>> ...!"), that the context and the call
// printed before kCallEnded; "" when there is none. The box that ends a
// dialog at once without a display is no error.
std::string refusalIn(const std::string &output);

// The list of known failures: a line holds a routine, a case ("param=value",
// "wrong-level" or "harmless"; shell wildcards allowed) and the kinds of
// failure tolerated there, with the reason after "#".
struct KnownFailure {
    std::string routine, which; // patterns
    std::vector<std::string> kinds;
    std::string line;
    bool seen = false;

    bool covers(const Outcome &f) const;
};

// The list in the file; false, after a message naming the line, when the file
// cannot be read or a line is not "routine case kinds  # why".
bool readKnownFailures(const char *path, std::vector<KnownFailure> &known);

// Prints each failure, in full when the list does not cover it, names the
// lines whose routines were swept and whose cases all held, and ends with the
// tally; the number of failures the list does not cover.
int reportFailures(const std::vector<Outcome> &failures, std::vector<KnownFailure> &known,
                   const std::vector<std::string> &sweptRoutines, const char *summary);
