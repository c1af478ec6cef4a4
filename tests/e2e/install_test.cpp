// The installed prefix serves pkg-config and find_package(Kavlor).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Install, PrefixHasTheInstallationDirectory) {
    for (const char *folder : {"fonts", "map", "zel"}) {
        const std::string path = testPrefix() + "/share/kavlor/" + folder;
        EXPECT_EQ(system(("test -d '" + path + "'").c_str()), 0) << path;
    }
}

// Every map file of the build is installed whole: the library's own four and
// the shoreline files made at build time.
TEST(Install, TheMapFilesAreInstalled) {
    namespace fs = std::filesystem;
    const fs::path installed = testPrefix() + "/share/kavlor/map";
    std::set<std::string> built;
    for (const fs::directory_entry &e : fs::directory_iterator(KAVLOR_BUILD_DATA "/map")) {
        const std::string name = e.path().filename().string();
        built.insert(name);
        ASSERT_TRUE(fs::exists(installed / name)) << name;
        EXPECT_EQ(fs::file_size(installed / name), e.file_size()) << name;
    }
    for (const char *name : {"map1.dat", "map2.dat", "map3.dat", "map4.dat"})
        EXPECT_EQ(built.count(name), 1u) << name;
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
