// Windows and messages without a display: creation, the order of the queue,
// quits of nested loops, painting, closing, and message boxes in log mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows.h"
#include "tests/support/test_time.h"

namespace {

// What the test window's procedure saw, in order.
std::vector<std::string> seen;
// Client rectangle during WM_CREATE.
RECT createdClient{};

LRESULT recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: GetClientRect(window, &createdClient); return 0;
    case WM_DESTROY: seen.push_back("destroy " + std::to_string(window)); return 0;
    case WM_CHAR: seen.push_back("char " + std::to_string(wParam)); return 0;
    case WM_KEYDOWN:
        seen.push_back("key " + std::to_string(wParam));
        PostQuitMessage(3);
        return 0;
    case WM_CLOSE: seen.push_back("close"); break;
    case WM_USER: seen.push_back("user " + std::to_string(wParam)); return 0;
    case WM_USER + 1: {
        // A loop of its own, ended by a quit of its own.
        seen.push_back("inner start");
        PostMessageA(window, WM_USER, 7, 0);
        PostQuitMessage(0);
        MSG msg;
        while (GetMessageA(&msg, 0, 0, 0) > 0)
            DispatchMessageA(&msg);
        seen.push_back("inner end");
        PostMessageA(window, WM_KEYDOWN, 'A', 0); // its handler ends the outer loop
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Messages : public ::testing::Test {
  protected:
    void SetUp() override {
        seen.clear();
        WNDCLASSA c{};
        c.lpfnWndProc = recordingProcedure;
        c.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
        c.lpszClassName = "test";
        RegisterClassA(&c);
    }
    static HWND make(HWND parent = 0) {
        return CreateWindowExA(0, "test", "T", parent != 0 ? WS_CHILD : WS_OVERLAPPEDWINDOW, 10, 20,
                               300, 200, parent, 0, 0, nullptr);
    }
    // Runs a loop until it quits; returns the quit code.
    static int loop() {
        MSG msg;
        while (GetMessageA(&msg, 0, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return int(msg.wParam);
    }
};

TEST_F(Messages, AWindowKnowsItsClientAreaWhenItIsCreated) {
    EXPECT_EQ(DisplayPresent(), 0);
    const HWND window = make();
    ASSERT_NE(window, 0);
    // The outer 300 x 200 less a frame of 4 and a caption of 19.
    EXPECT_EQ(createdClient.right, 292);
    EXPECT_EQ(createdClient.bottom, 173);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);
    EXPECT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(outer.bottom - outer.top, 200);
    EXPECT_EQ(CreateWindowExA(0, "no such class", "", 0, 0, 0, 9, 9, 0, 0, 0, nullptr), 0);
    EXPECT_EQ(UnregisterClassA("test", 0), 0); // a window of it exists
}

TEST_F(Messages, PostedMessagesComeInOrderAndTheQuitLast) {
    const HWND window = make();
    PostMessageA(window, WM_USER, 1, 0);
    PostQuitMessage(5);
    PostMessageA(window, WM_USER, 2, 0);
    MSG msg;
    EXPECT_EQ(PeekMessageA(&msg, 0, 0, 0, PM_NOREMOVE), 1);
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(loop(), 5);
    EXPECT_EQ(seen, (std::vector<std::string>{"user 1", "user 2"}));
}

TEST_F(Messages, TheCharacterOfAKeyComesBeforeTheQuitItsHandlerPosted) {
    const HWND window = make();
    // Escape, typing character 27, as the display would send it.
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, LPARAM(1 | 27 << 16));
    EXPECT_EQ(loop(), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"key 27", "char 27"}));
}

TEST_F(Messages, AQuitEndsOnlyTheInnermostLoop) {
    const HWND window = make();
    PostMessageA(window, WM_USER + 1, 0, 0);
    PostMessageA(window, WM_USER, 8, 0);
    EXPECT_EQ(loop(), 3);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"inner start", "user 8", "user 7", "inner end", "key 65"}));
}

TEST_F(Messages, ALoopWithNothingToWaitForEndsAtOnce) {
    make();
    const Watchdog watchdog(60); // a loop that waited here would wait for ever
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), 1); // the new window's first paint
    DispatchMessageA(&msg);
    EXPECT_EQ(msg.message, WM_PAINT);
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), 0);
    EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(Messages, PaintingErasesWithTheClassBrushAndValidates) {
    const HWND window = make();
    const HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 255, 255)); // a new window shows its background
    const RECT part{0, 0, 10, 10};
    FillRect(dc, &part, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));
    ReleaseDC(window, dc);
    EXPECT_NE(GetQueueStatus(QS_ALLINPUT) & QS_PAINT, 0u);
    UpdateWindow(window); // DefWindowProc paints: the erase, then valid
    EXPECT_EQ(GetQueueStatus(QS_ALLINPUT) & QS_PAINT, 0u);
    const HDC again = GetDC(window);
    EXPECT_EQ(GetPixel(again, 5, 5), RGB(255, 255, 255));
    ReleaseDC(window, again);
    InvalidateRect(window, nullptr, 0);
    MSG msg;
    EXPECT_EQ(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE), 1);
    EXPECT_EQ(msg.message, WM_PAINT);
    EXPECT_EQ(msg.hwnd, window);
}

TEST_F(Messages, TheFramesCloseButtonObeysTheSystemMenu) {
    const HWND window = make();
    const HMENU menu = GetSystemMenu(window, 0);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_GRAYED), BOOL(MF_ENABLED));
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IsWindow(window), 1);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_ENABLED), BOOL(MF_GRAYED));
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IsWindow(window), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"close", "destroy " + std::to_string(window)}));
}

TEST_F(Messages, DestroyingAWindowDestroysItsChildrenAfterIt) {
    const HWND parent = make();
    const HWND child = make(parent);
    ASSERT_NE(child, 0);
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(DestroyWindow(parent), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"destroy " + std::to_string(parent),
                                              "destroy " + std::to_string(child)}));
    EXPECT_EQ(IsWindow(child), 0);
    EXPECT_EQ(DestroyWindow(parent), 0);
    EXPECT_EQ(SendMessageA(child, WM_USER, 0, 0), 0);
    EXPECT_EQ(PostMessageA(child, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetDC(child), 0);
}

TEST(MessageBoxLog, PrintsCaptionAndTextAndTakesTheDefault) {
    struct Case {
        UINT type;
        int answer;
    };
    for (const Case c : {Case{MB_OK, IDOK}, Case{MB_YESNO, IDYES},
                         Case{MB_YESNO | MB_DEFBUTTON2, IDNO}, Case{MB_OKCANCEL, IDOK}}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(MessageBoxA(0, "line one\nline two", "kavini", c.type), c.answer);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "[kavini]\nline one\nline two\n");
    }
}

} // namespace
