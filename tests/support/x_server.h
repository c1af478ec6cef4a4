// Screen tests: an X server of the test's own, input sent to it, and windows
// read back from it.
//
// XvfbServer starts Xvfb on a free display number (the server picks it, so
// tests can run side by side), points DISPLAY at it for the test process and
// the programs it starts, and arms a watchdog: a test that runs longer ends by
// SIGALRM. The server ends with the test process (not before: the test's
// connections close at its exit), whatever happens.
#pragma once
#include <sys/types.h>

#include <string>

#include "tests/support/rendered_image.h"

class XvfbServer {
  public:
    // screen: "WIDTHxHEIGHTxDEPTH".
    explicit XvfbServer(const std::string &screen = "1024x768x24", unsigned watchdogSeconds = 60);
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    bool running() const { return pid_ > 0; }
    const std::string &display() const { return display_; }
    // Ends the server now: the display goes away under its clients.
    void stop();

  private:
    pid_t pid_ = -1;
    std::string display_;
};

// Runs xdotool with the arguments; its standard output, trimmed.
std::string xdotool(const std::string &args);

// The id of the window whose title is exactly title, waiting for it up to
// timeoutMs; 0 when there is none.
unsigned long windowNamed(const std::string &title, int timeoutMs = 5000);

// The id of the first window that `xdotool search QUERY` finds (QUERY as
// "--name '^OK$'") once the server shows it (it and its ancestors mapped),
// waiting up to timeoutMs; 0 when none is shown by then. Input sent to a
// window that exists but is not yet mapped goes to whatever lies beneath it.
unsigned long shownWindow(const std::string &query, int timeoutMs = 20000);

// Waits up to timeoutMs until the keyboard focus is the window or the
// top-level window that holds it; a key sent before reaches another window.
bool waitForFocus(unsigned long window, int timeoutMs = 20000);

// Sends `xdotool key KEYS` once the window (or its top-level window) has the
// keyboard focus.
void pressKeys(unsigned long window, const std::string &keys);

// What the server shows of the window (xwd read by netpbm's xwdtopnm).
RgbImage windowPixels(unsigned long window);

// Sends the window WM_DELETE_WINDOW, as a window manager's close button does.
bool closeWindow(unsigned long window);

// A window property as xprop prints it ("NAME = value"), or empty.
std::string windowProperty(unsigned long window, const std::string &name);
