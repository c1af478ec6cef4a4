// The window system and the font libraries are opened only when a program
// first needs them: a program that draws into files loads neither, and one
// that draws text in a window font loads the font libraries alone.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

// Draws a page with axes, a title and a curve on the device argv[1] (in the
// window font argv[2] when there is one), then writes the libraries of the
// window system and of fonts that the process has loaded into loaded.txt, one
// name a line.
const char *kProgram = R"(#include <kavlor.h>
#include <stdio.h>
#include <string.h>

static void print_loaded(void) {
    static const char *watched[] = {"libX11.so", "libxcb.so", "libfreetype.so", "libfontconfig.so"};
    int seen[4] = {0, 0, 0, 0};
    char line[4096];
    FILE *maps = fopen("/proc/self/maps", "r"), *out = fopen("loaded.txt", "w");
    if (maps == NULL || out == NULL) return;
    while (fgets(line, sizeof line, maps) != NULL)
        for (int i = 0; i < 4; i++)
            if (strstr(line, watched[i]) != NULL) seen[i] = 1;
    fclose(maps);
    for (int i = 0; i < 4; i++)
        if (seen[i]) fprintf(out, "%s\n", watched[i]);
    fclose(out);
}

int main(int argc, char **argv) {
    float x[50], y[50];
    for (int i = 0; i < 50; i++) { x[i] = (float)i; y[i] = (float)(i % 7); }
    metafl(argv[1]);
    setfil("page.out");
    filmod("DELE");
    kavini();
    if (argc > 2) winfnt(argv[2]);
    name("X axis", "X");
    titlin("A page", 1);
    graf(0.f, 50.f, 0.f, 10.f, 0.f, 7.f, 0.f, 1.f);
    title();
    curve(x, y, 50);
    endgrf();
    kavfin();
    print_loaded();
    return 0;
}
)";

// A display that no server serves: a program that tried to open it would load
// libX11 to find out.
RunOptions withDisplay(std::vector<std::string> args) {
    return RunOptions{{"DISPLAY=:97"}, std::move(args), ""};
}

TEST(LibraryLoading, FileDevicesLoadNoWindowOrFontLibrary) {
    TempDir build;
    const std::string exe = compileC(kProgram, build.path());
    for (const char *device : {"PS", "EPS", "PDF", "SVG", "PNG", "WMF", "GIF", "TIFF"}) {
        TempDir dir;
        const ProgramRun run = runProgram(exe, dir.path(), withDisplay({device}));
        EXPECT_EQ(run.status, 0) << device << "\n" << run.err;
        EXPECT_EQ(readFile(dir.file("loaded.txt")), "") << device;
    }
}

// Text in a window font needs FreeType and fontconfig, and still no window.
TEST(LibraryLoading, AWindowFontLoadsTheFontLibrariesAlone) {
    TempDir dir;
    const ProgramRun run = runC(kProgram, dir.path(), withDisplay({"WMF", "Times New Roman"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir.file("loaded.txt")), "libfreetype.so\nlibfontconfig.so\n");
}

// The library itself names none of them among the libraries it needs.
TEST(LibraryLoading, TheLibraryNeedsNoWindowOrFontLibrary) {
    const ProgramRun run =
        runShell("readelf -d '" + testPrefix() + "/lib/libkavlor.so' | grep NEEDED");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("libz.so"), std::string::npos) << run.out;
    for (const char *library : {"libX11", "libxcb", "libfreetype", "libfontconfig"})
        EXPECT_EQ(run.out.find(library), std::string::npos) << run.out;
}

} // namespace
