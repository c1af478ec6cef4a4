// Screen windows on an X server of the test's own: the window shows what the
// memory raster draws of the same plot; the wait at kavfin ends by MB2, by
// the key of winkey and by closing the window, shows its prompt, and the
// modes that do not wait return at once. xdotool acts on another thread while
// kavfin waits on the test thread.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <string>

#include "kavlor.h"
#include "platform/windows.h"
#include "tests/support/c_program.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/window_colours.h"
#include "tests/support/x_server.h"

namespace {

constexpr int kWidth = 400, kHeight = 300;

class ScreenWindows : public PlotTest {
  protected:
    explicit ScreenWindows(const char *screen = "1024x768x24") : server(screen) {}
    XvfbServer server;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(server.running());
    }
    void openScreen(const char *device = "XWIN") {
        captureStdout([&] {
            metafl(device);
            winsiz(kWidth, kHeight);
            kavini();
        });
    }
    static void closePlot() {
        captureStdout([] { kavfin(); });
    }
    // kavfin on this thread while the steps act on the window of the title.
    static void waitWhile(const std::string &title,
                          const std::function<void(unsigned long)> &steps) {
        auto input = std::async(std::launch::async, [&] {
            const unsigned long window = windowNamed(title);
            EXPECT_NE(window, 0u) << title;
            if (window != 0) steps(window);
        });
        closePlot();
        input.get();
    }
    static void pointAt(unsigned long window) {
        xdotool("mousemove --window " + std::to_string(window) + " 30 30");
    }
};

// Boxes in several colours and a closed outline: the window's rules (no last
// pixel of a line, no right and bottom edge of a rectangle) and the memory
// raster's (every end point, inclusive rectangles) give the same pixels.
void drawScene() {
    recfll(100, 100, 700, 500, 2);
    recfll(900, 300, 1200, 1200, 3);
    recfll(2200, 1500, 500, 400, 255);
    color("WHITE");
    strtpt(300, 1000);
    connpt(1600, 700);
    connpt(2700, 1300);
    connpt(1900, 2000);
    connpt(500, 1800);
    connpt(300, 1000);
    sendbf();
}

TEST_F(ScreenWindows, TheWindowShowsThePixelsOfTheMemoryRaster) {
    captureStdout([&] {
        metafl("PPM");
        setfil("plot.ppm");
        winsiz(kWidth, kHeight);
        kavini();
        drawScene();
        kavfin();
    });
    const RgbImage raster = readPpm(dir.file("plot.ppm"));
    ASSERT_EQ(raster.width, kWidth);

    openScreen();
    drawScene();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(window, 0u);
    const RgbImage shown = windowPixels(window);
    // The window's client area is one pixel narrower and lower than the
    // drawing area the library reports.
    ASSERT_EQ(shown.width, kWidth - 1);
    ASSERT_EQ(shown.height, kHeight - 1);
    EXPECT_EQ(shown, raster.crop(0, 0, kWidth - 1, kHeight - 1));
    winmod("NOHO");
    closePlot();
}

TEST_F(ScreenWindows, TheWaitEndsByMb2AndByTheKeyOfWinkey) {
    struct Case {
        const char *key;
        const char *title;
        std::string input;
    };
    const Case cases[] = {
        {"NONE", "KAVLOR 1 / Click MB2 to continue ...", "click 3"},
        {"RETU", "KAVLOR 1 / Click MB2 or RETURN to continue ...", "key Return"},
        {"ESCA", "KAVLOR 1 / Click MB2 or ESC to continue ...", "key Escape"},
    };
    InputProbe probe;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        openScreen();
        winkey(c.key);
        waitWhile(c.title, [&](unsigned long window) {
            pointAt(window);
            // A key that is not the one asked for, and the left button, go on waiting.
            xdotool("key space");
            xdotool("click 1");
            ASSERT_TRUE(probe.taken());
            EXPECT_EQ(windowNamed(c.title), window);
            xdotool(c.input);
        });
        EXPECT_TRUE(noWindowNamed(c.title)) << "the window stays after the wait";
    }
}

// The page drawn so far stays in the backing bitmap until something shows it.
std::vector<int> shownAt(unsigned long window, int x, int y) {
    const RgbImage shown = windowPixels(window);
    return shown.valid() ? pixel(shown, x, y) : std::vector<int>{};
}

