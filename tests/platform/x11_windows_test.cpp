// Windows on an X server of the test's own: where they appear, what they show,
// the input xdotool sends them, the frame's close button, message boxes, and
// the end of a process whose display goes away.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include <future>
#include <string>
#include <thread>
#include <vector>

#include "platform/windows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

std::vector<MSG> received;

LRESULT keepingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CLOSE: received.push_back(MSG{window, message, wParam, lParam, 0, {0, 0}}); break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class X11Windows : public ::testing::Test {
  protected:
    XvfbServer server;

    void SetUp() override {
        ASSERT_TRUE(server.running());
        received.clear();
        WNDCLASSA c{};
        c.lpfnWndProc = keepingProcedure;
        c.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
        c.hCursor = LoadCursorA(0, IDC_ARROW);
        c.lpszClassName = "test";
        RegisterClassA(&c);
    }
    // A shown window of outer rectangle (50, 60, 300, 200).
    static HWND shown(const char *title) {
        const HWND window = CreateWindowExA(0, "test", title, WS_OVERLAPPEDWINDOW, 50, 60, 300, 200,
                                            0, 0, 0, nullptr);
        ShowWindow(window, SW_SHOWNORMAL);
        return window;
    }
    // Serves the thread's windows until a message arrives or time runs out.
    static bool serveUntil(UINT message) {
        return waitUntil([message] {
            MSG msg;
            while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
                if (msg.message == message) return true;
            }
            return false;
        });
    }
};

TEST_F(X11Windows, AWindowIsItsClientAreaOnTheScreenNamedByItsTitle) {
    EXPECT_EQ(DisplayPresent(), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetDeviceCaps(0, VERTRES), 768);
    EXPECT_EQ(GetDeviceCaps(0, BITSPIXEL), 32);
    const HWND window = shown("First window");
    EXPECT_EQ(windowNamed("First window"), static_cast<unsigned long>(window));
    // The client area: inside a frame of 4 and a caption of 19.
    EXPECT_EQ(xdotool("getwindowgeometry " + std::to_string(window)),
              "Window " + std::to_string(window) +
                  "\n  Position: 54,83 (screen: 0)\n  Geometry: 292x173");
    SetWindowTextA(window, "KAVLOR 1 / \xC4nderung"); // Latin-1
    EXPECT_EQ(windowNamed("KAVLOR 1 / \xC3\x84nderung"), static_cast<unsigned long>(window));
    POINT p{3, 4};
    ClientToScreen(window, &p);
    EXPECT_EQ(p.x, 57);
    EXPECT_EQ(p.y, 87);
}

