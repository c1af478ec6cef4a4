// Standard-output capture through a temporary file on descriptor 1.
#include "tests/support/capture.h"

#include <cstdio>
#include <stdexcept>
#include <unistd.h>

#include "tests/support/temp_dir.h"

std::string captureStdout(const std::function<void()> &body) {
    std::fflush(stdout);
    char name[] = "/tmp/kavlor-stdout-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    const int saved = dup(1);
    dup2(fd, 1);
    body();
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    close(fd);
    std::string text = readFile(name);
    unlink(name);
    return text;
}