const std::vector<int> kBlack{0, 0, 0};

// winupd shows the window without flushing the pending stroke; sendbf
// flushes it too.
TEST_F(ScreenWindows, WinupdShowsTheWindowButNotThePendingStroke) {
    openScreen();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(window, 0u);
    const float s = currentRecord().page.xdevscl;
    recfll(100, 100, 700, 500, 2); // drawn into the bitmap at once
    color("GREEN");
    strtpt(300, 1500);
    connpt(2500, 1500); // held in the stroke
    const int boxX = int(400 * s), boxY = int(300 * s), lineX = int(1500 * s);
    const int lineY = int(1500 * s + 0.5f);
    EXPECT_EQ(shownAt(window, boxX, boxY), kBlack) << "nothing is shown yet";
    winupd();
    EXPECT_NE(shownAt(window, boxX, boxY), kBlack);
    EXPECT_EQ(shownAt(window, lineX, lineY), kBlack);
    sendbf();
    EXPECT_EQ(shownAt(window, lineX, lineY), (std::vector<int>{0, 255, 0}));
    winmod("NOHO");
    closePlot();
}

// newpag waits for MB2 with the page shown and the prompt in the title, then
// starts on a cleared page; the modes that do not wait go on at once.
TEST_F(ScreenWindows, ANewPageShowsThePageAndWaitsForMb2) {
    openScreen();
    const float s = currentRecord().page.xdevscl;
    const int boxX = int(400 * s), boxY = int(300 * s);
    recfll(100, 100, 700, 500, 3);
    auto input = std::async(std::launch::async, [] {
        const unsigned long window = windowNamed("KAVLOR 1 / Click MB2 for next page ...");
        EXPECT_NE(window, 0u);
        if (window == 0) return;
        pointAt(window);
        xdotool("click 3");
    });
    newpag();
    input.get();
    const unsigned long window = windowNamed("KAVLOR 1");
    ASSERT_NE(window, 0u) << "the title without the prompt";
    // The box reached the window only through the wait.
    EXPECT_NE(shownAt(window, boxX, boxY), kBlack);
    sendbf();
    EXPECT_EQ(shownAt(window, boxX, boxY), kBlack) << "the new page is clear";

    winmod("NOHO");
    newpag(); // a wait here would end only by the watchdog
    closePlot();
}

TEST_F(ScreenWindows, ClosingTheMainWindowEndsTheWait) {
    openScreen();
    waitWhile("KAVLOR 1 / Click MB2 to continue ...",
              [](unsigned long window) { EXPECT_TRUE(closeWindow(window)); });
}

