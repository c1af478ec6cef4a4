// The time factor of the tests and their watchdog.
#include "tests/support/test_time.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#ifndef KAVLOR_TEST_BUILD_TIME_FACTOR
#define KAVLOR_TEST_BUILD_TIME_FACTOR 1
#endif

double testTimeFactor() {
    static const double factor = [] {
        double machine = 1;
        if (const char *text = std::getenv("KAVLOR_TEST_TIME_FACTOR"); text && *text) {
            char *end = nullptr;
            machine = std::strtod(text, &end);
            if (*end != '\0' || !std::isfinite(machine) || machine <= 0) {
                std::fprintf(stderr, "KAVLOR_TEST_TIME_FACTOR=%s is no positive number: 1\n", text);
                machine = 1;
            }
        }
        return KAVLOR_TEST_BUILD_TIME_FACTOR * machine;
    }();
    return factor;
}

std::chrono::milliseconds scaled(std::chrono::milliseconds base) {
    return std::chrono::milliseconds(
        static_cast<long long>(std::ceil(double(base.count()) * testTimeFactor())));
}

unsigned scaledSeconds(unsigned baseSeconds) {
    return unsigned(std::ceil(double(baseSeconds) * testTimeFactor()));
}

bool waitUntil(const std::function<bool()> &ready, std::chrono::milliseconds base) {
    const auto end = std::chrono::steady_clock::now() + scaled(base);
    for (;;) {
        if (ready()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

namespace {

char watchdogLine[96];

void watchdogBarks(int) {
    const ssize_t written = write(2, watchdogLine, std::strlen(watchdogLine));
    (void)written;
    std::signal(SIGALRM, SIG_DFL);
    std::raise(SIGALRM);
}

} // namespace

Watchdog::Watchdog(unsigned baseSeconds) {
    const unsigned seconds = scaledSeconds(baseSeconds);
    std::snprintf(watchdogLine, sizeof watchdogLine,
                  "\nwatchdog: the test ran over %u s (KAVLOR_TEST_TIME_FACTOR scales it)\n",
                  seconds);
    std::signal(SIGALRM, watchdogBarks);
    alarm(seconds);
}

Watchdog::~Watchdog() {
    alarm(0);
}

void limitProcessorTime(unsigned baseSeconds) {
    const rlim_t seconds = scaledSeconds(baseSeconds);
    const rlimit cpu{seconds, seconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
}
