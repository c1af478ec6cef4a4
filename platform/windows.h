// The small set of window-system types and calls the library uses, declared
// for Linux. This folder implements them over X11 and the C library; nothing
// else in the tree talks to X11 directly.
#pragma once
#include <cstdint>

using HWND = std::intptr_t;
using UINT = unsigned int;

// MessageBoxA types and answers.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a message box and returns the answer. In log mode it prints the
// caption and the text on standard error and returns the default answer (OK or
// YES); every box is shown that way until the X11 box exists.
int MessageBoxA(HWND owner, const char *text, const char *caption, UINT type);
