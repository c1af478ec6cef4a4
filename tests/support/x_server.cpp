// Xvfb for one test, xdotool, xwd and the close helper.
#include "tests/support/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/windows.h"
#include "tests/support/c_program.h"
#include "tests/support/child_exec.h"

namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' '))
        s.pop_back();
    return s;
}

} // namespace

XvfbServer::XvfbServer(const std::string &screen, unsigned watchdogSeconds) {
    int fds[2];
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "no pipe for Xvfb";
        return;
    }
    // No key repeats: on a loaded machine xdotool can hold a key long enough
    // for the server to repeat it, and a repeated key opens a menu again after
    // the test has closed it.
    const ChildExec xvfb("Xvfb", {"-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                                  "-nolisten", "tcp", "-noreset", "-r"});
    std::fflush(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // The server must not outlive the test, however the test ends.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(fds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        xvfb.exec();
    }
    close(fds[1]);
    // Xvfb writes its display number once it listens.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, int(scaled(std::chrono::seconds(10)).count())) > 0 &&
           read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        ADD_FAILURE() << "Xvfb did not start";
        stop();
        return;
    }
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);
    watchdog_ = std::make_unique<Watchdog>(watchdogSeconds);
}

// The server stays until the process ends: the connections of the test's
// threads close only then.
XvfbServer::~XvfbServer() = default;

void XvfbServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (waitpid(pid_, nullptr, 0) != pid_) {
        // Not our child (a death test's forked process stops it): the server
        // is killed and watched until it is gone or a zombie, its sockets closed.
        kill(pid_, SIGKILL);
        const std::string stat = "/proc/" + std::to_string(pid_) + "/stat";
        waitUntil([&] {
            std::ifstream file(stat);
            std::string pid, name, state;
            return !(file >> pid >> name >> state) || state == "Z";
        });
    }
    pid_ = -1;
}

std::string xdotool(const std::string &args) {
    const ProgramRun run = runShell("xdotool " + args);
    EXPECT_EQ(run.status, 0) << "xdotool " << args << ": " << run.err;
    return trimmed(run.out);
}

namespace {

// The first window that `xdotool search ARGS` finds, waiting up to timeoutMs; 0 when none.
unsigned long searched(const std::string &args, int timeoutMs) {
    unsigned long found = 0;
    waitUntil(
        [&] {
            const ProgramRun run = runShell("xdotool search " + args);
            if (run.status == 0 && !run.out.empty()) found = std::stoul(run.out);
            return found != 0;
        },
        std::chrono::milliseconds(timeoutMs));
    return found;
}

} // namespace

unsigned long windowNamed(const std::string &title, int timeoutMs) {
    return searched("--name '^" + title + "$'", timeoutMs);
}

bool noWindowNamed(const std::string &title, int timeoutMs) {
    return waitUntil(
        [&] { return runShell("xdotool search --name '^" + title + "$'").out.empty(); },
        std::chrono::milliseconds(timeoutMs));
}

unsigned long shownWindow(const std::string &query, int timeoutMs) {
    return searched("--onlyvisible " + query, timeoutMs);
}

bool waitForFocus(unsigned long window, int timeoutMs) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx ", window);
    return waitUntil(
        [&] {
            const ProgramRun focus = runShell("xdotool getwindowfocus -f");
            if (focus.status != 0 || focus.out.empty()) return false;
            const std::string id = trimmed(focus.out);
            if (id == std::to_string(window)) return true;
            // A control lies inside the top-level window that takes the keys;
            // the root window (the focus once a window is gone) holds them all.
            const ProgramRun tree = runShell("xwininfo -tree -id " + id + " 2>/dev/null");
            const std::string first = tree.out.substr(0, tree.out.find('\n', 1));
            return tree.status == 0 && first.find("(the root window)") == std::string::npos &&
                   tree.out.find(hex) != std::string::npos;
        },
        std::chrono::milliseconds(timeoutMs));
}

void pressKeys(unsigned long window, const std::string &keys) {
    EXPECT_TRUE(waitForFocus(window)) << "window " << window << " never got the keys for " << keys;
    xdotool("key " + keys);
}

RgbImage windowPixels(unsigned long window) {
    const ProgramRun run =
        runShell("xwd -silent -id " + std::to_string(window) + " | xwdtopnm 2>/dev/null");
    RgbImage image;
    EXPECT_TRUE(run.status == 0 && parsePnm(run.out, image)) << "xwd of " << window << " failed";
    return image;
}

bool closeWindow(unsigned long window) {
    return runShell(std::string(KAVLOR_XCLOSE) + " " + std::to_string(window)).status == 0;
}

std::string windowProperty(unsigned long window, const std::string &name) {
    const ProgramRun run = runShell("xprop -id " + std::to_string(window) + " " + name);
    return run.status == 0 ? trimmed(run.out) : "";
}

InputProbe::InputProbe() {
    WNDCLASSA c{};
    c.lpfnWndProc = procedure;
    c.lpszClassName = "kavlor test probe";
    RegisterClassA(&c);
    window_ = CreateWindowExA(0, "kavlor test probe", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, 0, 0,
                              0, nullptr);
    EXPECT_NE(window_, 0) << "no probe window";
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<std::intptr_t>(this));
}

InputProbe::~InputProbe() {
    DestroyWindow(window_);
}

bool InputProbe::taken() {
    const int request = ++sent_;
    EXPECT_TRUE(closeWindow(static_cast<unsigned long>(window_)));
    const bool heard = waitUntil([&] { return heard_.load() >= request; });
    EXPECT_TRUE(heard) << "the window thread did not take its input";
    return heard;
}

LRESULT InputProbe::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The close request is heard, and the probe stays.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        if (auto *probe = reinterpret_cast<InputProbe *>(GetWindowLongPtrA(window, GWLP_USERDATA)))
            ++probe->heard_;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
