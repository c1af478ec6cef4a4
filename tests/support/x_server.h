// Screen tests: an X server of the test's own, input sent to it, and windows
// read back from it.
//
// XvfbServer starts Xvfb on a free display number (the server picks it, so
// tests can run side by side), points DISPLAY at it for the test process and
// the programs it starts, and arms a watchdog: a test that runs longer ends by
// SIGALRM. The server ends with the test process (not before: the test's
// connections close at its exit), whatever happens.
//
// Every wait here is for something the server shows, and its bound (in
// milliseconds of a plain build on an idle machine) is scaled as
// tests/support/test_time.h says.
#pragma once
#include <sys/types.h>

#include <atomic>
#include <memory>
#include <string>

#include "platform/win_types.h"
#include "tests/support/rendered_image.h"
#include "tests/support/test_time.h"

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
    std::unique_ptr<Watchdog> watchdog_;
};

// Runs xdotool with the arguments; its standard output, trimmed.
std::string xdotool(const std::string &args);

// The id of the window whose title is exactly title, waiting for it up to
// timeoutMs; 0 when there is none.
unsigned long windowNamed(const std::string &title, int timeoutMs = 20000);

// Waits up to timeoutMs until the server has no window whose title is exactly
// title: a window the program destroyed may still be there for a moment in
// the eyes of another client.
bool noWindowNamed(const std::string &title, int timeoutMs = 20000);

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

// Tells a test that drives the windows of its own thread from another thread
// when the window thread has taken everything sent before. The probe is a
// hidden window of the thread that serves the windows; taken() sends it a
// close request behind the input sent so far and waits until its procedure
// hears it. The server delivers the two in the order they were sent, and
// every message loop (dialogs, menus, lists, the waits of the screen) passes
// the request on, so once it is heard the input before it has been taken:
// its effects can be checked, and the next input finds the windows it opened.
// (Input that ends the last loop of the thread leaves nobody to hear a probe.)
class InputProbe {
  public:
    InputProbe(); // on the thread that serves the windows
    ~InputProbe();
    InputProbe(const InputProbe &) = delete;
    InputProbe &operator=(const InputProbe &) = delete;

    // From another thread; false when the request was not heard in time.
    bool taken();

  private:
    static LRESULT procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = 0;
    std::atomic<int> sent_{0}, heard_{0};
};
