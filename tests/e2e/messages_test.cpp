// Warnings and the message file, seen from a C program.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Messages, FirstCallWithAWrongLevelAndAWrongKeyword) {
    TempDir dir;
    ProgramRun run = runC(R"(
#include <kavlor.h>
int main(void) {
    errmod("XYZ", "ON");
    return 0;
}
)",
                          dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
                       " <<<< Warning   2: Incorrect parameter in errmod!   (XYZ)\n");
}

constexpr const char *kWindowedProgram = R"(
#include <kavlor.h>
int main(void) {
    winapp("WIND");
    errmod("XYZ", "ON");
    return 0;
}
)";

TEST(Messages, WindowedApplicationWritesIntoTheMessageFile) {
    TempDir dir, build;
    const std::string exe = compileC(kWindowedProgram, build.path());
    ProgramRun run = runProgram(exe, dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    const std::string expected = " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
                                 " <<<< Warning   2: Incorrect parameter in errmod!   (XYZ)\n";
    EXPECT_EQ(readFile(dir.file("kavlor.err")), expected);

    // The next run keeps that file and writes a new version.
    run = runProgram(exe, dir.path());
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readFile(dir.file("kavlor.err")), expected);
    EXPECT_EQ(readFile(dir.file("kavlor_1.err")), expected);
}

TEST(Messages, AllOffSilencesWarnings) {
    TempDir dir;
    ProgramRun run = runC(R"(
#include <kavlor.h>
int main(void) {
    errmod("ALL", "OFF");
    errmod("XYZ", "ON");
    winapp("NONE");
    return 0;
}
)",
                          dir.path());
    EXPECT_EQ(run.status, 0);
    // Only the level warning of the very first call, made before the switch.
    EXPECT_EQ(run.out, " <<<< Warning   3: Incorrect level in errmod!   (   0)\n");
}

} // namespace
