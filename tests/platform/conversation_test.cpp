// Timers, memory blocks, atoms, and a conversation with the program manager
// that makes a menu group of desktop entries; all without a display.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/windows.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<MSG> received;

LRESULT recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER || message == WM_DDE_ACK || message == WM_DDE_TERMINATE)
        received.push_back(MSG{window, message, wParam, lParam, 0, POINT{0, 0}});
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND recordingWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recordingProc;
    windowClass.lpszClassName = "recording";
    RegisterClassA(&windowClass);
    received.clear();
    return CreateWindowExA(0, "recording", "client", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, 0, 0, 0,
                           nullptr);
}

TEST(Timers, ALoopWaitsForATimerAndEndsWithoutOne) {
    const HWND window = recordingWindow();
    ASSERT_NE(window, 0);
    MSG msg;
    // A timer comes no sooner than it is due: one due in an hour is not there.
    ASSERT_EQ(SetTimer(window, 6, 3600000, nullptr), 6u);
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        EXPECT_NE(msg.message, WM_TIMER);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(KillTimer(window, 6), 1);
    // The loop waits for it, with nothing else that could come.
    ASSERT_EQ(SetTimer(window, 7, 50, nullptr), 7u);
    while (GetMessageA(&msg, 0, 0, 0) > 0 && msg.message != WM_TIMER)
        DispatchMessageA(&msg);
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(KillTimer(window, 7), 1);
    EXPECT_EQ(KillTimer(window, 7), 0);
    // Without a display and without timers nothing more can come.
    while (GetMessageA(&msg, 0, 0, 0) > 0)
        EXPECT_NE(msg.message, WM_TIMER);
    // A timer of a window that is gone is gone with it.
    SetTimer(window, 8, 10, nullptr);
    DestroyWindow(window);
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), 0);
    EXPECT_EQ(SetTimer(window, 9, 10, nullptr), 0u);
}

TEST(MemoryAndAtoms, HandlesLiveUntilFreedOrDeleted) {
    const HGLOBAL block = GlobalAlloc(GMEM_DDESHARE, 1000);
    ASSERT_NE(block, 0);
    char *bytes = static_cast<char *>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[999], 0);
    EXPECT_EQ(GlobalSize(block), 1000u);
    EXPECT_EQ(GlobalUnlock(block), 0);
    EXPECT_EQ(GlobalFree(block), 0);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block);

    const ATOM atom = GlobalAddAtomA("PROGMAN");
    ASSERT_NE(atom, 0);
    EXPECT_EQ(GlobalAddAtomA("progman"), atom);
    char name[8];
    EXPECT_EQ(GlobalGetAtomNameA(atom, name, sizeof name), 7u);
    EXPECT_STREQ(name, "PROGMAN");
    EXPECT_EQ(GlobalGetAtomNameA(atom, name, 4), 3u);
    EXPECT_STREQ(name, "PRO");
    EXPECT_EQ(GlobalDeleteAtom(atom), 0);
    EXPECT_EQ(GlobalGetAtomNameA(atom, name, sizeof name), 7u); // counted twice
    EXPECT_EQ(GlobalDeleteAtom(atom), 0);
    EXPECT_EQ(GlobalGetAtomNameA(atom, name, sizeof name), 0u);
    EXPECT_EQ(GlobalAddAtomA(""), 0);
}