TEST_F(X11Windows, DrawingReachesTheScreenAndComesBackAfterTheWindowWasHidden) {
    const HWND window = shown("Drawn");
    EXPECT_TRUE(serveUntil(WM_PAINT)); // the first paint erases the window
    const HDC dc = GetDC(window);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT part{10, 20, 30, 25};
    FillRect(dc, &part, red);
    ReleaseDC(window, dc);
    RgbImage image = windowPixels(window);
    ASSERT_EQ(image.width, 292);
    EXPECT_EQ(std::vector<int>(image.at(10, 20), image.at(10, 20) + 3),
              (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(std::vector<int>(image.at(29, 24), image.at(29, 24) + 3),
              (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(std::vector<int>(image.at(30, 24), image.at(30, 24) + 3),
              (std::vector<int>{255, 255, 255}));

    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWNORMAL);
    EXPECT_TRUE(serveUntil(WM_PAINT));
    image = windowPixels(window);
    EXPECT_EQ(std::vector<int>(image.at(15, 22), image.at(15, 22) + 3),
              (std::vector<int>{255, 0, 0}));
    DeleteObject(red);
}

TEST_F(X11Windows, KeysAndClicksArriveAsMessages) {
    const HWND window = shown("Input");
    xdotool("mousemove --window " + std::to_string(window) + " 10 12 click 3");
    ASSERT_TRUE(serveUntil(WM_RBUTTONUP));
    xdotool("key Escape");
    ASSERT_TRUE(serveUntil(WM_CHAR));
    ASSERT_EQ(received.size(), 4u);
    EXPECT_EQ(received[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(received[1].message, WM_RBUTTONUP);
    EXPECT_EQ(received[1].lParam, MAKELPARAM(10, 12));
    EXPECT_EQ(received[2].message, WM_KEYDOWN);
    EXPECT_EQ(received[2].wParam, VK_ESCAPE);
    EXPECT_EQ(received[3].message, WM_CHAR);
    EXPECT_EQ(received[3].wParam, 27u);
}

TEST_F(X11Windows, GetMessageWaitsForInput) {
    const HWND window = shown("Waiting");
    // The click comes once this thread sleeps, in GetMessage.
    const std::string state = "/proc/self/task/" + std::to_string(gettid()) + "/stat";
    auto click = std::async(std::launch::async, [window, state] {
        EXPECT_TRUE(waitUntil([&] {
            const std::string stat = readFile(state);
            return stat.size() > stat.rfind(')') + 2 && stat[stat.rfind(')') + 2] == 'S';
        }));
        xdotool("mousemove --window " + std::to_string(window) + " 5 5 click 1");
    });
    MSG msg;
    do {
        ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), 1);
        DispatchMessageA(&msg);
    } while (msg.message != WM_LBUTTONDOWN);
    EXPECT_EQ(msg.lParam, MAKELPARAM(5, 5));
    click.wait();
}

TEST_F(X11Windows, TheCloseButtonClosesOnlyWhileTheSystemMenuAllowsIt) {
    const HWND window = shown("Closable");
    EnableMenuItem(GetSystemMenu(window, 0), SC_CLOSE, MF_GRAYED);
    ASSERT_TRUE(closeWindow(window));
    EXPECT_TRUE(serveUntil(WM_SYSCOMMAND));
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(IsWindow(window), 1);
    EnableMenuItem(GetSystemMenu(window, 0), SC_CLOSE, MF_ENABLED);
    ASSERT_TRUE(closeWindow(window));
    EXPECT_TRUE(serveUntil(WM_SYSCOMMAND));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, WM_CLOSE);
    EXPECT_EQ(IsWindow(window), 0);
    EXPECT_TRUE(noWindowNamed("Closable"));
}

TEST_F(X11Windows, AWindowOfAnotherClientCanBeDrawnInto) {
    // A window of another thread is another connection's: foreign to this one.
    std::promise<HWND> made;
    std::promise<void> done;
    std::thread other([&] {
        const HWND w = shown("Foreign");
        const HDC dc = GetDC(w);
        const RECT part{0, 0, 5, 5};
        FillRect(dc, &part, HBRUSH(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(w, dc);
        made.set_value(w);
        done.get_future().wait();
    });
    const HWND foreign = made.get_future().get();
    RECT client{};
    EXPECT_EQ(GetClientRect(foreign, &client), 1);
    EXPECT_EQ(client.right, 292);
    const HDC dc = GetDC(foreign);
    ASSERT_NE(dc, 0);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0)); // its picture was read
    EXPECT_EQ(GetPixel(dc, 8, 8), RGB(255, 255, 255));
    const RECT part{8, 8, 12, 12};
    const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &part, blue);
    ReleaseDC(foreign, dc);
    const RgbImage image = windowPixels(foreign);
    EXPECT_EQ(std::vector<int>(image.at(9, 9), image.at(9, 9) + 3), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(GetDC(0x1FFFFFF0), 0); // no such window
    done.set_value();
    other.join();
    DeleteObject(blue);
}

TEST_F(X11Windows, AProcessWhoseDisplayGoesAwayEndsWithStatusOne) {
    EXPECT_EXIT(
        {
            const HWND window = shown("Doomed");
            server.stop();
            // A write that meets the server just gone (between Xlib's check of
            // the connection and its write) raises SIGPIPE, as here.
            std::raise(SIGPIPE);
            SetWindowTextA(window, "Gone");
            MSG msg;
            while (GetMessageA(&msg, 0, 0, 0) > 0)
                DispatchMessageA(&msg);
            std::exit(0);
        },
        testing::ExitedWithCode(1), ">>>> The connection to the X display is lost!");
}

TEST_F(X11Windows, APipeOfTheProgramStillEndsItBySigpipe) {
    // The library takes SIGPIPE only for its own X connections.
    EXPECT_EXIT(
        {
            shown("Piped");
            int ends[2];
            if (pipe(ends) != 0) std::exit(2);
            close(ends[0]);
            const char byte = 0;
            [[maybe_unused]] const auto written = write(ends[1], &byte, 1);
            std::exit(0);
        },
        testing::KilledBySignal(SIGPIPE), "");
}

// Message boxes run in a thread of their own while the test presses keys.
class X11MessageBox : public ::testing::Test {
  protected:
    XvfbServer server;

    std::future<int> ask(const char *text, const char *caption, UINT type) {
        return std::async(std::launch::async, [=] { return MessageBoxA(0, text, caption, type); });
    }
};

TEST_F(X11MessageBox, ShowsItsTextAndAnswersByKey) {
    auto answer = ask("Overwrite plot.pdf?\nIt exists.", "Question", MB_YESNO | MB_DEFBUTTON2);
    const unsigned long box = shownWindow("--name '^Question$'");
    ASSERT_NE(box, 0u);
    EXPECT_EQ(windowProperty(box, "_KAVLOR_TEXT"),
              "_KAVLOR_TEXT(STRING) = \"Overwrite plot.pdf?\\nIt exists.\"");
    // The text and the buttons, once the box has painted them.
    int dark = 0;
    EXPECT_TRUE(waitUntil([&] {
        const RgbImage image = windowPixels(box);
        dark = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                dark += image.at(x, y)[0] < 64;
        return dark > 100;
    })) << dark;
    pressKeys(box, "Return");
    EXPECT_EQ(answer.get(), IDNO); // the default
    // Gone also in the server's eyes, before the next box of that name is looked for.
    EXPECT_TRUE(noWindowNamed("Question"));

    answer = ask("Again?", "Question", MB_YESNO | MB_DEFBUTTON2);
    pressKeys(shownWindow("--name '^Question$'"), "Tab Return");
    EXPECT_EQ(answer.get(), IDYES);
    EXPECT_TRUE(noWindowNamed("Question"));

    answer = ask("Stop?", "Question", MB_OKCANCEL);
    pressKeys(shownWindow("--name '^Question$'"), "Escape");
    EXPECT_EQ(answer.get(), IDCANCEL);
}

TEST_F(X11MessageBox, AnswersByClick) {
    auto answer = ask("Really?", "Question", MB_YESNO | MB_DEFBUTTON2);
    const unsigned long box = shownWindow("--name '^Question$'");
    ASSERT_NE(box, 0u);
    const std::string geometry = xdotool("getwindowgeometry --shell " + std::to_string(box));
    const int width = std::stoi(geometry.substr(geometry.find("WIDTH=") + 6));
    const int height = std::stoi(geometry.substr(geometry.find("HEIGHT=") + 7));
    // Yes is the left of two buttons of 75 pixels centred 8 apart at the bottom.
    xdotool("mousemove --window " + std::to_string(box) + " " + std::to_string(width / 2 - 40) +
            " " + std::to_string(height - 25) + " click 1");
    EXPECT_EQ(answer.get(), IDYES);
}

TEST_F(X11MessageBox, TheEnvironmentCanAskForTheLogMode) {
    setenv("KAVLOR_MSGBOX", "log", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(0, "text", "caption", MB_OK), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[caption]\ntext\n");
}

} // namespace
