// Screen programs run as their users run them: without a display a screen
// plot draws into windows that are never shown and ends at once with status 0;
// a display that goes away while the plot waits ends it with status 1.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

constexpr const char *kPlot = R"(
    int width = -1, height = -1;
    getscr(&width, &height);
    printf("display %s, screen %d x %d, %d bits\n", getdsp(), width, height, getbpp());
    metafl("XWIN");
    kavini();
    recfll(100, 100, 700, 500, 2);
    strtpt(300, 1000);
    connpt(1600, 700);
    sendbf();
    kavfin();
    printf("done\n");
)";

TEST(ScreenPrograms, WithoutADisplayAScreenPlotEndsAtOnce) {
    TempDir dir, build;
    const std::string exe = compileC(cMain(kPlot), build.path());
    // No X server and no input: nothing could end the wait at kavfin, so the
    // program ends by itself before the watchdog or not at all.
    const Watchdog watchdog(60);
    const ProgramRun run = runProgram(exe, dir.path(), RunOptions{{"DISPLAY="}, {}, ""});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("display NONE, screen 0 x 0, 8 bits"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("done"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Fileformat: XWIN"), std::string::npos) << run.out;
}

TEST(ScreenPrograms, ADisplayThatGoesAwayEndsTheWaitingPlotWithStatusOne) {
    XvfbServer server;
    ASSERT_TRUE(server.running());
    TempDir dir, build;
    const std::string exe = compileC(cMain(kPlot), build.path());
    auto run = std::async(std::launch::async, [&] { return runProgram(exe, dir.path()); });
    ASSERT_NE(windowNamed("KAVLOR 1 / Click MB2 to continue ..."), 0u);
    server.stop();
    ASSERT_EQ(run.wait_for(scaled(std::chrono::seconds(20))), std::future_status::ready) << "hangs";
    const ProgramRun ended = run.get();
    EXPECT_EQ(ended.status, 1) << ended.err;
    EXPECT_EQ(ended.out.find("done"), std::string::npos);
}

} // namespace
