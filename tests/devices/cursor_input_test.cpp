// Cursor input in a screen window on an X server of the test's own: xdotool
// moves, clicks and types on another thread while the routine waits on the
// test thread, and the positions come back to the pixel, in pixels and in
// plot units. Bad input never writes past the caller's arrays, and without a
// display nothing waits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "kavlor.h"
#include "platform/windows.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/x_server.h"

namespace {

constexpr int kWidth = 400, kHeight = 300;
constexpr int kUntouched = -777;

// Pixels of the window per plot unit.
float scale() {
    return currentRecord().page.xdevscl;
}
int toPlot(int pixel) {
    return int(float(pixel) / scale() + 0.5f);
}
int toPixel(int plot) {
    return int(float(plot) * scale() + 0.5f);
}

struct Point {
    int x, y;
};

class CursorInput : public PlotTest {
  protected:
    XvfbServer server;
    std::unique_ptr<InputProbe> probe;
    unsigned long window = 0;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(server.running());
        probe = std::make_unique<InputProbe>();
        captureStdout([] {
            metafl("XWIN");
            winsiz(kWidth, kHeight);
            kavini();
        });
        sendbf();
        window = windowNamed("KAVLOR 1 / Working");
        ASSERT_NE(window, 0u);
    }
    void TearDown() override {
        winmod("NOHO");
        captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }
    // The routine runs on this thread while the steps act on the window from
    // another: input that comes before the routine waits is queued for it.
    void whileWaiting(const std::function<void()> &routine,
                      const std::function<void(const std::string &)> &steps) const {
        const std::string w = std::to_string(window);
        auto input = std::async(std::launch::async, [&] { steps(w); });
        routine();
        input.get();
    }
    // A move of the pointer once the routine has taken the input before:
    // moves that wait unread give way to the newest, as the window system
    // merges them.
    void moveTo(const std::string &w, Point p) const {
        ASSERT_TRUE(probe->taken());
        xdotool("mousemove --window " + w + " " + std::to_string(p.x) + " " + std::to_string(p.y));
    }
    static void clickAt(const std::string &w, Point p, int button = 1) {
        xdotool("mousemove --window " + w + " " + std::to_string(p.x) + " " + std::to_string(p.y));
        xdotool("click " + std::to_string(button));
    }
    // The pointer in client pixels of the window.
    Point pointer() const {
        const std::string at = xdotool("getmouselocation --shell");
        const std::string geometry = xdotool("getwindowgeometry --shell " + std::to_string(window));
        auto value = [](const std::string &text, const char *name) {
            const auto i = text.find(std::string(name) + "=");
            return i == std::string::npos ? -99999 : std::atoi(text.c_str() + i + 2);
        };
        return {value(at, "X") - value(geometry, "X"), value(at, "Y") - value(geometry, "Y")};
    }
};

TEST_F(CursorInput, CsrptsTakesTheClicksUntilMb2AndDropsThoseBeyondItsRoom) {
    const Point clicks[] = {{30, 40}, {200, 150}, {391, 7}, {120, 250}, {5, 5}};
    for (const bool pixels : {true, false}) {
        SCOPED_TRACE(pixels ? "pixels" : "plot units");
        csruni(pixels ? "PIXE" : "PLOT");
        // Room for three points; the entries behind them must stay as they are.
        std::vector<int> x(6, kUntouched), y(6, kUntouched);
        int n = -1, iret = -1;
        whileWaiting([&] { csrpts(x.data(), y.data(), 3, &n, &iret); },
                     [&](const std::string &w) {
                         for (const Point p : clicks)
                             clickAt(w, p);
                         clickAt(w, {60, 60}, 3); // MB2 ends the input
                     });
        EXPECT_EQ(n, 3);
        EXPECT_EQ(iret, 1);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(x[i], pixels ? clicks[i].x : toPlot(clicks[i].x)) << i;
            EXPECT_EQ(y[i], pixels ? clicks[i].y : toPlot(clicks[i].y)) << i;
            if (!pixels) {
                EXPECT_EQ(toPixel(x[i]), clicks[i].x) << "back to the pixel clicked";
                EXPECT_EQ(toPixel(y[i]), clicks[i].y);
            }
        }
        for (int i = 3; i < 6; ++i)
            EXPECT_TRUE(x[i] == kUntouched && y[i] == kUntouched) << "written past the room: " << i;
    }

    // Fewer clicks than room: all of them, no overflow.
    csruni("PIXE");
    std::vector<int> x(4, kUntouched), y(4, kUntouched);
    int n = -1, iret = -1;
    whileWaiting([&] { csrpts(x.data(), y.data(), 4, &n, &iret); },
                 [&](const std::string &w) {
                     clickAt(w, {11, 12});
                     clickAt(w, {60, 60}, 3);
                 });
    EXPECT_EQ(n, 1);
    EXPECT_EQ(iret, 0);
    EXPECT_EQ(x[0], 11);
    EXPECT_EQ(y[0], 12);
}

