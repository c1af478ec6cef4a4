// Dialogs on an X server of the test's own: a second thread drives them with
// xdotool while wgfin (or a ready-made dialog) runs on the test thread; then
// the getters and the callbacks say what the user did.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "kavlor.h"
#include "platform/windows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

std::vector<std::string> heard;

void plain(int id) {
    heard.push_back("f " + std::to_string(id));
}
void withData(int id, int data) {
    heard.push_back("g " + std::to_string(id) + " " + std::to_string(data));
}

class Dialogs : public ::testing::Test {
  protected:
    XvfbServer server;
    static inline std::unique_ptr<InputProbe> probe;

    void SetUp() override {
        ASSERT_TRUE(server.running());
        probe = std::make_unique<InputProbe>();
        heard.clear();
    }
    void TearDown() override { probe.reset(); }
    // Runs the dialog on this thread while the steps run on another, after
    // the window of the title is shown and holds the keys.
    static void run(const char *title, const std::function<void()> &dialog,
                    const std::function<void()> &steps) {
        auto input = std::async(std::launch::async, [&] {
            const unsigned long shown = shownWindow("--name '^" + std::string(title) + "$'");
            EXPECT_NE(shown, 0u);
            EXPECT_TRUE(waitForFocus(shown));
            steps();
        });
        dialog();
        input.get();
        // Gone in the server's eyes too before a dialog of the same title is looked for.
        EXPECT_TRUE(noWindowNamed(title));
    }
    // Each step is sent once the dialog has taken the steps before: a click
    // may open the list that the next one clicks into. (The dialog that the
    // last step ends takes nothing more.)
    static void step(const std::string &xdotoolCommand) {
        EXPECT_TRUE(probe->taken());
        xdotool(xdotoolCommand);
    }
    // xdotool's mouse at (x, y) of a widget's window, clicked.
    static void click(int id, int x, int y) {
        step("mousemove --window " + std::to_string(gwgxidOf(id)) + " " + std::to_string(x) + " " +
             std::to_string(y) + " click 1");
    }
    static void keys(const std::string &k) { step("key " + k); }
    static void type(const std::string &text) { step("type '" + text + "'"); }
    // The windows of widgets, read before the dialog runs.
    static inline std::vector<int> windows;
    static int gwgxidOf(int id) { return windows.at(std::size_t(id)); }
    static void remember(int count) {
        windows.assign(std::size_t(count) + 1, 0);
        for (int id = 1; id <= count; ++id)
            windows[std::size_t(id)] = gwgxid(id);
    }
    // Where the title "File" starts in a bar of Exit and Help before it (each
    // title has 6 pixels on either side).
    static int fileTitleX() {
        const HDC dc = GetDC(0);
        int x = 0;
        for (const char *title : {"Exit", "Help"}) {
            SIZE s{};
            GetTextExtentPoint32A(dc, title, int(std::strlen(title)), &s);
            x += s.cx + 12;
        }
        ReleaseDC(0, dc);
        return x + 8;
    }
    static int lineHeight() {
        TEXTMETRICA tm{};
        const HDC dc = GetDC(0);
        GetTextMetricsA(dc, &tm);
        ReleaseDC(0, dc);
        return tm.tmHeight;
    }
};

TEST_F(Dialogs, APlotGoesIntoADrawWidget) {
    swgtit("Drawing");
    swgdrw(0.5f);
    const int ip = wgini("VERT");
    const int draw = wgdraw(ip);
    const int ok = wgok(ip);
    remember(ok);
    // The plot is drawn into the widget before the dialog shows; wgfin shows it.
    setxid(gwgxid(draw), "WIND");
    metafl("XWIN");
    std::fflush(stdout);
    kavini();
    recfll(0, 0, 3000, 2100, 3);
    float r = 0, g = 0, b = 0;
    getind(3, &r, &g, &b);
    kavfin();
    run("Drawing", wgfin, [&] {
        const unsigned long widget = static_cast<unsigned long>(gwgxidOf(draw));
        const RgbImage shown = windowPixels(widget);
        ASSERT_TRUE(shown.valid());
        EXPECT_NEAR(2 * shown.height, shown.width, 8) << "half as high as wide";
        const unsigned char *p = shown.at(shown.width / 2, shown.height / 2);
        EXPECT_EQ(
            (std::vector<int>{p[0], p[1], p[2]}),
            (std::vector<int>{int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)}));
        click(ok, 10, 5);
    });
    setxid(0, "NONE");
}

