// How a dialog ends the program that shows it: Quit and the frame's close
// button end the process with status 0, what it printed kept; with the close
// option OK the frame's close button ends the dialog like OK; a command
// button starts its program, or says it could not.
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

// A dialog of a text field, a command button, OK and Quit, titled "Ending";
// the program prints what it has before and after wgfin.
constexpr const char *kProgram = R"(
#include <kavlor.h>
#include <stdio.h>
#include <string.h>
static void ran(int id) { printf("callback %d\n", id); }
int main(int argc, char **argv) {
    char text[257];
    printf("before\n");
    if (argc > 1 && strcmp(argv[1], "ok") == 0) swgopt("OK", "CLOS");
    swgtit("Ending");
    int ip = wgini("VERT");
    int field = wgtxt(ip, "");
    int command = wgcmd(ip, "Run", argc > 2 ? argv[2] : "true");
    swgcbk(command, ran);
    wgok(ip);
    wgquit(ip);
    wgfin();
    gwgtxt(field, text);
    printf("after %s\n", text);
    return 3;
}
)";

class Ending : public ::testing::Test {
  protected:
    XvfbServer server;
    TempDir dir, build;
    std::string exe;

    void SetUp() override {
        ASSERT_TRUE(server.running());
        exe = compileC(kProgram, build.path());
    }
    // Runs the program while the steps act on its window.
    ProgramRun run(const std::vector<std::string> &args,
                   const std::function<void(unsigned long)> &steps) {
        auto input = std::async(std::launch::async, [&] {
            // Keys and clicks reach the window once it is shown and holds the keys.
            const unsigned long window = shownWindow("--name '^Ending$'");
            EXPECT_NE(window, 0u);
            EXPECT_TRUE(waitForFocus(window));
            steps(window);
        });
        RunOptions options;
        options.args = args;
        options.env = {"DISPLAY=" + server.display(), "KAVLOR_MSGBOX=log"};
        const ProgramRun result = runProgram(exe, dir.path(), options);
        input.get();
        return result;
    }
    // Keys typed ahead: the dialog takes them in order, each where the keys
    // before it left the focus.
    static void keys(const std::string &k) { xdotool("key " + k); }
};

TEST_F(Ending, QuitEndsTheProcessWithStatusZero) {
    ProgramRun r = run({}, [](unsigned long) { keys("alt+e q"); });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "before\n");
    // The Quit button: Tab from the field over OK (a command button takes no
    // focus).
    r = run({}, [](unsigned long) { keys("Tab Tab Return"); });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "before\n");
}

TEST_F(Ending, TheFramesCloseButtonEndsTheProcessOrTheDialog) {
    ProgramRun r = run({}, [](unsigned long window) { closeWindow(window); });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "before\n");
    r = run({"ok"}, [](unsigned long window) {
        xdotool("type typed");
        closeWindow(window);
    });
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "before\nafter typed\n");
    r = run({}, [](unsigned long) { keys("alt+e o"); });
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "before\nafter \n");
}

TEST_F(Ending, ACommandButtonStartsItsProgramAndThenItsCallback) {
    const std::string made = dir.file("made");
    auto press = [](unsigned long) {
        // The button's window is named by its caption.
        xdotool("mousemove --window " + std::to_string(shownWindow("--name '^Run$'")) +
                " 5 5 click 1");
        keys("alt+e o");
    };
    ProgramRun r = run({"x", "touch " + made}, press);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "before\ncallback 3\nafter \n");
    // The command runs beside the program: its file comes.
    EXPECT_TRUE(waitUntil([&] { return fileExists(made); }));

    r = run({"x", "no_such_program_of_kavlor"}, press);
    EXPECT_EQ(r.err.substr(0, r.err.find("-----")), // (a sanitizer may add its report)
              "[wgcmd]\n>>>> Command no_such_program_of_kavlor failed!\n");
    EXPECT_EQ(r.out, "before\ncallback 3\nafter \n");
}

} // namespace
