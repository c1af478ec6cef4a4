// Compiling and running small C programs against the installed library.
#include "tests/support/c_program.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <regex>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/child_exec.h"
#include "tests/support/temp_dir.h"

std::string testPrefix() {
    return KAVLOR_TEST_PREFIX;
}
std::string testCFlags() {
    return KAVLOR_TEST_CFLAGS;
}

std::string cMain(const std::string &body) {
    return "#include <kavlor.h>\n#include <stdio.h>\nint main(void) {\n" + body +
           "\n    return 0;\n}\n";
}

std::string compileC(const std::string &source, const std::string &dir, const std::string &name,
                     const std::string &extraFlags) {
    const std::string src = dir + "/" + name + ".c";
    const std::string exe = dir + "/" + name;
    writeFile(src, source);
    const std::string prefix = testPrefix();
    const std::string command =
        "export PKG_CONFIG_PATH='" + prefix +
        "/lib/pkgconfig'; " KAVLOR_TEST_CC " -std=c11 -Wall -Werror " KAVLOR_TEST_CFLAGS " " +
        extraFlags + " -o '" + exe + "' '" + src +
        "' $(pkg-config --cflags --libs kavlor) -Wl,-rpath,'" + prefix + "/lib' -lm 2>&1";
    const ProgramRun run = runShell(command);
    EXPECT_EQ(run.status, 0) << "compiling " << src << " failed:\n" << run.out;
    return exe;
}

ProgramRun runProgram(const std::string &exe, const std::string &dir, const RunOptions &options) {
    // Output is captured outside dir, so that dir holds only what the program wrote.
    const TempDir scratch;
    const std::string outFile = scratch.file("stdout");
    const std::string errFile = scratch.file("stderr");
    const ChildExec program(exe, options.args, options.env);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // A program that hangs ends with the test that ran it (its watchdog).
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (chdir(dir.c_str()) != 0) _exit(126);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        program.exec();
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    ProgramRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

ProgramRun runC(const std::string &source, const std::string &dir, const RunOptions &options) {
    const TempDir build;
    const std::string exe = compileC(source, build.path(), "prog", options.extraFlags);
    return runProgram(exe, dir, options);
}

ProgramRun runShell(const std::string &command) {
    return runProgram("/bin/sh", ".", {.args = {"-c", command}});
}

std::string maskDateTime(std::string text) {
    static const std::regex date(R"(\d\d\.\d\d\.\d\d\d\d)");
    static const std::regex time(R"(\d\d:\d\d:\d\d)");
    static const std::regex pdfDate(R"(D:\d{14})");
    static const std::regex cgmDate(R"(Date:\d{8})");
    text = std::regex_replace(text, date, "DD.MM.YYYY");
    text = std::regex_replace(text, time, "HH:MM:SS");
    text = std::regex_replace(text, pdfDate, "D:YYYYMMDDhhmmss");
    return std::regex_replace(text, cgmDate, "Date:YYYYMMDD");
}
