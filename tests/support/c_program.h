// End-to-end runs: a small C program is compiled against the installed library
// (pkg-config on the test prefix) and run in a folder of the test's, and its
// standard output, standard error and exit status come back.
#pragma once
#include <string>
#include <vector>

struct ProgramRun {
    int status = -1; // exit status; 128 + signal number when killed by a signal
    std::string out;
    std::string err;
};

struct RunOptions {
    std::vector<std::string> env;  // "NAME=value" added to the environment
    std::vector<std::string> args; // command-line arguments
    std::string extraFlags;        // more compiler flags (as "-pthread")
};

// A C program that includes kavlor.h and stdio.h and whose main runs body,
// then returns 0.
std::string cMain(const std::string &body);

// Compiles source as dir/name.c into dir/name; fails the test on a compile error.
std::string compileC(const std::string &source, const std::string &dir,
                     const std::string &name = "prog", const std::string &extraFlags = "");

// Runs a program with dir as working directory, no input (its standard input
// is /dev/null), killed if the test process ends first.
ProgramRun runProgram(const std::string &exe, const std::string &dir,
                      const RunOptions &options = {});

// Compiles source in a folder of its own and runs it with dir as working directory.
ProgramRun runC(const std::string &source, const std::string &dir, const RunOptions &options = {});

// Runs a shell command line in the working directory; its standard output
// and standard error come back apart, as bytes.
ProgramRun runShell(const std::string &command);

// The test prefix, where the library is installed for end-to-end tests.
std::string testPrefix();

// Compiler flags a program needs to link the library of this build (sanitizers).
std::string testCFlags();

// Text with every date "dd.mm.yyyy" and time "hh:mm:ss" replaced by
// "DD.MM.YYYY" and "HH:MM:SS", the PDF creation date "D:yyyymmddhhmmss" by
// "D:YYYYMMDDhhmmss" and the CGM date "Date:yyyymmdd" by "Date:YYYYMMDD",
// for comparing protocols, headers and files.
std::string maskDateTime(std::string text);
