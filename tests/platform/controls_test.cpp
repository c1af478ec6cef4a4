// The stand-in's controls, menus and open-file dialog on an X server of the
// test's own, driven with xdotool from a second thread while the test thread
// serves its windows; and program start without a display.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/thread_windows.h"
#include "platform/windows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

struct Heard {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Heard> heard;

LRESULT parentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_HSCROLL || message == WM_VSCROLL)
        heard.push_back(Heard{message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

class Controls : public ::testing::Test {
  protected:
    XvfbServer server;
    std::unique_ptr<InputProbe> probe;
    HWND parent = 0;

    void SetUp() override {
        ASSERT_TRUE(server.running());
        probe = std::make_unique<InputProbe>();
        heard.clear();
        WNDCLASSA c{};
        c.lpfnWndProc = parentProcedure;
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = "parent";
        RegisterClassA(&c);
    }
    void show(const char *title, HMENU menu = 0) {
        parent = CreateWindowExA(0, "parent", title, WS_OVERLAPPEDWINDOW, 20, 20, 420, 320, 0, menu,
                                 0, nullptr);
        ShowWindow(parent, SW_SHOWNORMAL);
    }
    HWND control(const char *className, const char *text, DWORD style, int x, int y, int w, int h,
                 int id) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               parent, HMENU(id), 0, nullptr);
    }
    // Runs xdotool commands in a thread of their own while this thread serves
    // its windows; each command once this thread has taken the ones before (a
    // click may open the list the next one clicks into), and back when it has
    // taken the last.
    void drive(const std::vector<std::string> &commands) {
        auto input = std::async(std::launch::async, [&] {
            for (const std::string &c : commands) {
                xdotool(c);
                if (!probe->taken()) return;
            }
        });
        while (input.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            serve();
        input.get();
    }
    static void serve() {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    std::string at(int x, int y) const {
        return "mousemove --window " + std::to_string(parent) + " " + std::to_string(x) + " " +
               std::to_string(y);
    }
    // The notifications of the control id.
    static std::vector<WORD> codes(UINT message, int id) {
        std::vector<WORD> out;
        for (const Heard &h : heard)
            if (h.message == message && LOWORD(h.wParam) == id) out.push_back(HIWORD(h.wParam));
        return out;
    }
};

TEST_F(Controls, TypingChangesAnEditFieldAndItsName) {
    show("Typing");
    const HWND edit = control("edit", "", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 24, 7);
    SetFocus(edit);
    drive({"type abc", "key BackSpace Home", "type x"});
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "xab");
    EXPECT_EQ(codes(WM_COMMAND, 7), std::vector<WORD>(5, EN_CHANGE));
    EXPECT_EQ(heard.front().lParam, edit);
    EXPECT_EQ(windowNamed("xab"), static_cast<unsigned long>(edit));
    drive({"key ctrl+a", "type new"});
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "new");
}

// A dialog moves the focus on Tab when it takes the key; the keys typed
// behind it go where it moved it, and Shift is as it was at each key.
TEST_F(Controls, KeysTypedAheadFollowTheFocusTheKeysBeforeThemMoved) {
    show("Ahead");
    const HWND first = control("edit", "", WS_BORDER, 10, 10, 200, 24, 7);
    const HWND second = control("edit", "", WS_BORDER, 10, 40, 200, 24, 8);
    SetFocus(first);
    xdotool("key a Tab b shift+Tab c");
    // Every key is in the connection's queue before the first is taken.
    xlib.XSync(threadWindows().x.display, False);
    char one[16] = {}, two[16] = {};
    EXPECT_TRUE(waitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
                SetFocus(GetKeyState(int(VK_SHIFT)) < 0 ? first : second);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        GetWindowTextA(first, one, sizeof one);
        GetWindowTextA(second, two, sizeof two);
        return std::string(one) + "|" + two == "ac|b";
    })) << one
        << "|" << two;
}

TEST_F(Controls, ButtonsClickAndCheck) {
    show("Buttons");
    const HWND push = control("button", "Push", BS_PUSHBUTTON, 10, 10, 80, 24, 3);
    const HWND check = control("button", "Check", BS_AUTOCHECKBOX, 10, 40, 80, 20, 4);
    drive({at(40, 20) + " click 1", at(20, 50) + " click 1", "key space"});
    EXPECT_EQ(codes(WM_COMMAND, 3), std::vector<WORD>{BN_CLICKED});
    EXPECT_EQ(codes(WM_COMMAND, 4), std::vector<WORD>(2, BN_CLICKED));
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), 0); // ticked, then unticked by Space
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), 1);
    // A disabled button hears nothing.
    heard.clear();
    EnableWindow(push, 0);
    drive({at(40, 20) + " click 1"});
    EXPECT_TRUE(heard.empty());
}

