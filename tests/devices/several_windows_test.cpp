// Several screen windows on an X server of the test's own: each window shows
// what was drawn while it was current, at its own scale; closing one (by the
// program or by the user) leaves the others; bad window numbers and devices
// are refused with their warnings; each thread has its own windows.
#include <gtest/gtest.h>

#include <barrier>
#include <string>
#include <thread>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/window_colours.h"
#include "tests/support/x_server.h"

namespace {

const std::vector<int> kBlack{0, 0, 0};

// The page's scale in a window of width x height pixels (the default page,
// landscape, scaled down to fit).
float scaleOf(int width, int height) {
    return std::min(float(width - 1) / 2970.0f, float(height - 1) / 2100.0f);
}

class SeveralWindows : public PlotTest {
  protected:
    XvfbServer server;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(server.running());
        captureStdout([] {
            metafl("XWIN");
            winsiz(400, 300);
            kavini();
        });
    }
    void TearDown() override {
        winmod("NOHO");
        captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }
    // A box over the page's upper left 1000 x 800 units, shown.
    static void box(int colour) {
        recfll(0, 0, 1000, 800, colour);
        sendbf();
    }
    // The box of box() shows inside (at half its size) and not beyond (at
    // one and a half times), at the scale of the window.
    static void expectBox(unsigned long window, float scale, int colour) {
        const RgbImage shown = windowPixels(window);
        ASSERT_TRUE(shown.valid());
        EXPECT_EQ(pixel(shown, int(500 * scale), int(400 * scale)), colourOf(colour));
        EXPECT_EQ(pixel(shown, int(1500 * scale), int(1200 * scale)), kBlack);
    }
};

TEST_F(SeveralWindows, EachWindowShowsWhatWasDrawnWhileItWasCurrentAtItsOwnScale) {
    EXPECT_EQ(winid(), 1);
    winsiz(200, 150);
    opnwin(2);
    EXPECT_EQ(winid(), 2);
    box(3);
    selwin(1);
    EXPECT_EQ(winid(), 1);
    box(2);

    const unsigned long first = windowNamed("KAVLOR 1 / Working");
    const unsigned long second = windowNamed("KAVLOR 2");
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    expectBox(first, scaleOf(400, 300), 2);
    expectBox(second, scaleOf(200, 150), 3);

    // Back in window 2 at its own scale: a box in another colour covers the first.
    selwin(2);
    EXPECT_NE(windowNamed("KAVLOR 2 / Working"), 0u);
    box(5);
    expectBox(second, scaleOf(200, 150), 5);
    expectBox(first, scaleOf(400, 300), 2);
}

TEST_F(SeveralWindows, EachWindowKeepsItsOwnTitle) {
    wintit("Main");
    opnwin(4);
    wintit("Fourth");
    selwin(1);
    sendbf(); // the titles reach the server as the windows are served
    EXPECT_NE(windowNamed("Main"), 0u);
    EXPECT_NE(windowNamed("Fourth"), 0u);
    opnwin(5); // no title of its own: the plain numbered title while current
    sendbf();
    EXPECT_NE(windowNamed("KAVLOR 5 / Working"), 0u);
    EXPECT_NE(windowNamed("Main"), 0u) << "a user title stays when the window is left";
}

TEST_F(SeveralWindows, ClosingAWindowLeavesTheOthersAndDrawsIntoTheMainWindow) {
    opnwin(2);
    opnwin(3);
    clswin(2);
    EXPECT_EQ(winid(), 1);
    sendbf();
    EXPECT_TRUE(noWindowNamed("KAVLOR 2"));
    EXPECT_NE(windowNamed("KAVLOR 3"), 0u);
    const unsigned long first = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(first, 0u);
    box(2);
    expectBox(first, scaleOf(400, 300), 2);

    // The user closes window 3 while it is current: the plot goes on in window 1.
    winsiz(200, 150);
    selwin(3);
    sendbf();
    const unsigned long third = windowNamed("KAVLOR 3 / Working");
    ASSERT_NE(third, 0u);
    EXPECT_TRUE(closeWindow(third));
    // The close request is taken at a flush.
    EXPECT_TRUE(waitUntil([] {
        sendbf();
        return winid() == 1;
    }));
    EXPECT_TRUE(noWindowNamed("KAVLOR 3"));
    box(4);
    expectBox(first, scaleOf(400, 300), 4);
}

TEST_F(SeveralWindows, BadNumbersAndClosedWindowsAreRefusedWithWarnings) {
    struct Case {
        void (*call)(int);
        int n;
        const char *warning;
    };
    const Case cases[] = {
        {opnwin, 9, "Warning   2"},
        {selwin, 0, "Warning   2"},
        {clswin, -1, "Warning   2"},
        {opnwin, 1, "Window 1 is already open"},
        {clswin, 1, "The Main Window 1 cannot be closed"},
        {selwin, 4, "Window 4 is not open"},
        {clswin, 4, "Window 4 is not open"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " " + c.warning);
        const std::string out = captureStdout([&] { c.call(c.n); });
        EXPECT_NE(out.find(c.warning), std::string::npos) << out;
        EXPECT_EQ(winid(), 1) << "nothing changed";
    }
    sendbf();
    EXPECT_NE(windowNamed("KAVLOR 1 / Working"), 0u);
}

TEST(SeveralWindowsElsewhere, OtherDevicesAndLevelsAreRefused) {
    XvfbServer server;
    ASSERT_TRUE(server.running());
    std::string out = captureStdout([] { EXPECT_EQ(winid(), 0); });
    EXPECT_NE(out.find("Warning   3"), std::string::npos) << out;

    // The large default window is window 1 too, and stays.
    captureStdout([] {
        metafl("XWND");
        kavini();
    });
    out = captureStdout([] { clswin(1); });
    EXPECT_NE(out.find("The Main Window 1 cannot be closed"), std::string::npos) << out;
    winmod("NOHO");
    captureStdout([] { kavfin(); });

    captureStdout([] {
        metafl("SVG");
        setfil("/dev/null");
        kavini();
    });
    for (void (*call)(int) : {opnwin, selwin, clswin}) {
        out = captureStdout([&] { call(2); });
        EXPECT_NE(out.find("Warning  56"), std::string::npos) << out;
    }
    captureStdout([] { kavfin(); });
}

TEST(SeveralWindowsElsewhere, EachThreadHasItsOwnWindows) {
    XvfbServer server;
    ASSERT_TRUE(server.running());
    captureStdout([] { thrini(2); });
    std::barrier together(2);
    std::string outs[2];
    auto plot = [&](int k) {
        const std::string name(1, char('A' + k));
        outs[k] = captureStdout([&] {
            metafl("XWIN");
            winsiz(200, 150);
            kavini();
            opnwin(3); // not open in this thread, whatever the other did
            wintit((name + "3").c_str());
            sendbf();
            together.arrive_and_wait();
            EXPECT_EQ(winid(), 3);
            EXPECT_NE(windowNamed(name + "3"), 0u);
            together.arrive_and_wait();
            clswin(3);
            EXPECT_EQ(winid(), 1);
            winmod("NOHO");
            kavfin();
        });
    };
    std::thread a(plot, 0), b(plot, 1);
    a.join();
    b.join();
    for (const std::string &out : outs)
        EXPECT_EQ(out.find("<<<< Warning"), std::string::npos) << out;
    captureStdout([] { thrfin(); });
}

} // namespace
