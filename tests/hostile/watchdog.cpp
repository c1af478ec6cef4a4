#include "tests/hostile/watchdog.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

ChildEnd runInChild(const std::function<void()> &body, const std::string &outputFile,
                    const ChildLimits &limits) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || in < 0) _exit(97);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        const rlimit cpu{rlim_t(limits.cpuSeconds), rlim_t(limits.cpuSeconds + 1)};
        const rlimit file{rlim_t(limits.fileBytes), rlim_t(limits.fileBytes)};
        setrlimit(RLIMIT_CPU, &cpu);
        const rlimit core{0, 0};
        setrlimit(RLIMIT_FSIZE, &file);
        setrlimit(RLIMIT_CORE, &core);
        std::signal(SIGXCPU, SIG_DFL);
        std::signal(SIGXFSZ, SIG_DFL);
        std::signal(SIGALRM, SIG_DFL);
        alarm(unsigned(limits.wallSeconds));
        body();
        std::fflush(nullptr);
        _exit(0);
    }
    ChildEnd end;
    if (pid < 0) {
        end.signal = -1;
        end.output = "fork failed";
        return end;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    end.finished = WIFEXITED(status);
    end.status = end.finished ? WEXITSTATUS(status) : 0;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    std::ifstream file(outputFile, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    end.output = text.str();
    return end;
}
