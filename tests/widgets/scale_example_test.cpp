// The gallery's dialog example run as its users run it: the plot in its draw
// widget follows the scale that xdotool drags, OK ends it with the value the
// scale shows; without a display it ends at once with status 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <future>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/x_server.h"

namespace {

std::string exampleProgram(const std::string &dir) {
    std::ifstream file(std::string(KAVLOR_EXAMPLES_DIR) + "/scale_dialog.c");
    std::stringstream source;
    source << file.rdbuf();
    EXPECT_FALSE(source.str().empty());
    return compileC(source.str(), dir, "scale_dialog");
}

// A widget of the dialog once the server shows it.
unsigned long windowOfClass(const std::string &name) {
    return shownWindow("--classname '^" + name + "$'");
}

// The rows in which the right half of the draw widget shows the blue curve:
// the more damping, the flatter its tail and the fewer rows.
int tailRows(const RgbImage &shown) {
    std::set<int> rows;
    for (int y = 0; y < shown.height; ++y)
        for (int x = shown.width / 2; x < shown.width; ++x) {
            const unsigned char *p = shown.at(x, y);
            if (p[2] > 128 && p[0] < 64 && p[1] < 64) rows.insert(y);
        }
    return int(rows.size());
}

// The value a scale shows: the name of the static text after its label.
std::string scaleValue() {
    std::istringstream found(xdotool("search --classname '^static$'"));
    for (std::string window; std::getline(found, window);) {
        const std::string name = xdotool("getwindowname " + window);
        if (name != "Damping") return name;
    }
    return "";
}

// The draw widget once it differs from before (the plot drawn).
RgbImage changedPicture(unsigned long widget, const RgbImage &before) {
    RgbImage shown;
    waitUntil([&] {
        shown = windowPixels(widget);
        return shown.valid() && !(shown == before) && tailRows(shown) > 0;
    });
    return shown;
}

// The scroll bar as the server shows it, once it is drawn: its ends (the
// arrows) differ from its middle row's trough.
RgbImage drawnBar(unsigned long bar) {
    RgbImage shown;
    waitUntil([&] {
        shown = windowPixels(bar);
        if (!shown.valid() || shown.width <= 2 * shown.height) return false;
        const int y = shown.height / 2;
        const unsigned char *trough = shown.at(shown.width - shown.height - 1, y);
        for (int x = shown.height; x < shown.width - shown.height; ++x)
            if (!std::equal(trough, trough + 3, shown.at(x, y))) return true;
        return false;
    });
    return shown;
}

// Where the thumb of a horizontal scroll bar is, from its middle row: the run
// of pixels between the arrows that differs from the trough at the right end.
int thumbMiddle(const RgbImage &bar) {
    const int y = bar.height / 2, arrow = bar.height;
    const unsigned char *trough = bar.at(bar.width - arrow - 1, y);
    auto inTrough = [&](int x) { return std::equal(trough, trough + 3, bar.at(x, y)); };
    int start = arrow;
    while (start < bar.width - arrow && inTrough(start))
        ++start;
    int end = start;
    while (end < bar.width - arrow && !inTrough(end))
        ++end;
    return (start + end) / 2;
}

TEST(ScaleExample, ThePlotFollowsTheDraggedScale) {
    XvfbServer server;
    ASSERT_TRUE(server.running());
    TempDir dir, build;
    const std::string exe = exampleProgram(build.path());
    auto run = std::async(std::launch::async, [&] { return runProgram(exe, dir.path()); });
    ASSERT_NE(shownWindow("--name '^Damped oscillation$'"), 0u);
    const unsigned long widget = windowOfClass("DrawWidget"), bar = windowOfClass("scrollbar");
    ASSERT_NE(widget, 0u);
    ASSERT_NE(bar, 0u);
    EXPECT_EQ(scaleValue(), "0.30");

    const RgbImage first = changedPicture(widget, RgbImage{});
    const int before = tailRows(first);
    EXPECT_GT(before, 0) << "the curve is drawn";

    const RgbImage shownBar = drawnBar(bar);
    const int x = thumbMiddle(shownBar), y = shownBar.height / 2;
    const auto at = [&](int dx) {
        return "--window " + std::to_string(bar) + " " + std::to_string(x + dx) + " " +
               std::to_string(y);
    };
    xdotool("mousemove " + at(0) + " mousedown 1 mousemove " + at(40) + " mousemove " + at(80) +
            " mouseup 1");

    const RgbImage second = changedPicture(widget, first);
    EXPECT_FALSE(second == first) << "the plot is drawn again";
    EXPECT_LT(tailRows(second), before) << "more damping flattens the tail";
    const std::string shownValue = scaleValue();
    EXPECT_GT(std::stof(shownValue), 0.3f) << "the scale shows its new value";

    const std::string ok = xdotool("search --name '^OK$'");
    xdotool("mousemove --window " + ok + " 10 5 click 1");
    ASSERT_EQ(run.wait_for(scaled(std::chrono::seconds(20))), std::future_status::ready) << "hangs";
    const ProgramRun ended = run.get();
    EXPECT_EQ(ended.status, 0) << ended.err;
    EXPECT_NE(ended.out.find("The damping chosen: " + shownValue), std::string::npos) << ended.out;
}

TEST(ScaleExample, WithoutADisplayItEndsAtOnce) {
    TempDir dir, build;
    const std::string exe = exampleProgram(build.path());
    // No X server and no input: nothing could end a wait, so the program ends
    // by itself before the watchdog or not at all; it says the dialog did not wait.
    const Watchdog watchdog(60);
    const ProgramRun run = runProgram(exe, dir.path(), RunOptions{{"DISPLAY="}, {}, ""});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("The damping chosen: 0.30"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.rfind("[wgfin]\n>>>> No display: the dialog ends at once with its values as "
                            "they are!\n",
                            0),
              0u)
        << run.err;
}

} // namespace
