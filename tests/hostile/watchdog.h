// One call in a child process of its own, under limits: the child is ended
// when it uses more than a few seconds of processor time or of time on the
// clock (scaled as the tests' waits are: a loaded machine gives the child less
// of its processor), or writes a file larger than the limit. What it prints on standard
// output and standard error is kept in a file for the caller to read.
#pragma once
#include <csignal>
#include <functional>
#include <string>

#include "tests/support/test_time.h"

struct ChildLimits {
    int cpuSeconds = 3;
    int wallSeconds = int(scaledSeconds(10));
    long fileBytes = 64L << 20;
};

struct ChildEnd {
    bool finished = false; // ended by _exit or exit, with status
    int status = 0;
    int signal = 0;     // the signal that ended it, when not finished
    std::string output; // standard output and error together
    bool timedOut() const { return !finished && (signal == SIGXCPU || signal == SIGALRM); }
};

// Runs body in a forked child, which then ends with _exit(0). outputFile is
// the file that takes the child's output (overwritten for each call).
ChildEnd runInChild(const std::function<void()> &body, const std::string &outputFile,
                    const ChildLimits &limits = {});
