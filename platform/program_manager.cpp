// The program manager's window and its side of a conversation.
#include "platform/program_manager.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "platform/program_groups.h"
#include "platform/windows.h"

namespace {

constexpr const char *serverClass = "KavlorProgramManager";
thread_local HWND serverWindow = 0;
thread_local ProgramGroupsState groups;

bool namesProgman(ATOM atom) {
    if (atom == 0) return true; // any application, any topic
    char name[256];
    return GlobalGetAtomNameA(atom, name, sizeof name) > 0 && strcasecmp(name, "PROGMAN") == 0;
}

// The command string of a block, never read past the block's end.
std::string commandsOf(HGLOBAL block) {
    const char *text = static_cast<const char *>(GlobalLock(block));
    if (text == nullptr) return "";
    const std::size_t size = GlobalSize(block);
    const std::string commands(text, strnlen(text, size));
    GlobalUnlock(block);
    return commands;
}

LRESULT serverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DDE_INITIATE:
        if (HWND(wParam) != window && namesProgman(LOWORD(WPARAM(lParam))) &&
            namesProgman(HIWORD(WPARAM(lParam))))
            SendMessageA(HWND(wParam), WM_DDE_ACK, WPARAM(window), lParam);
        return 0;
    case WM_DDE_EXECUTE:
        // The program manager tells the user itself when it cannot do what it is asked.
        if (!runProgramManagerCommands(commandsOf(HGLOBAL(lParam)), groups))
            MessageBoxA(0, "The program group could not be made in the desktop menu.",
                        "Program Manager", MB_OK);
        PostMessageA(HWND(wParam), WM_DDE_ACK, WPARAM(window), lParam);
        return 0;
    case WM_DDE_TERMINATE:
        PostMessageA(HWND(wParam), WM_DDE_TERMINATE, WPARAM(window), 0);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        if (serverWindow == window) serverWindow = 0;
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

void startProgramManager() {
    if (const char *mode = std::getenv("KAVLOR_PROGMAN");
        mode != nullptr && std::strcmp(mode, "off") == 0)
        return;
    if (serverWindow != 0 && IsWindow(serverWindow)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = serverProc;
    windowClass.lpszClassName = serverClass;
    RegisterClassA(&windowClass); // 0 when a thread before registered it
    serverWindow =
        CreateWindowExA(0, serverClass, "Program Manager", 0, 0, 0, 1, 1, 0, 0, 0, nullptr);
}
