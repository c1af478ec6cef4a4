// The setup program's entry: its steps in their order. The user can stop at
// the introduction and in the folder window; a folder that cannot be made
// stops the setup. A file that could not be copied stops it after the copy:
// an incomplete installation gets no menu entries and no registry values,
// which would send the library to it, and is not reported ready. The exit
// status is 0, or 1 when any step showed an error.
#include "setup/install_steps.h"
#include "setup/setup_state.h"
#include "setup/setup_windows.h"

namespace {

void registerClass(const char *name, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = setup.instance;
    windowClass.hIcon = LoadIconA(0, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(0, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

int WinMain(HINSTANCE instance, HINSTANCE previous, const char *, int showCommand) {
    setup.instance = instance;
    setup.showCommand = showCommand;
    if (previous == 0) {
        registerClass("instdir", instdirproc);
        registerClass("instcopy", instcopyproc);
        registerClass("instdde", instddeproc);
    }
    if (instintro() == -1) return 0;
    setup.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    setup.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (instdirwin() == -1) return 0;
    if (instmkdirs() == -1) return 1;
    if (instcopyfiles() == -1) return 1;
    instgroup();
    if (instregistry(instpath, setupVersion) != 0)
        setupError("Cannot write the registry values of KAVLOR", "Setup");
    instready();
    return setup.failures == 0 ? 0 : 1;
}

} // namespace

int main() {
    return WinMain(0, 0, "", SW_SHOWNORMAL);
}