class ProgramManager : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override {
        setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
        unsetenv("KAVLOR_PROGMAN");
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("KAVLOR_PROGMAN");
    }

    // Starts a conversation from a window of ours, executes the commands and
    // ends it, as a client does; the messages the client received.
    std::vector<UINT> converse(const std::string &commands) {
        const HWND client = recordingWindow();
        const ATOM application = GlobalAddAtomA("PROGMAN");
        const ATOM topic = GlobalAddAtomA("PROGMAN");
        SendMessageA(HWND_BROADCAST, WM_DDE_INITIATE, WPARAM(client),
                     MAKELPARAM(application, topic));
        std::vector<UINT> messages;
        if (!received.empty()) {
            const HWND server = HWND(received.front().wParam);
            const HGLOBAL block = GlobalAlloc(GMEM_DDESHARE, commands.size() + 1);
            std::strcpy(static_cast<char *>(GlobalLock(block)), commands.c_str());
            GlobalUnlock(block);
            PostMessageA(server, WM_DDE_EXECUTE, WPARAM(client), block);
            MSG msg;
            while (received.size() < 2 && GetMessageA(&msg, 0, 0, 0) > 0)
                DispatchMessageA(&msg);
            PostMessageA(server, WM_DDE_TERMINATE, WPARAM(client), 0);
            while (GetMessageA(&msg, 0, 0, 0) > 0)
                DispatchMessageA(&msg);
            EXPECT_FALSE(IsWindow(server));
            GlobalFree(block);
        }
        for (const MSG &m : received)
            messages.push_back(m.message);
        DestroyWindow(client);
        GlobalDeleteAtom(application);
        GlobalDeleteAtom(topic);
        return messages;
    }

    std::vector<std::string> entries(const std::string &folder) {
        std::vector<std::string> names;
        if (!std::filesystem::exists(folder)) return names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ProgramManager, AGroupBecomesValidDesktopEntries) {
    const std::string p = dir.file("with space $x");
    std::filesystem::create_directories(p);
    const std::string group = "[CreateGroup(KAVGCC," + p + "\\kavlor)]";
    const std::string commands = group + "[DeleteGroup(KAVGCC)]" + group + "[AddItem(" + p +
                                 "\\win\\readme.exe  " + p +
                                 "\\readme.cyg,Readme,progman.exe,40)][AddItem(" + p +
                                 "/win/tool,A \"tool\" 100%,progman.exe,3)][ShowGroup(1)]";
    EXPECT_EQ(converse(commands), (std::vector<UINT>{WM_DDE_ACK, WM_DDE_ACK, WM_DDE_TERMINATE}));

    const std::vector<std::string> items = entries(dir.file("data/applications"));
    ASSERT_EQ(items.size(), 2u);
    const std::string readme = readFile(items[0]);
    // The shell's characters in the folder's name are escaped, then the
    // backslashes of the escapes written as a desktop entry's string.
    std::string escaped = p;
    escaped.replace(escaped.find('$'), 1, "\\\\$");
    EXPECT_NE(readme.find("Name=Readme\n"), std::string::npos) << readme;
    EXPECT_NE(
        readme.find("Exec=sh \"" + escaped + "/win/readme.exe\" \"" + escaped + "/readme.cyg\"\n"),
        std::string::npos)
        << readme;
    EXPECT_NE(readme.find("Icon=text-x-generic\n"), std::string::npos);
    EXPECT_EQ(entries(dir.file("data/desktop-directories")).size(), 1u);
    EXPECT_EQ(entries(dir.file("config/menus/applications-merged")).size(), 1u);
    const std::string groupFile = readFile(p + "/kavlor");
    EXPECT_EQ(groupFile.rfind("[Group]\nName=KAVGCC\n", 0), 0u) << groupFile;
    EXPECT_NE(groupFile.find(items[1]), std::string::npos);

    if (std::system("command -v desktop-file-validate > /dev/null") != 0)
        GTEST_SKIP() << "desktop-file-validate is missing";
    for (const std::string &file : items)
        EXPECT_EQ(std::system(("desktop-file-validate '" + file + "'").c_str()), 0) << file;
    for (const std::string &file : entries(dir.file("data/desktop-directories")))
        EXPECT_EQ(std::system(("desktop-file-validate '" + file + "'").c_str()), 0) << file;

    // Deleting the group removes every file of it.
    converse("[DeleteGroup(kavgcc)]");
    EXPECT_TRUE(entries(dir.file("data/applications")).empty());
    EXPECT_TRUE(entries(dir.file("data/desktop-directories")).empty());
    EXPECT_FALSE(fileExists(p + "/kavlor"));
}

TEST_F(ProgramManager, CommandsItCannotCarryOutAreReported) {
    writeFile(dir.file("file"), "a file where the menus would go");
    setenv("XDG_DATA_HOME", dir.file("file/data").c_str(), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(converse("[CreateGroup(KAVGCC,)][AddItem(x,y)][Unknown(z)]"),
              (std::vector<UINT>{WM_DDE_ACK, WM_DDE_ACK, WM_DDE_TERMINATE}));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(
                  "[Program Manager]\nThe program group could not be made in the desktop menu."),
              std::string::npos);
}

TEST_F(ProgramManager, NobodyAnswersWhenItIsOff) {
    setenv("KAVLOR_PROGMAN", "off", 1);
    EXPECT_TRUE(converse("[CreateGroup(KAVGCC,x)]").empty());
    EXPECT_TRUE(entries(dir.file("data/desktop-directories")).empty());
}

} // namespace
