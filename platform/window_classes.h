// The window classes of the process (window_classes.cpp), behind a lock of
// their own. Windows look their class up by name when they need it.
#pragma once
#include <string>

#include "platform/win_user.h"

struct WindowClass {
    UINT style = 0;
    WNDPROC proc = nullptr;
    HCURSOR cursor = 0;
    HBRUSH background = 0;
};

// The class of that name, or false.
bool findWindowClass(const std::string &name, WindowClass &found);
// Counts the windows of a class, so that it cannot be removed under them.
void countWindowOfClass(const std::string &name, int change);