TEST_F(CursorInput, CsrmovTakesThePathFromThePressToTheRelease) {
    csruni("PIXE");
    const Point path[] = {{50, 50}, {80, 60}, {120, 90}, {160, 130}};
    std::vector<int> x(10, kUntouched), y(10, kUntouched);
    int n = -1, iret = -1;
    whileWaiting([&] { csrmov(x.data(), y.data(), 10, &n, &iret); },
                 [&](const std::string &w) {
                     // Moves before the press are not part of the path.
                     for (const Point p : {Point{300, 200}, Point{10, 250}})
                         xdotool("mousemove --window " + w + " " + std::to_string(p.x) + " " +
                                 std::to_string(p.y));
                     xdotool("mousemove --window " + w + " 50 50");
                     xdotool("mousedown 1");
                     for (int i = 1; i < 4; ++i)
                         moveTo(w, path[i]);
                     xdotool("mouseup 1");
                 });
    ASSERT_GE(n, 2);
    EXPECT_EQ(iret, 0);
    EXPECT_EQ(x[0], 50);
    EXPECT_EQ(y[0], 50);
    EXPECT_EQ(x[n - 1], 160);
    EXPECT_EQ(y[n - 1], 130);
    for (int i = 0; i < n; ++i) {
        bool onPath = false;
        for (const Point p : path)
            onPath = onPath || (p.x == x[i] && p.y == y[i]);
        EXPECT_TRUE(onPath) << x[i] << " " << y[i];
    }

    // A path longer than the room: its start kept, the overflow told.
    std::vector<int> x2(4, kUntouched), y2(4, kUntouched);
    whileWaiting([&] { csrmov(x2.data(), y2.data(), 2, &n, &iret); },
                 [&](const std::string &w) {
                     xdotool("mousemove --window " + w + " 50 50");
                     xdotool("mousedown 1");
                     for (int i = 1; i < 4; ++i)
                         moveTo(w, path[i]);
                     xdotool("mouseup 1");
                 });
    EXPECT_EQ(n, 2);
    EXPECT_EQ(iret, 1);
    EXPECT_EQ(x2[0], 50);
    EXPECT_TRUE(x2[2] == kUntouched && x2[3] == kUntouched);
}

TEST_F(CursorInput, Csrpt1TakesOneClick) {
    int x = kUntouched, y = kUntouched;
    whileWaiting([&] { csrpt1(&x, &y); }, [&](const std::string &w) { clickAt(w, {123, 77}); });
    EXPECT_EQ(x, toPlot(123));
    EXPECT_EQ(y, toPlot(77));
}