// The Close item of the main window is greyed while the plot draws: the
// frame's close button does nothing then, and ends the wait at the end.
TEST_F(ScreenWindows, TheFramesCloseWaitsForTheEndOfThePlot) {
    InputProbe probe;
    openScreen();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(closeWindow(window));
    // The plot draws on (messages are served at each flush) until the close
    // request has been taken.
    auto taken = std::async(std::launch::async, [&] { return probe.taken(); });
    while (taken.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        drawScene();
    ASSERT_TRUE(taken.get());
    EXPECT_EQ(windowNamed("KAVLOR 1 / Working"), window);
    waitWhile("KAVLOR 1 / Click MB2 to continue ...",
              [](unsigned long shown) { EXPECT_TRUE(closeWindow(shown)); });
}

TEST_F(ScreenWindows, NoerKeepsTheWindowsAfterTheWaitAndWinfinClosesThem) {
    openScreen();
    winmod("NOER");
    winkey("ESCA");
    waitWhile("KAVLOR 1 / Click MB2 or ESC to continue ...", [](unsigned long window) {
        pointAt(window);
        xdotool("key Escape");
    });
    EXPECT_NE(windowNamed("KAVLOR 1 / Click MB2 or ESC to continue ..."), 0u);
    winfin();
    EXPECT_TRUE(noWindowNamed("KAVLOR 1 / Click MB2 or ESC to continue ..."));
}

TEST_F(ScreenWindows, ModesThatDoNotWaitReturnAtOnce) {
    // NONE leaves the window open with its plain title until winfin.
    openScreen();
    winmod("NONE");
    closePlot();
    EXPECT_NE(windowNamed("KAVLOR 1"), 0u);
    winfin();
    EXPECT_TRUE(noWindowNamed("KAVLOR 1"));

    // NOHO closes at once; PIXM never shows a window.
    openScreen();
    winmod("NOHO");
    closePlot();
    x11mod("PIXM");
    openScreen();
    const unsigned long hidden = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(hidden, 0u) << "the window exists, for its pixels";
    EXPECT_NE(runShell("xwininfo -id " + std::to_string(hidden)).out.find("IsUnMapped"),
              std::string::npos);
    // Nobody can answer a window never shown: FULL does not wait (a wait
    // would last until the watchdog ends the test).
    winmod("FULL");
    closePlot();
}

TEST_F(ScreenWindows, DelayClosesTheWindowsAfterItsSeconds) {
    openScreen();
    winmod("DELA");
    winopt(1, "DELA");
    // The window waits with its prompt, and the wait ends by itself.
    waitWhile("KAVLOR 1 / Delay time 1 seconds", [](unsigned long) {});
    EXPECT_TRUE(noWindowNamed("KAVLOR 1 / Delay time 1 seconds"));
}

TEST_F(ScreenWindows, AUserTitleStaysThroughTheWait) {
    openScreen();
    wintit("My plot");
    winkey("RETU");
    waitWhile("My plot", [](unsigned long window) {
        pointAt(window);
        xdotool("key Return");
    });
}

TEST_F(ScreenWindows, TheReversedScreenIsWhiteAndTheWindowIsPlaced) {
    scrmod("REVE");
    captureStdout([] {
        metafl("XWIN");
        window(100, 120, kWidth, kHeight);
        kavini();
    });
    sendbf();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(window, 0u);
    const RgbImage shown = windowPixels(window);
    ASSERT_TRUE(shown.valid());
    EXPECT_EQ(std::vector<int>(shown.at(10, 10), shown.at(10, 10) + 3),
              (std::vector<int>{255, 255, 255}));
    const std::string geometry = xdotool("getwindowgeometry --shell " + std::to_string(window));
    EXPECT_NE(geometry.find("X=100"), std::string::npos) << geometry;
    // The title bar above the client area ends one pixel lower than the
    // window's outer top plus its caption and frame.
    EXPECT_NE(geometry.find("Y=121"), std::string::npos) << geometry;
    winmod("NOHO");
    closePlot();
}

// Two crossing triangles of the z-buffer.
void drawDepthScene() {
    nograf();
    graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
    EXPECT_EQ(zbfini(), 0);
    const float x1[3] = {-1, 1, 0}, y1[3] = {-1, -0.5f, 1}, z1[3] = {0, 1, -1};
    const float x2[3] = {-1, 1, 0.2f}, y2[3] = {0.8f, 0.6f, -1}, z2[3] = {1, -1, 0.5f};
    const int c1[3] = {50, 150, 250}, c2[3] = {90, 20, 200};
    zbftri(x1, y1, z1, c1);
    zbftri(x2, y2, z2, c2);
    zbffin();
    endgrf();
    sendbf();
}

TEST_F(ScreenWindows, TheZBufferDrawsIntoTheWindowAsIntoTheMemoryRaster) {
    captureStdout([&] {
        metafl("PPM");
        setfil("depth.ppm");
        winsiz(kWidth, kHeight);
        kavini();
        drawDepthScene();
        kavfin();
    });
    const RgbImage raster = readPpm(dir.file("depth.ppm"));
    ASSERT_EQ(raster.width, kWidth);
    openScreen();
    captureStdout([] { drawDepthScene(); });
    const RgbImage shown = windowPixels(windowNamed("KAVLOR 1 / Working"));
    EXPECT_EQ(shown, raster.crop(0, 0, kWidth - 1, kHeight - 1));
    winmod("NOHO");
    closePlot();
}

TEST_F(ScreenWindows, PixelRoutinesRasterFilesAndBitmapFilesWorkOnTheWindow) {
    openScreen();
    drawScene();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    // The PNG of the window holds what the window shows (and one more column and row).
    captureStdout([] { rpng("window.png"); });
    RgbImage png;
    ASSERT_TRUE(parsePnm(runShell("pngtopnm " + dir.file("window.png")).out, png));
    ASSERT_EQ(png.width, kWidth);
    EXPECT_EQ(png.crop(0, 0, kWidth - 1, kHeight - 1), windowPixels(window));

    // Pixels written in image mode, read back, and shown at imgfin.
    imgini();
    wpixel(5, 6, 3);
    const unsigned char row[4] = {2, 3, 255, 0};
    wpxrow(row, 20, 7, 4);
    unsigned char back[4] = {};
    rpxrow(back, 20, 7, 4);
    EXPECT_EQ(std::vector<int>(back, back + 4), std::vector<int>(row, row + 4));
    int colour = -1;
    rpixel(5, 6, &colour);
    EXPECT_EQ(colour, 3);
    imgmod("RGB");
    rpixel(5, 6, &colour);
    float r = 0, g = 0, b = 0;
    getind(3, &r, &g, &b);
    EXPECT_EQ(colour, 0x01000000 | int(b * 255 + 0.5f) << 16 | int(g * 255 + 0.5f) << 8 |
                          int(r * 255 + 0.5f));
    imgmod("IND");
    imgfin();
    const RgbImage shown = windowPixels(window);
    EXPECT_EQ((std::vector<int>{shown.at(5, 6)[0], shown.at(5, 6)[1], shown.at(5, 6)[2]}),
              (std::vector<int>{int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)}));

    // The BitmapFile brings the picture back after an erase.
    const RgbImage before = windowPixels(window);
    captureStdout([] { rimage("window.img"); });
    erase();
    sendbf();
    EXPECT_NE(windowPixels(window), before);
    captureStdout([] { wimage("window.img"); });
    EXPECT_EQ(windowPixels(window), before);
    winmod("NOHO");
    closePlot();
}