// What the server shows of a control once it has painted its mark: the
// centre of the mark (13 pixels at the left, centred in the height) in the
// given colour, waited for while its window is served.
RgbImage markShown(HWND control, COLORREF centre) {
    RECT c;
    GetClientRect(control, &c);
    RgbImage image;
    const bool painted = waitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        image = windowPixels(static_cast<unsigned long>(control));
        if (image.width < c.right || image.height < c.bottom) return false;
        const unsigned char *p = image.at(6, c.bottom / 2);
        return RGB(p[0], p[1], p[2]) == centre;
    });
    if (!painted) ADD_FAILURE() << "the mark of control " << control << " was not painted";
    return image;
}

COLORREF colourAt(const RgbImage &image, int x, int y) {
    const unsigned char *p = image.at(x, y);
    return RGB(p[0], p[1], p[2]);
}

// Radio buttons are round, with a dot in the one chosen; a check box is square.
TEST_F(Controls, RadioButtonsAreRoundAndShowWhichIsChosen) {
    show("Radio");
    const HWND check = control("button", "Check", BS_AUTOCHECKBOX, 10, 10, 80, 20, 4);
    const HWND chosen = control("button", "One", BS_RADIOBUTTON, 10, 40, 80, 20, 5);
    const HWND other = control("button", "Two", BS_RADIOBUTTON, 10, 70, 80, 20, 6);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(chosen, BM_SETCHECK, BST_CHECKED, 0);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), rim = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT), paper = GetSysColor(COLOR_WINDOW);
    // The mark: 13 by 13 pixels at the left of the 20 pixels high control.
    const int left = 0, right = 12, top = 3, bottom = 15, cx = 6, cy = 9;
    struct Case {
        HWND button;
        COLORREF corner, centre;
    };
    for (const Case k :
         {Case{check, rim, ink}, Case{chosen, face, ink}, Case{other, face, paper}}) {
        SCOPED_TRACE(k.button == check ? "check box" : k.button == chosen ? "chosen" : "other");
        const RgbImage shown = markShown(k.button, k.centre);
        ASSERT_TRUE(shown.valid());
        for (const auto &[x, y] :
             {std::pair{left, top}, {right, top}, {left, bottom}, {right, bottom}})
            EXPECT_EQ(colourAt(shown, x, y), k.corner) << x << "," << y;
        for (const auto &[x, y] : {std::pair{cx, top}, {cx, bottom}, {left, cy}, {right, cy}})
            EXPECT_EQ(colourAt(shown, x, y), rim) << x << "," << y;
        EXPECT_EQ(colourAt(shown, cx, cy), k.centre);
    }
}

TEST_F(Controls, ListsSelectByClickAndKey) {
    show("Lists");
    const HWND list =
        control("listbox", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 10, 10, 150, 6 * 16 + 2, 5);
    for (const char *item : {"zero", "one", "two", "three", "four", "five", "six", "seven"})
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(item));
    const HWND combo = control("combobox", "", CBS_DROPDOWNLIST, 200, 10, 150, 120, 6);
    for (const char *item : {"red", "green", "blue"})
        SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(item));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    // The third line, then two down and a click on the down arrow of the bar.
    drive({at(30, 11 + 2 * 16 + 5) + " click 1", "key Down Down",
           at(155, 11 + 5 * 16 + 8) + " click 1"});
    EXPECT_EQ(codes(WM_COMMAND, 5), std::vector<WORD>(3, LBN_SELCHANGE));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
    // The drop-down list opens below the field; its third line is chosen.
    RECT field;
    GetClientRect(combo, &field);
    drive({at(250, 15) + " click 1", at(250, 10 + field.bottom + 1 + 2 * 16 + 8) + " click 1"});
    EXPECT_EQ(codes(WM_COMMAND, 6), std::vector<WORD>{CBN_SELCHANGE});
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    char item[16] = {};
    SendMessageA(combo, CB_GETLBTEXT, 2, LPARAM(item));
    EXPECT_STREQ(item, "blue");
}

