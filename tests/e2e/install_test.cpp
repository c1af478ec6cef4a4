// The installed prefix serves pkg-config and find_package(Kavlor).
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Install, PrefixHasTheInstallationDirectory) {
    for (const char *folder : {"fonts", "map", "zel"}) {
        const std::string path = testPrefix() + "/share/kavlor/" + folder;
        EXPECT_EQ(system(("test -d '" + path + "'").c_str()), 0) << path;
    }
}

TEST(Install, FindPackageBuildsAProgram) {
    TempDir dir;
    writeFile(dir.file("CMakeLists.txt"), R"(
cmake_minimum_required(VERSION 3.25)
project(user C)
find_package(Kavlor REQUIRED)
add_executable(user user.c)
target_link_libraries(user PRIVATE Kavlor::kavlor)
)");
    writeFile(dir.file("user.c"), R"(
#include <kavlor.h>
int main(void) { return trmlen("ab  ") == 2 ? 0 : 1; }
)");
    const std::string build = dir.file("build");
    const std::string configure = "cmake -S '" + dir.path() + "' -B '" + build +
                                  "' -DCMAKE_PREFIX_PATH='" + testPrefix() + "' -DCMAKE_C_FLAGS='" +
                                  testCFlags() + "'" + " > /dev/null && cmake --build '" + build +
                                  "' > /dev/null";
    ASSERT_EQ(system(configure.c_str()), 0);
    ProgramRun run = runProgram(build + "/user", dir.path());
    EXPECT_EQ(run.status, 0);
}

} // namespace