TEST_F(ScreenWindows, WindowsLargerThanTheScreenOrFarOffItAndLongTitlesDoNoHarm) {
    const std::string title(600, 'T');
    struct Case {
        int x, y, w, h;
    };
    for (const Case c : {Case{0, 0, 3000, 2000}, Case{5000, 4000, 300, 200}, Case{0, 0, 1, 1}}) {
        SCOPED_TRACE(std::to_string(c.x) + " " + std::to_string(c.w));
        captureStdout([&] {
            metafl("XWIN");
            window(c.x, c.y, c.w, c.h);
            kavini();
        });
        wintit(title.c_str());
        drawScene();
        int nx, ny, nw = 0, nh = 0;
        getwin(&nx, &ny, &nw, &nh);
        EXPECT_EQ(nw, c.w);
        EXPECT_EQ(nh, c.h);
        winmod("NOHO");
        closePlot();
    }
}

// A window of the program whose procedure calls sendmb when told to.
LRESULT sendingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) sendmb();
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ScreenWindows, SendmbEndsTheWaitAsMb2Does) {
    WNDCLASSA c{};
    c.lpfnWndProc = sendingProcedure;
    c.lpszClassName = "sender";
    RegisterClassA(&c);
    const HWND sender = CreateWindowExA(0, "sender", "Sender", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                        0, 0, 0, nullptr);
    sendmb(); // no screen plot yet: nothing happens
    openScreen();
    drawScene();
    sendmb(); // nothing waits yet: the plot is kept
    EXPECT_NE(windowNamed("KAVLOR 1 / Working"), 0u);
    // Served by the wait's own loop, the message makes the program end the
    // wait (else it lasts until the watchdog ends the test).
    PostMessageA(sender, WM_USER, 0, 0);
    closePlot();
    EXPECT_TRUE(noWindowNamed("KAVLOR 1 / Click MB2 to continue ..."));
    DestroyWindow(sender);
}

