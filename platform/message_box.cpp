// Message boxes. The log mode prints on standard error, so that no test and no
// script without a display can hang on a box nobody sees.
#include <cstdio>

#include "platform/windows.h"

int MessageBoxA(HWND, const char *text, const char *caption, UINT type) {
    std::fprintf(stderr, "[%s]\n%s\n", caption != nullptr ? caption : "",
                 text != nullptr ? text : "");
    std::fflush(stderr);
    return (type & 0xF) == MB_YESNO ? IDYES : IDOK;
}
