// The program group, made through a conversation with the program manager
// held by a hidden window: its start, the commands, their acknowledgement
// and the end. A program manager that does not answer in time is given up.
#include <cstring>
#include <string>

#include "setup/install_steps.h"
#include "setup/setup_state.h"
#include "setup/setup_windows.h"

namespace {

// The items of the group: a program in the folder win, the item's name, and
// the index of its icon among the old program manager's own icons. Readme
// and Overview open the documents of the installation folder.
struct InstItem {
    const char *program;
    const char *label;
    int icon;
};
const InstItem institems[] = {{"readme.exe", "Overview", 40}, {"readme.exe", "Readme", 40}};

constexpr std::size_t blockSize = 1000;
constexpr std::size_t itemLimit = 980;
constexpr std::uintptr_t answerTimer = 1;
constexpr unsigned answerMilliseconds = 5000;

// The one conversation.
struct Conversation {
    HGLOBAL block = 0;
    char *commands = nullptr;
    ATOM application = 0, topic = 0;
    HWND server = 0;
    int acknowledgements = 0;
    HWND window = 0;
};
Conversation conversation;

void cannotAddItem() {
    MessageBoxA(0, "Not enough memory to add item", "Zorp Setup", MB_OK);
}

void start(HWND window) {
    conversation.block = GlobalAlloc(GMEM_DDESHARE, blockSize);
    if (conversation.block == 0) {
        setupError("Not enough memory to create group", "Zorp Setup");
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    conversation.commands = static_cast<char *>(GlobalLock(conversation.block));
    conversation.application = GlobalAddAtomA("PROGMAN");
    conversation.topic = GlobalAddAtomA("PROGMAN");
    const std::string commands = groupCommands(instpath, cannotAddItem);
    std::memcpy(conversation.commands, commands.c_str(), commands.size() + 1);
    SetTimer(window, answerTimer, answerMilliseconds, nullptr);
    SendMessageA(HWND(-1), WM_DDE_INITIATE, WPARAM(window),
                 MAKELPARAM(conversation.application, conversation.topic));
}

} // namespace

std::string groupCommands(const std::string &folder, void (*cannotAdd)()) {
    const std::string group = "[CreateGroup(KAVGCC," + folder + "/kavlor" + ")]";
    std::string block = group + "[DeleteGroup(KAVGCC)]" + group;
    for (const InstItem &item : institems) {
        std::string command = "[AddItem(" + folder + "/win/" + item.program;
        if (std::strcmp(item.label, "Readme") == 0) command += "  " + folder + "/" + "readme.cyg";
        if (std::strcmp(item.label, "Overview") == 0) command += "  " + folder + "/" + "kavlor.inf";
        command +=
            "," + std::string(item.label) + ",progman.exe" + "," + std::to_string(item.icon) + ")]";
        if (block.size() + command.size() < itemLimit)
            block += command;
        else
            cannotAdd();
    }
    return block + "[ShowGroup(1)]";
}

int instgroup() {
    conversation = Conversation{};
    conversation.window = CreateWindowExA(0, "instdde", "Zorp Setup", WS_OVERLAPPEDWINDOW, 0, 0,
                                          400, 200, 0, 0, setup.instance, nullptr);
    runMessageLoop();
    return 0;
}

LRESULT instddeproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: start(window); return 0;
    case WM_DDE_ACK:
        if (conversation.acknowledgements++ == 0) {
            conversation.server = HWND(wParam);
            PostMessageA(conversation.server, WM_DDE_EXECUTE, WPARAM(window), conversation.block);
        } else {
            PostMessageA(conversation.server, WM_DDE_TERMINATE, WPARAM(window), 0);
            SendMessageA(conversation.window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_TIMER:
        // Nobody answered the start or the commands: the setup goes on without a group.
        KillTimer(window, answerTimer);
        if (conversation.acknowledgements >= 2) return 0;
        setupError("The program manager does not answer: the program group KAVGCC was not made.",
                   "Zorp Setup");
        if (conversation.server != 0)
            PostMessageA(conversation.server, WM_DDE_TERMINATE, WPARAM(window), 0);
        SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SIZE: return 0;
    case WM_DESTROY:
        KillTimer(window, answerTimer);
        GlobalDeleteAtom(conversation.application);
        GlobalDeleteAtom(conversation.topic);
        GlobalUnlock(conversation.block);
        GlobalFree(conversation.block);
        conversation.block = 0;
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