TEST_F(Controls, ScrollBarsAskTheirOwner) {
    show("Scales");
    const HWND bar = control("scrollbar", "", SBS_HORZ, 10, 100, 216, 16, 9);
    SetScrollRange(bar, SB_CTL, 0, 100, 0);
    SetScrollPos(bar, SB_CTL, 0, 0);
    // The right arrow; then the thumb (16 wide, at the trough's start) dragged.
    drive({at(10 + 208, 108) + " click 1", at(10 + 16 + 8, 108) + " mousedown 1",
           at(10 + 16 + 8 + 46, 108), at(10 + 16 + 8 + 92, 108) + " mouseup 1"});
    std::vector<WORD> requests;
    for (const Heard &h : heard)
        requests.push_back(LOWORD(h.wParam));
    ASSERT_GE(requests.size(), 5u);
    EXPECT_EQ(requests[0], SB_LINERIGHT);
    EXPECT_EQ(requests[1], SB_ENDSCROLL);
    EXPECT_EQ(requests[2], SB_THUMBTRACK);
    EXPECT_EQ(requests[requests.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(requests.back(), SB_ENDSCROLL);
    // The thumb travels 168 pixels over 100 positions: 92 of them give 55.
    EXPECT_EQ(HIWORD(heard[heard.size() - 2].wParam), 55);
    EXPECT_EQ(heard[0].lParam, bar);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0); // the owner moves the thumb
}

TEST_F(Controls, MenusChooseByLetterAndClick) {
    const HMENU bar = CreateMenu();
    const HMENU exitMenu = CreatePopupMenu();
    AppendMenuA(exitMenu, MF_STRING, 901, "&OK");
    AppendMenuA(exitMenu, MF_STRING, 900, "&Quit");
    AppendMenuA(bar, MF_POPUP, std::uintptr_t(exitMenu), "&Exit");
    AppendMenuA(bar, MF_STRING, 999, "&Help");
    show("Menus", bar);
    RECT outer, client;
    GetWindowRect(parent, &outer);
    GetClientRect(parent, &client);
    // The bar's band lies between the caption and the client area.
    EXPECT_EQ(outer.bottom - outer.top - client.bottom,
              2 * GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
    drive({"key alt+e", "key q"});
    EnableMenuItem(exitMenu, 901, MF_GRAYED);
    drive({"key alt+e", "key o", "key Escape"});
    EnableMenuItem(exitMenu, 901, MF_ENABLED);
    // A click on "Exit" in the band (the X window holds the band above the
    // client area), then on its first entry, then on "Help".
    const int band = GetSystemMetrics(SM_CYCAPTION);
    drive({at(10, 8) + " click 1", at(20, band + 10) + " click 1", at(60, 8) + " click 1"});
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].wParam, 900u);
    EXPECT_EQ(heard[0].lParam, 0);
    EXPECT_EQ(heard[1].wParam, 901u);
    EXPECT_EQ(heard[2].wParam, 999u);
    DestroyWindow(parent);
    EXPECT_EQ(EnableMenuItem(exitMenu, 901, MF_GRAYED), -1); // gone with its window
}

TEST_F(Controls, TheOpenFileDialogListsWhatTheMaskMatches) {
    TempDir dir;
    for (const char *name : {"a.txt", "b.dat", "C.DAT"})
        std::ofstream(dir.path() + "/" + name) << "x";
    mkdir((dir.path() + "/sub").c_str(), 0755);
    char file[256] = "start.dat";
    const std::string initial = dir.path() + "/start.dat";
    std::snprintf(file, sizeof file, "%s", initial.c_str());
    OPENFILENAMEA request{};
    request.lpstrFilter = "Mask (*.dat)\0*.dat\0All Files (*.*)\0*.*\0";
    request.lpstrFile = file;
    request.nMaxFile = sizeof file;
    request.lpstrTitle = "Pick";
    auto input = std::async(std::launch::async, [] {
        // The dialog fills its list before it is shown: once the list is on
        // the screen it holds "../", "sub/", "C.DAT", "b.dat" (sorted, folders
        // first). A click on the fourth line names it, Return takes it.
        const unsigned long dialog = shownWindow("--name '^Pick$'");
        const unsigned long list = shownWindow("--classname '^listbox$'");
        if (dialog == 0 || list == 0) return dialog;
        xdotool("mousemove --window " + std::to_string(list) + " 20 " + std::to_string(3 * 16 + 8) +
                " click 1");
        pressKeys(dialog, "Return");
        return dialog;
    });
    EXPECT_EQ(GetOpenFileNameA(&request), 1);
    EXPECT_NE(input.get(), 0u);
    EXPECT_EQ(std::string(file), dir.path() + "/b.dat");

    // Escape leaves the buffer as it was.
    auto escape = std::async(std::launch::async, [] {
        const unsigned long dialog = shownWindow("--name '^Pick$'");
        if (dialog != 0) pressKeys(dialog, "Escape");
        return dialog;
    });
    EXPECT_EQ(GetOpenFileNameA(&request), 0);
    EXPECT_NE(escape.get(), 0u);
    EXPECT_EQ(std::string(file), dir.path() + "/b.dat");
}

TEST(ProgramStart, StartsWithoutWaitingAndTellsAMissingProgram) {
    TempDir dir;
    const std::string made = dir.path() + "/made";
    EXPECT_EQ(WinExec(("touch \"" + made + "\"").c_str(), SW_SHOWNORMAL), 33u);
    EXPECT_EQ(WinExec("no_such_program_of_kavlor x", SW_SHOWNORMAL), 2u);
    EXPECT_EQ(WinExec("", SW_SHOWNORMAL), 2u);
    // The program runs beside this one: its file comes.
    EXPECT_TRUE(waitUntil([&] { return fileExists(made); }));
}

} // namespace
