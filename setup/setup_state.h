// What the steps of the setup program share. The program has one thread and
// one instance of this state; the steps run one after the other, each a
// window or a message box of its own.
#pragma once
#include "platform/windows.h"

// The installation folder: at most 131 characters and a NUL; empty until the
// folder window accepts a text.
constexpr int instpathSize = 132;
extern char instpath[instpathSize];

struct SetupState {
    HINSTANCE instance = 0;
    int showCommand = SW_SHOWNORMAL;
    int screenWidth = 0, screenHeight = 0;
    // The system font's average character width and line height, measured
    // by mkmainwin; every control is placed in these units.
    int cw = 0, lh = 0;
    int childId = 0; // the control id of the next child
    int cancelled = 0;
    HWND dirWindow = 0, dirEdit = 0, dirOk = 0, dirCancel = 0;
    // Errors shown to the user in boxes; any makes the exit status 1, so
    // that a script is not told a half installation succeeded.
    int failures = 0;
};
extern SetupState setup;

// The version the registry records.
constexpr const char *setupVersion = "9.1";

// Shows an error in a box with an OK button and counts it as a failure.
void setupError(const char *text, const char *caption);
