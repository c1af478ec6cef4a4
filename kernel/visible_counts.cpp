#include "kernel/visible_counts.h"

#include "kernel/warnings.h"

void warnNotSeen(const char *text) {
    qqserr(text);
    warnin(Warning::ownText);
}
