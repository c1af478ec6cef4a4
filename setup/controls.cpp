// Windows and controls placed in units of the system font: mkmainwin measures
// the font, the others make one child each.
#include <string>

#include "setup/setup_state.h"
#include "setup/setup_windows.h"

HWND mkmainwin(int x, int y, int width, int height, const char *title) {
    const HWND window = CreateWindowExA(0, "instdir", title, WS_OVERLAPPEDWINDOW, x, y, width,
                                        height, 0, 0, setup.instance, nullptr);
    const HDC dc = GetDC(window);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    setup.cw = metrics.tmAveCharWidth;
    setup.lh = metrics.tmHeight + metrics.tmExternalLeading;
    ReleaseDC(window, dc);
    return window;
}

HWND mklabel(HWND parent, int x, int y, const char *text) {
    const int width = int(1.5 * double(int(std::string(text).size()) * setup.cw));
    const int height = int(1.5 * setup.lh);
    const HWND label = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                       parent, HMENU(setup.childId), setup.instance, nullptr);
    SetWindowTextA(label, text);
    return label;
}

HWND mkedit(HWND parent, int x, int y, int width, int height, const char *text) {
    const HWND edit =
        CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, x, y,
                        width, height, parent, HMENU(setup.childId++), setup.instance, nullptr);
    SetWindowTextA(edit, text);
    return edit;
}

namespace {

HWND button(HWND parent, int x, int y, int width, int height, const char *text, DWORD style) {
    return CreateWindowExA(0, "button", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent, HMENU(setup.childId++), setup.instance, nullptr);
}

} // namespace

HWND mkbutton(HWND parent, int x, int y, int width, int height, const char *text) {
    return button(parent, x, y, width, height, text, BS_PUSHBUTTON);
}

HWND mkdefbutton(HWND parent, int x, int y, int width, int height, const char *text) {
    return button(parent, x, y, width, height, text, BS_DEFPUSHBUTTON);
}
