// How long a test may wait. A test waits for events (a window shown, the focus
// held, pixels drawn, a process ended), never for a fixed time, and asserts no
// time on the clock; each wait and each watchdog only gives up after a bound.
// The bounds written in the tests are those of a plain build on an idle
// machine: they are multiplied by the build's factor (sanitizers make every
// program slower) and by KAVLOR_TEST_TIME_FACTOR, which a slow or loaded
// machine sets (a positive number; 1 when unset). The helpers of the Python,
// Perl and shell tests read the same variable.
#pragma once
#include <chrono>
#include <functional>

// The build's factor times KAVLOR_TEST_TIME_FACTOR.
double testTimeFactor();

std::chrono::milliseconds scaled(std::chrono::milliseconds base);
unsigned scaledSeconds(unsigned baseSeconds);

// Asks ready() again and again, a few milliseconds apart, until it says yes or
// the scaled bound has passed; its last answer.
bool waitUntil(const std::function<bool()> &ready,
               std::chrono::milliseconds base = std::chrono::seconds(20));

// Ends the test process with a line on standard error and SIGALRM once the
// scaled time has passed, unless the watchdog is gone by then: a test that
// hangs fails instead of holding up the run. One watchdog at a time (it is
// the process's alarm).
class Watchdog {
  public:
    explicit Watchdog(unsigned baseSeconds);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;
};

// For the child of a death test: the process ends with SIGXCPU once it has
// used the scaled seconds of processor time, so that a loop that would not
// end fails the test instead of holding it up.
void limitProcessorTime(unsigned baseSeconds);
