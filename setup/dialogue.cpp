// The introduction, the folder window and the final box.
#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

#include "setup/setup_state.h"
#include "setup/setup_windows.h"

std::string defaultInstallFolder() {
    const char *home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd *user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "";
    }
    return std::string(home) + "/kavlor";
}

int instintro() {
    const std::string message = std::string("This is the setup program of the graphics soft-\n") +
                                "ware KAVLOR 9.1 for Windows and GCC/G77/G95-Cygwin.\n \n" +
                                "KAVLOR is made by Zorp Software\n" +
                                "for scientists and engineers.\n \n" +
                                "If you want to continue, press the OK button.\n";
    return MessageBoxA(0, message.c_str(), "KAVLOR Setup", MB_OKCANCEL) == IDOK ? 0 : -1;
}

int instdirwin() {
    const HWND window = mkmainwin((setup.screenWidth - 300) / 2, (setup.screenHeight - 200) / 2,
                                  300, 200, "KAVLOR Setup");
    setup.dirWindow = window;
    const int cw = setup.cw, lh = setup.lh;
    mklabel(window, 3 * cw, 2 * lh, "Installation directory:");
    setup.dirEdit =
        mkedit(window, 3 * cw, 4 * lh, 300 - 6 * cw, int(1.5 * lh), defaultInstallFolder().c_str());
    setup.dirOk = mkdefbutton(window, 10 * cw, 7 * lh, 10 * cw, (7 * lh) / 4, "OK");
    setup.dirCancel = mkbutton(window, 300 - 20 * cw, 7 * lh, 10 * cw, (7 * lh) / 4, "Cancel");
    ShowWindow(window, setup.showCommand);
    UpdateWindow(window);
    // Nobody can type without a display: the dialogue takes the folder offered.
    if (!DisplayPresent()) PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);

    runMessageLoop();
    return setup.cancelled == 1 ? -1 : 0;
}

namespace {

void accept(HWND window) {
    setup.cancelled = 0;
    GetWindowTextA(setup.dirEdit, instpath, instpathSize);
    SendMessageA(window, WM_CLOSE, 0, 0);
}

} // namespace

LRESULT instdirproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (LOWORD(wParam) != 13) break;
        accept(window);
        return 0;
    case WM_COMMAND:
        if (HWND(lParam) == setup.dirOk && lParam != 0) {
            accept(window);
            return 0;
        }
        if (HWND(lParam) == setup.dirCancel && lParam != 0) {
            setup.cancelled = 1;
            SendMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default: break;
    }
    return stepWindowProc(window, message, wParam, lParam);
}

int instready() {
    const std::string folder = instpath;
    const std::string message = "The installation of KAVLOR is ready.\n \n"
                                "Set the environment variable KAVLOR to\n" +
                                folder + "\n \n" + "and include " + folder + "/win" +
                                "\n in your path.";
    MessageBoxA(0, message.c_str(), "KAVLOR Setup", MB_OK);
    return 0;
}
