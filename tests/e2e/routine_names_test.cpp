// A program may have a function of its own under the name of a library
// routine (names as short as curve, color or height are common): the library's
// own calls of that routine still reach the routine, never the program's
// function.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

// The program declares only what it calls, as a program that does not include
// kavlor.h in this file would, and has its own curve and graf.
const char *kProgram = R"(#include <stdio.h>
void metafl(const char *device);
void setfil(const char *file);
void qplot(const float *x, const float *y, int n);

int graf(void) { puts("the program's graf"); return 0; }
int curve(void) { puts("the program's curve"); return 0; }

int main(void) {
    float x[20], y[20];
    for (int i = 0; i < 20; i++) { x[i] = (float)i; y[i] = (float)(i * i); }
    metafl("PS");
    setfil("page.ps");
    qplot(x, y, 20);
    return 0;
}
)";

TEST(RoutineNames, TheLibraryCallsItsOwnRoutinesNotTheProgramsNamesakes) {
    TempDir dir;
    const ProgramRun run = runC(kProgram, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("the program's"), std::string::npos) << run.out;
    // The quick plot drew its axis system and its curve.
    const std::string page = readFile(dir.file("page.ps"));
    EXPECT_NE(page.find("showpage"), std::string::npos);
    EXPECT_GT(page.size(), 5000u);
}

} // namespace
