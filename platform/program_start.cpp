// WinExec: a program started without a shell and without waiting for it.
//
// A child of ours starts the program and ends at once, so the program's own
// end leaves no zombie behind (it belongs to init), and the child's status
// tells whether the program could be started at all.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/windows.h"

extern char **environ;

namespace {

// The words of a command line: blanks separate them, double quotes hold blanks.
std::vector<std::string> words(const char *line) {
    std::vector<std::string> out;
    std::string word;
    bool quoted = false, inWord = false;
    for (const char *p = line; *p != '\0'; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((*p == ' ' || *p == '\t') && !quoted) {
            if (inWord) out.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += *p;
            inWord = true;
        }
    }
    if (inWord) out.push_back(word);
    return out;
}

constexpr UINT kStarted = 33;
constexpr UINT kNotFound = 2;

} // namespace

UINT WinExec(const char *commandLine, UINT) {
    if (commandLine == nullptr) return kNotFound;
    std::vector<std::string> args = words(commandLine);
    if (args.empty()) return kNotFound;
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) return kNotFound;
    if (child == 0) {
        pid_t program = 0;
        const int failed = posix_spawnp(&program, argv[0], nullptr, nullptr, argv.data(), environ);
        _exit(failed == 0 ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) < 0) return kNotFound;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? kStarted : kNotFound;
}