TEST_F(Dialogs, EveryKindOfWidgetKeepsWhatTheUserChose) {
    swgtit("Every widget");
    const int ip = wgini("VERT");
    const int text = wgtxt(ip, "");
    const int check = wgbut(ip, "Check", 0);
    const int list = wglis(ip, "one|two|three|four", 1);
    const int drop = wgdlis(ip, "red|green|blue", 1);
    const int box = wgbox(ip, "a|b|c", 1);
    const int named = wgltxt(ip, "Name:", "", 60);
    const int scale = wgscl(ip, "Scale", 0.0f, 10.0f, 5.0f, 1);
    const int ok = wgok(ip);
    for (const int id : {check, list, drop, box, scale})
        swgcbk(id, plain);
    remember(ok);
    const int ch = lineHeight();
    RECT field, bar;
    GetClientRect(HWND(gwgxid(drop)), &field);
    GetClientRect(HWND(gwgxid(scale)), &bar);
    run("Every widget", wgfin, [&] {
        type("hello"); // the first text field has the keys
        click(check, 5, ch / 2);
        click(list, 10, 2 * ch + ch / 2 + 1);
        click(drop, 10, 5);
        click(drop, 10, field.bottom + 2 * ch + ch / 2 + 1); // its list's third line
        click(box + 2, 5, ch / 2);
        click(named, 5, 5);
        type("Ann");
        click(scale, bar.right - 5, bar.bottom / 2); // the right arrow
        click(ok, 10, 5);
    });
    char buffer[257];
    gwgtxt(text, buffer);
    EXPECT_STREQ(buffer, "hello");
    gwgtxt(named, buffer);
    EXPECT_STREQ(buffer, "Ann");
    EXPECT_EQ(gwgbut(check), 1);
    EXPECT_EQ(gwglis(list), 3);
    EXPECT_EQ(gwglis(drop), 3);
    EXPECT_EQ(gwgbox(box), 3);
    EXPECT_FLOAT_EQ(gwgscl(scale), 5.1f);
    const std::vector<std::string> expected = {
        "f " + std::to_string(check), "f " + std::to_string(list), "f " + std::to_string(drop),
        "f " + std::to_string(box + 2), "f " + std::to_string(scale)};
    EXPECT_EQ(heard, expected);
}

TEST_F(Dialogs, CallbacksRunInOrderAndTextFieldsCallAsTheOptionSays) {
    swgtit("Callbacks");
    int ip = wgini("VERT");
    const int push = wgpbut(ip, "Push");
    const int ok = wgok(ip);
    swgcbk(push, plain);
    swgcb(push, withData, 77);
    swgbut(push, 1); // pressed once the loop runs, not now
    EXPECT_TRUE(heard.empty());
    remember(ok);
    run("Callbacks", wgfin, [&] {
        click(push, 10, 5);
        click(ok, 10, 5);
    });
    const std::string id = std::to_string(push);
    EXPECT_EQ(heard, (std::vector<std::string>{"f " + id, "g " + id + " 77", "f " + id,
                                               "g " + id + " 77"}));

    // Typing "ab" and Return: RETU calls once, CHAN twice, BOTH three times.
    struct Case {
        const char *option;
        std::size_t calls;
    };
    for (const Case c : {Case{"RETU", 1}, Case{"CHAN", 2}, Case{"BOTH", 3}}) {
        heard.clear();
        swgopt(c.option, "CALL");
        swgtit(c.option);
        ip = wgini("VERT");
        const int text = wgtxt(ip, "");
        const int done = wgok(ip);
        swgcbk(text, plain);
        remember(done);
        run(c.option, wgfin, [&] {
            type("ab");
            keys("Return");
            click(done, 10, 5);
        });
        EXPECT_EQ(heard.size(), c.calls) << c.option;
    }
}

TEST_F(Dialogs, TabMovesTheFocusAndReturnPressesOk) {
    swgtit("Keys");
    const int ip = wgini("VERT");
    const int first = wgtxt(ip, "");
    const int second = wgtxt(ip, "");
    wgok(ip);
    run("Keys", wgfin, [&] {
        type("1");
        keys("Tab");
        type("2");
        keys("shift+Tab");
        type("3");
        keys("Tab Tab Tab"); // second, OK, and round to the first
        type("4");
        keys("Tab Tab Return"); // Return on OK
    });
    char buffer[257];
    gwgtxt(first, buffer);
    EXPECT_STREQ(buffer, "134");
    gwgtxt(second, buffer);
    EXPECT_STREQ(buffer, "2");
}

TEST_F(Dialogs, TheMenuBarEndsTheDialogAndOpensTheFileDialog) {
    TempDir dir;
    std::ofstream(dir.file("picked.dat")) << "x";
    swgtit("Menus");
    const int ip = wgini("VERT");
    const int file = wgfil(ip, "Data file", "none.dat", "*.dat");
    const int popup = wgpop(ip, "&Tools");
    const int entry = wgapp(popup, "&Run");
    swgcbk(file, plain);
    swgcbk(entry, plain);
    remember(entry);
    run("Menus", wgfin, [&] {
        keys("alt+t");
        keys("r");
        // The bar: Exit, Help, then File (made with the file field), Tools.
        keys("alt+t");
        keys("Escape");
        const std::string bar = std::to_string(gwgxidOf(ip));
        step("mousemove --window " + bar + " " + std::to_string(fileTitleX()) + " 8 click 1");
        keys("Down Return"); // its one entry
        const unsigned long open = shownWindow("--name '^Open$'");
        EXPECT_NE(open, 0u);
        EXPECT_TRUE(waitForFocus(open));
        type(dir.file("picked.dat"));
        keys("Return");
        // The keys go to the dialog once it has them back from the file dialog.
        EXPECT_TRUE(waitForFocus(static_cast<unsigned long>(gwgxidOf(ip))));
        keys("alt+e");
        keys("o");
    });
    char buffer[257];
    gwgfil(file, buffer);
    EXPECT_EQ(std::string(buffer), dir.file("picked.dat"));
    EXPECT_EQ(heard, (std::vector<std::string>{"f " + std::to_string(entry),
                                               "f " + std::to_string(file)}));
}