TEST_F(CursorInput, CsrposReturnsTheKeyOrButtonThatEndedTheWait) {
    struct Case {
        const char *input;
        int key;
    };
    const Case cases[] = {{"key a", 97},      {"key Up", 2},  {"key Left", 1},
                          {"key Escape", 27}, {"click 1", 5}, {"click 3", 6}};
    csruni("PIXE");
    csrmod("READ", "POS");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input);
        int x = 0, y = 0, key = 0;
        whileWaiting([&] { key = csrpos(&x, &y); },
                     [&](const std::string &w) {
                         xdotool("mousemove --window " + w + " 222 111");
                         xdotool(c.input);
                     });
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(x, 222);
        EXPECT_EQ(y, 111);
    }
}

TEST_F(CursorInput, CsrposMovesAndReadsThePointer) {
    csruni("PIXE");
    // SET moves the pointer and returns at once, held inside the window.
    csrmod("SET", "POS");
    struct Case {
        Point given, expected;
    };
    for (const Case c : {Case{{100, 50}, {100, 50}}, Case{{900, -40}, {kWidth - 1, 0}}}) {
        int x = c.given.x, y = c.given.y;
        EXPECT_EQ(csrpos(&x, &y), 0);
        const Point at = pointer();
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
        EXPECT_EQ(x, c.given.x) << "SET gives nothing back";
    }

    // GET reads it now.
    csrmod("GET", "POS");
    xdotool("mousemove --window " + std::to_string(window) + " 17 19");
    int x = 0, y = 0;
    EXPECT_EQ(csrpos(&x, &y), 0);
    EXPECT_EQ(x, 17);
    EXPECT_EQ(y, 19);

    // STAN moves it to the position given in plot units and waits; a click
    // where it stands leaves the given coordinates as they were.
    csruni("PLOT");
    csrmod("STAN", "POS");
    x = 1001;
    y = 502;
    int key = 0;
    whileWaiting([&] { key = csrpos(&x, &y); }, [](const std::string &) { xdotool("click 1"); });
    EXPECT_EQ(key, 5);
    EXPECT_EQ(x, 1001);
    EXPECT_EQ(y, 502);
}

// Inside an axis system that clips at its frame (clpbor AXIS), SET holds the
// pointer inside the clip window its lines are clipped to; after endgrf the
// page holds it again.
TEST_F(CursorInput, CsrposHoldsThePointerInsideTheAxisSystemThatClips) {
    csruni("PIXE");
    csrmod("SET", "POS");
    axspos(500, 1600);
    axslen(2000, 1200);
    captureStdout([] { graf(0, 10, 0, 2, 0, 5, 0, 1); });
    clpbor("AXIS");
    const int *w = currentRecord().clip.nclpwin;
    ASSERT_GT(w[0], 400) << "the clip window is the axis system's";
    struct Case {
        Point given, expected;
    };
    const Case cases[] = {{{5, 5}, {toPixel(w[0]), toPixel(w[1])}},
                          {{kWidth - 5, kHeight - 5}, {toPixel(w[2]), toPixel(w[3])}},
                          {{150, 150}, {150, 150}}};
    for (const Case c : cases) {
        int x = c.given.x, y = c.given.y;
        EXPECT_EQ(csrpos(&x, &y), 0);
        const Point at = pointer();
        EXPECT_EQ(at.x, c.expected.x) << c.given.x;
        EXPECT_EQ(at.y, c.expected.y) << c.given.y;
    }
    endgrf();
    int x = 5, y = 5;
    EXPECT_EQ(csrpos(&x, &y), 0);
    const Point at = pointer();
    EXPECT_EQ(at.x, 5);
    EXPECT_EQ(at.y, 5);
}

TEST_F(CursorInput, SetcsrSetsTheCursorOfTheWindow) {
    const HWND w = HWND(window);
    setcsr("CROS");
    EXPECT_EQ(HCURSOR(GetClassLongA(w, GCL_HCURSOR)), LoadCursorA(0, IDC_CROSS));
    setcsr("VARR");
    EXPECT_EQ(HCURSOR(GetClassLongA(w, GCL_HCURSOR)), LoadCursorA(0, IDC_UPARROW));
    const std::string out = captureStdout([] { setcsr("HAND"); });
    EXPECT_NE(out.find("Warning   2"), std::string::npos) << out;
    EXPECT_EQ(HCURSOR(GetClassLongA(w, GCL_HCURSOR)), LoadCursorA(0, IDC_UPARROW));
}

