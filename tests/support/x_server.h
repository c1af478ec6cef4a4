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

// What the server shows of the window (xwd read by netpbm's xwdtopnm).
RgbImage windowPixels(unsigned long window);

// Sends the window WM_DELETE_WINDOW, as a window manager's close button does.
bool closeWindow(unsigned long window);

// A window property as xprop prints it ("NAME = value"), or empty.
std::string windowProperty(unsigned long window, const std::string &name);