TEST_F(Dialogs, ReadyMadeDialogsReturnWhatWasChosen) {
    swgtit("Question");
    auto returnKey = [] { keys("Return"); };
    run(
        "Question", [] { EXPECT_EQ(dwgbut("Sure?", 0), 0); }, returnKey);
    run(
        "Question", [] { EXPECT_EQ(dwgbut("Sure?", 1), 1); }, returnKey);

    swgtit("Choose");
    const int ch = lineHeight();
    run(
        "Choose", [] { EXPECT_EQ(dwglis("Pick one", "a|b|c|d|e|f|g", 2), 5); },
        [&] {
            const std::string list = xdotool("search --classname '^listbox$'");
            step("mousemove --window " + list.substr(0, list.find('\n')) + " 10 " +
                 std::to_string(4 * ch + ch / 2 + 1) + " click 1");
            keys("Return");
        });
    setenv("KAVLOR_MSGBOX", "log", 1); // "Selected list element out of range"
    run(
        "Choose", [] { EXPECT_EQ(dwglis("Pick", "a|b", 0), 1); }, returnKey);
    unsetenv("KAVLOR_MSGBOX");

    swgtit("Type");
    run(
        "Type",
        [] {
            char *typed = dwgtxt("Your|name", "old");
            EXPECT_STREQ(typed, "hello");
            std::free(typed);
        },
        [] {
            keys("ctrl+a");
            type("hello");
            keys("Return");
        });

    TempDir dir;
    std::ofstream(dir.file("a.dat")) << "x";
    run(
        "Pick a file",
        [&] {
            char *chosen = dwgfil("Pick a file", dir.file("start.dat").c_str(), "*.dat");
            EXPECT_EQ(std::string(chosen), dir.file("a.dat"));
            std::free(chosen);
        },
        [] {
            keys("ctrl+a");
            type("a.dat");
            keys("Return");
        });
    run(
        "Pick a file",
        [] {
            char *chosen = dwgfil("Pick a file", "start.dat", "*.dat");
            EXPECT_STREQ(chosen, "start.dat");
            std::free(chosen);
        },
        [] { keys("Escape"); });
}

// A callback may run a dialog of its own, but wgfin without a wgini of the
// callback's own has no dialog to run: it is refused, and the running dialog
// goes on to its end (it used to run its loop a second time, and after OK the
// first loop waited for ever).
std::atomic<int> innerOk{0};
void innerDialog(int id) {
    plain(id);
    swgtit("Inner");
    const int ip = wgini("VERT");
    innerOk = gwgxid(wgok(ip));
    wgfin();
    heard.push_back("inner ended");
}
void runAgain(int id) {
    plain(id);
    wgfin();
    heard.push_back("wgfin returned");
}

TEST_F(Dialogs, WgfinInACallbackRunsOnlyADialogOfItsOwn) {
    setenv("KAVLOR_MSGBOX", "log", 1); // the refusal's box
    swgtit("Outer");
    const int ip = wgini("VERT");
    const int nested = wgpbut(ip, "Nested");
    const int again = wgpbut(ip, "Again");
    const int ok = wgok(ip);
    swgcbk(nested, innerDialog);
    swgcbk(again, runAgain);
    remember(ok);
    testing::internal::CaptureStderr();
    run("Outer", wgfin, [&] {
        click(nested, 10, 5);
        const unsigned long inner = shownWindow("--name '^Inner$'");
        EXPECT_NE(inner, 0u);
        EXPECT_TRUE(waitForFocus(inner));
        step("mousemove --window " + std::to_string(innerOk.load()) + " 10 5 click 1");
        click(again, 10, 5);
        click(ok, 10, 5);
    });
    const std::string err = testing::internal::GetCapturedStderr();
    unsetenv("KAVLOR_MSGBOX");
    EXPECT_EQ(heard, (std::vector<std::string>{"f " + std::to_string(nested), "inner ended",
                                               "f " + std::to_string(again), "wgfin returned"}));
    EXPECT_NE(err.find("[wgfin]\n>>>> No call to wgini before!\n"), std::string::npos) << err;
}

} // namespace
