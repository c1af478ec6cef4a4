// Ending the process after a fatal condition.
#include "kernel/fatal.h"

#include <cstdio>
#include <cstdlib>

void endProcess(const char *line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(nullptr);
    std::exit(1);
}

void endProcessAfterWarning() {
    std::fflush(nullptr);
    std::exit(1);
}