TEST_F(CursorInput, BadArgumentsWarnAndWriteNothing) {
    int x[2] = {kUntouched, kUntouched}, y[2] = {kUntouched, kUntouched};
    int n = kUntouched, iret = kUntouched;
    std::string out = captureStdout([&] { csrpts(x, y, -1, &n, &iret); });
    EXPECT_NE(out.find("Warning   2"), std::string::npos) << out;
    out = captureStdout([&] { csrmov(nullptr, y, 2, &n, &iret); });
    EXPECT_NE(out.find("Warning   2"), std::string::npos) << out;
    out = captureStdout([&] { EXPECT_EQ(csrpos(nullptr, y), -1); });
    EXPECT_NE(out.find("Warning   2"), std::string::npos) << out;
    out = captureStdout([&] { csrmod("READ", "SIZE"); });
    EXPECT_NE(out.find("SIZE"), std::string::npos) << out;
    EXPECT_EQ(n, kUntouched);
    EXPECT_EQ(iret, kUntouched);
    EXPECT_EQ(x[0], kUntouched);

    // No room at all: every click overflows, nothing is written.
    csruni("PIXE");
    whileWaiting([&] { csrpts(x, y, 0, &n, &iret); },
                 [&](const std::string &w) {
                     clickAt(w, {10, 10});
                     clickAt(w, {10, 10}, 3);
                 });
    EXPECT_EQ(n, 0);
    EXPECT_EQ(iret, 1);
    EXPECT_EQ(x[0], kUntouched);
    whileWaiting([&] { csrmov(x, y, 0, &n, &iret); },
                 [&](const std::string &w) {
                     xdotool("mousemove --window " + w + " 20 20");
                     xdotool("mousedown 1");
                     xdotool("mousemove --window " + w + " 30 30");
                     xdotool("mouseup 1");
                 });
    EXPECT_EQ(n, 0);
    EXPECT_EQ(iret, 1);
    EXPECT_EQ(x[0], kUntouched);
}

TEST(CursorInputElsewhere, OtherDevicesAreRefusedAndWithoutADisplayNothingWaits) {
    // No display: the screen plot runs with windows nobody sees.
    unsetenv("DISPLAY");
    int x[3] = {kUntouched, kUntouched, kUntouched}, y[3] = {kUntouched, kUntouched, kUntouched};
    int n = kUntouched, iret = kUntouched;
    std::string out = captureStdout([&] { EXPECT_EQ(csrpos(x, y), -1); });
    EXPECT_NE(out.find("Warning   3"), std::string::npos) << "before kavini: " << out;

    captureStdout([] {
        metafl("SVG");
        setfil("/dev/null");
        kavini();
    });
    out = captureStdout([&] {
        csrpts(x, y, 3, &n, &iret);
        csrpt1(x, y);
        EXPECT_EQ(csrpos(x, y), -1);
    });
    EXPECT_NE(out.find("Bad output device"), std::string::npos) << out;
    EXPECT_EQ(n, kUntouched);
    EXPECT_EQ(x[0], kUntouched);
    captureStdout([] { kavfin(); });

    captureStdout([] {
        metafl("XWIN");
        kavini();
    });
    // Nothing waits: a wait would last until the watchdog ends the test.
    const Watchdog watchdog(60);
    csrpts(x, y, 3, &n, &iret);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(iret, 0);
    csrmov(x, y, 3, &n, &iret);
    EXPECT_EQ(n, 0);
    csrpt1(x, y);
    EXPECT_EQ(x[0], kUntouched);
    x[0] = 500;
    y[0] = 400;
    EXPECT_EQ(csrpos(x, y), -1) << "no key came";
    EXPECT_EQ(x[0], 500);
    EXPECT_EQ(y[0], 400);
    captureStdout([] { kavfin(); });
}

} // namespace