TEST(ScreenQueries, TheScreenIsTheOneTheServerHas) {
    XvfbServer server("800x600x24");
    ASSERT_TRUE(server.running());
    EXPECT_STREQ(getdsp(), "WIND");
    int width = 0, height = 0;
    getscr(&width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_EQ(getbpp(), 32); // 24-bit colour held in 32-bit pixels
}

TEST_F(ScreenWindows, GetxidNamesTheWindowOfThePlot) {
    openScreen();
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    EXPECT_EQ(static_cast<unsigned long>(getxid("WIND")), window);
    EXPECT_EQ(getxid("SCRE"), -1);
    EXPECT_EQ(getbpp(), 32);
    int nx = -1, ny = -1, nw = 0, nh = 0;
    getwin(&nx, &ny, &nw, &nh);
    EXPECT_EQ(nw, kWidth);
    EXPECT_EQ(nh, kHeight);
    winmod("NOHO");
    closePlot();
    EXPECT_EQ(getxid("WIND"), 0) << "outside a plot";
}

LRESULT plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ScreenWindows, SetxidDrawsIntoAWindowOfAnotherProgramOverItsPicture) {
    WNDCLASSA c{};
    c.lpfnWndProc = plainProcedure;
    c.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = "foreign";
    RegisterClassA(&c);
    const HWND foreign = CreateWindowExA(0, "foreign", "Foreign", WS_OVERLAPPEDWINDOW, 40, 40,
                                         kWidth, kHeight, 0, 0, 0, nullptr);
    ShowWindow(foreign, SW_SHOWNORMAL);
    UpdateWindow(foreign);
    ASSERT_NE(windowNamed("Foreign"), 0u);

    setxid(int(foreign), "WIND");
    captureStdout([] {
        metafl("XWIN");
        kavini();
    });
    EXPECT_EQ(windowNamed("KAVLOR 1 / Working", 0), 0u) << "no window of its own";
    recfll(0, 0, 500, 500, 3);
    sendbf();
    const RgbImage shown = windowPixels(static_cast<unsigned long>(foreign));
    ASSERT_TRUE(shown.valid());
    // The box drawn, the rest of the window's own white picture kept.
    EXPECT_NE(std::vector<int>(shown.at(5, 5), shown.at(5, 5) + 3),
              (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(std::vector<int>(shown.at(shown.width - 5, shown.height - 5),
                               shown.at(shown.width - 5, shown.height - 5) + 3),
              (std::vector<int>{255, 255, 255}));
    // An external window is not waited for (a wait would last until the watchdog).
    closePlot();
    setxid(0, "NONE");
    DestroyWindow(foreign);
}

// Without window or winsiz, the window takes its size from the screen and the
// page (two thirds of the screen's width for a landscape page; XWND as wide
// as the screen without its frame) and its place from the device code.
class ScreenOf1280By1024 : public ScreenWindows {
  protected:
    ScreenOf1280By1024() : ScreenWindows("1280x1024x24") {}
};

TEST_F(ScreenOf1280By1024, TheDefaultWindowIsSizedByTheScreenAndPlacedByTheDevice) {
    struct Case {
        const char *device, *title;
        int x, y, width, height;
    };
    for (const Case c : {Case{"XWIN", "KAVLOR 1 / Working", 423, 418, 853, 603},
                         Case{"XWND", "KAVLOR 1 / Working", 4, 122, 1272, 899},
                         Case{"XWI2", "KAVLOR 2 / Working", 423, 23, 853, 603},   // top right
                         Case{"XWI5", "KAVLOR 5 / Working", 213, 220, 853, 603},  // centred
                         Case{"XWI6", "KAVLOR 6 / Working", 84, 87, 853, 603}}) { // a step in
        SCOPED_TRACE(c.device);
        captureStdout([&] {
            metafl(c.device);
            kavini();
        });
        int x = -1, y = -1, width = 0, height = 0;
        getwin(&x, &y, &width, &height);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.width, c.height));
        // The server shows the client area's corner there.
        const unsigned long window = windowNamed(c.title);
        ASSERT_NE(window, 0u);
        const std::string geometry = xdotool("getwindowgeometry --shell " + std::to_string(window));
        EXPECT_NE(geometry.find("\nX=" + std::to_string(c.x) + "\nY=" + std::to_string(c.y) + "\n"),
                  std::string::npos)
            << geometry;
        winmod("NOHO");
        closePlot();
    }
}

// A screen of 16-bit pixels: a server of depth 16, whose red, green and blue
// have 5, 6 and 5 bits.
class SixteenBitScreen : public ScreenWindows {
  protected:
    SixteenBitScreen() : ScreenWindows("1024x768x16") {}
};

// A colour as 16-bit pixels hold it.
std::vector<int> in565(const unsigned char *p) {
    return {p[0] >> 3, p[1] >> 2, p[2] >> 3};
}

