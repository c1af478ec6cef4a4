// The check of the arrays a caller hands to a public routine: a routine that
// needs its arrays and gets a null pointer warns (2) and does nothing with
// them, the same in every routine.
#pragma once

#include "kernel/levels.h"
#include "kernel/warnings.h"

// True when every pointer is set; otherwise warning 2 and false. Called after
// the level check, which named the routine for the warning.
template <class... T> bool arraysGiven(const T *...arrays) {
    if (((arrays != nullptr) && ...)) return true;
    warnin(Warning::incorrectParameter);
    return false;
}

// The same for the routines that have no level check (any level will do): the
// warning names routine.
template <class... T> bool arraysGivenTo(const char *routine, const T *...arrays) {
    if (((arrays != nullptr) && ...)) return true;
    jqqlev(0, 3, routine);
    warnin(Warning::incorrectParameter);
    return false;
}