TEST_F(SixteenBitScreen, ThePlotShowsAsTheMemoryRasterDrawsIt) {
    EXPECT_EQ(getbpp(), 16);
    captureStdout([&] {
        metafl("PPM");
        setfil("plot.ppm");
        winsiz(kWidth, kHeight);
        kavini();
        drawScene();
        kavfin();
    });
    const RgbImage raster = readPpm(dir.file("plot.ppm"));
    openScreen();
    EXPECT_EQ(getbpp(), 16);
    drawScene();
    const RgbImage shown = windowPixels(windowNamed("KAVLOR 1 / Working"));
    ASSERT_EQ(shown.width, kWidth - 1);
    int differing = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            differing += in565(shown.at(x, y)) != in565(raster.at(x, y));
    EXPECT_EQ(differing, 0);
    winmod("NOHO");
    closePlot();
}

// The pixel routines set and get the pixels of the picture itself, with the
// backing bitmap and when drawing goes straight into the window; the
// BitmapFile saved in image mode holds what they wrote, as 16-bit pixels.
TEST_F(SixteenBitScreen, PixelRoutinesAndBitmapFilesWorkOnThePicture) {
    for (const char *mode : {"AUTO", "NOST"}) {
        SCOPED_TRACE(mode);
        x11mod(mode);
        openScreen();
        recfll(0, 0, 3000, 2200, 0);
        sendbf();
        const unsigned long window = windowNamed("KAVLOR 1 / Working");
        imgini();
        imgmod("RGB");
        // Colours that 16-bit pixels hold exactly.
        const unsigned char row[9] = {255, 0, 0, 8, 4, 16, 0, 255, 0};
        wpxrow(row, 20, 7, 3);
        unsigned char back[9] = {};
        rpxrow(back, 20, 7, 3);
        EXPECT_EQ(std::vector<int>(back, back + 9), std::vector<int>(row, row + 9));
        wpixel(5, 6, 0x01FF0000); // blue
        int colour = -1;
        rpixel(5, 6, &colour);
        EXPECT_EQ(colour, 0x01FF0000);
        imgmod("IND");
        rpixel(20, 7, &colour);
        float r = 0, g = 0, b = 0;
        getind(colour, &r, &g, &b);
        EXPECT_EQ(std::vector<float>({r, g, b}), std::vector<float>({1, 0, 0})) << colour;
        captureStdout([] { rimage("picture.img"); });
        imgfin();
        const RgbImage shown = windowPixels(window);
        EXPECT_EQ(std::vector<int>(shown.at(22, 7), shown.at(22, 7) + 3),
                  (std::vector<int>{0, 255, 0}));
        EXPECT_EQ(std::vector<int>(shown.at(5, 6), shown.at(5, 6) + 3),
                  (std::vector<int>{0, 0, 255}));

        const std::string file = readFile(dir.file("picture.img"));
        ASSERT_GT(file.size(), 80u);
        EXPECT_EQ(file.substr(0, 20), "!Bitmap KAVLOR WIN  ");
        int width = 0, height = 0, planes = 0, rowBytes = 0, bits = 0;
        std::sscanf(file.c_str() + 20, "%d %d %d %d %d", &width, &height, &planes, &rowBytes,
                    &bits);
        EXPECT_EQ(bits, 16);
        EXPECT_EQ(rowBytes, 2 * width);
        EXPECT_EQ(file.size(), 80u + std::size_t(rowBytes) * std::size_t(height));
        // The red pixel, 5-6-5 and low byte first, where wpxrow put it.
        const std::size_t red = 80 + 7 * std::size_t(rowBytes) + 20 * 2;
        EXPECT_EQ(std::uint8_t(file[red]), 0x00);
        EXPECT_EQ(std::uint8_t(file[red + 1]), 0xF8);

        // Loaded again over an erased picture, the pixels come back.
        erase();
        sendbf();
        captureStdout([] { wimage("picture.img"); });
        sendbf();
        const RgbImage again = windowPixels(window);
        EXPECT_EQ(std::vector<int>(again.at(20, 7), again.at(20, 7) + 3),
                  (std::vector<int>{255, 0, 0}));
        EXPECT_EQ(std::vector<int>(again.at(5, 6), again.at(5, 6) + 3),
                  (std::vector<int>{0, 0, 255}));
        winmod("NOHO");
        closePlot();
    }
}

} // namespace
