// The installed prefix serves pkg-config and find_package(Kavlor): the
// README's line builds a program that starts, the static archive links into C
// programs, and a prefix finds its own data wherever it is installed or moved.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

std::string quoted(const std::string &text) {
    return "'" + text + "'";
}

// The shell's substitution of pkg-config's flags (options) from the
// pkg-config file of prefix.
std::string pkgConfig(const std::string &prefix, const std::string &options) {
    return "$(PKG_CONFIG_PATH=" + quoted(prefix + "/lib/pkgconfig") + " pkg-config " + options +
           " kavlor)";
}

// Draws a page with a curve and a title into page.pdf and prints the version:
// the C++ runtime inside the library is needed for all of it.
const char *kPagePlot = R"(#include <kavlor.h>
#include <stdio.h>
int main(void) {
    float x[20], y[20];
    int i;
    for (i = 0; i < 20; i++) { x[i] = (float)i; y[i] = (float)(i % 5); }
    metafl("PDF");
    setfil("page.pdf");
    filmod("DELE");
    kavini();
    titlin("A page", 1);
    graf(0.f, 20.f, 0.f, 5.f, 0.f, 5.f, 0.f, 1.f);
    title();
    curve(x, y, 20);
    endgrf();
    kavfin();
    printf("version %.1f\n", getver());
    return 0;
}
)";

// The run of a program drew its page without a warning.
void expectPageDrawn(const ProgramRun &run, const std::string &dir) {
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("version 9.1\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    EXPECT_TRUE(fileExists(dir + "/page.pdf"));
}

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

// A CMake project of the C language alone in dir that finds the package in
// this build's test prefix and builds dir/build/plot from source, linked to
// library; what building it printed.
ProgramRun buildCMakeProject(const TempDir &dir, const std::string &library,
                             const std::string &source) {
    writeFile(dir.file("CMakeLists.txt"), "cmake_minimum_required(VERSION 3.25)\n"
                                          "project(user C)\n"
                                          "find_package(Kavlor REQUIRED)\n"
                                          "add_executable(plot plot.c)\n"
                                          "target_link_libraries(plot PRIVATE " +
                                              library + ")\n");
    writeFile(dir.file("plot.c"), source);
    const std::string build = dir.file("build");
    return runShell("cmake -S " + quoted(dir.path()) + " -B " + quoted(build) +
                    " -DCMAKE_PREFIX_PATH=" + quoted(testPrefix()) +
                    " -DCMAKE_C_FLAGS=" + quoted(testCFlags()) + " > /dev/null && cmake --build " +
                    quoted(build) + " 2>&1");
}

TEST(Install, FindPackageBuildsAProgram) {
    TempDir dir;
    const ProgramRun built = buildCMakeProject(dir, "Kavlor::kavlor", R"(
#include <kavlor.h>
int main(void) { return trmlen("ab  ") == 2 ? 0 : 1; }
)");
    ASSERT_EQ(built.status, 0) << built.out;
    EXPECT_EQ(runProgram(dir.file("build/plot"), dir.path()).status, 0);
}

// The README's line that starts with start, as it prints it, with the prefix
// of this build's tests in the place of its own.
std::string readmeLine(const std::string &start) {
    std::istringstream readme(readFile(KAVLOR_SOURCE_DIR "/README.md"));
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind(start, 0) != 0) continue;
        for (size_t at; (at = line.find("/opt/kavlor")) != std::string::npos;)
            line.replace(at, 11, testPrefix());
        return line;
    }
    ADD_FAILURE() << "README.md has no line that starts with " << start;
    return "false";
}

// Runs a README line that builds ./plot from plot.c in dir.
void buildAsTheReadmeSays(const std::string &line, const std::string &dir) {
    writeFile(dir + "/plot.c", kPagePlot);
    const ProgramRun built = runShell("cd " + quoted(dir) + " && " + line + " 2>&1");
    ASSERT_EQ(built.status, 0) << line << "\n" << built.out;
}

// The program starts as built: pkg-config's flags give it the run path to its
// library.
TEST(Install, TheReadmeLineBuildsAProgramThatStarts) {
    if (!testCFlags().empty()) GTEST_SKIP() << "the line links without this build's sanitizers";
    TempDir dir;
    buildAsTheReadmeSays(readmeLine("cc -o plot plot.c "), dir.path());
    expectPageDrawn(runShell("cd " + quoted(dir.path()) + " && env -u LD_LIBRARY_PATH ./plot"),
                    dir.path());
}

// cc -static with pkg-config's --static flags: the archive brings the C++
// runtime and every library it calls; the program needs no shared one.
TEST(Install, TheReadmeStaticLineLinksAStaticProgram) {
    if (!testCFlags().empty()) GTEST_SKIP() << "a sanitizer build links no static program";
    TempDir dir;
    buildAsTheReadmeSays(readmeLine("cc -static -o plot plot.c "), dir.path());
    EXPECT_EQ(runShell("readelf -l " + quoted(dir.file("plot")) + " | grep -c INTERP").out, "0\n");
    expectPageDrawn(runProgram(dir.file("plot"), dir.path()), dir.path());
}

// Kavlor::kavlor_static in a CMake project of the C language alone, which its
// C compiler links.
TEST(Install, TheStaticArchiveLinksIntoACProject) {
    TempDir dir;
    const ProgramRun built = buildCMakeProject(dir, "Kavlor::kavlor_static", kPagePlot);
    ASSERT_EQ(built.status, 0) << built.out;
    const std::string plot = dir.file("build/plot");
    EXPECT_EQ(runShell("readelf -d " + quoted(plot) + " | grep -c libkavlor").out, "0\n");
    expectPageDrawn(runProgram(plot, dir.path()), dir.path());
}

// The maps example built against prefix with its pkg-config file and run in
// dir with neither KAVLOR nor a registry value nor a display: the map files
// come from the data folder of the prefix the library was loaded from.
ProgramRun runMapsExample(const std::string &prefix, const std::string &dir) {
    const std::string compile = "cc " + testCFlags() + " -o " + quoted(dir + "/maps") +
                                " " KAVLOR_SOURCE_DIR "/examples/c/maps.c " +
                                pkgConfig(prefix, "--cflags --libs") + " 2>&1";
    const ProgramRun built = runShell(compile);
    EXPECT_EQ(built.status, 0) << built.out;
    return runShell("cd " + quoted(dir) + " && env -u KAVLOR -u DISPLAY KAVLOR_REGISTRY=" +
                    quoted(dir + "/no-registry") + " ./maps PDF");
}

// Two prefixes installed from this build, one of them moved after
// installation: each finds its own data folder.
TEST(Install, APrefixFindsItsOwnDataWhereverItLies) {
    TempDir dir;
    const std::string one = dir.file("one"), two = dir.file("two"), moved = dir.file("moved");
    for (const std::string &prefix : {one, two}) {
        const ProgramRun run = runShell("cmake --install " KAVLOR_BUILD_DIR " --prefix " +
                                        quoted(prefix) + " 2>&1 > /dev/null");
        ASSERT_EQ(run.status, 0) << run.out;
    }
    ASSERT_EQ(std::rename(two.c_str(), moved.c_str()), 0);
    for (const std::string &prefix : {one, moved}) {
        TempDir work;
        const ProgramRun run = runMapsExample(prefix, work.path());
        EXPECT_EQ(run.status, 0) << prefix << "\n" << run.err;
        EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << prefix << "\n" << run.out;
        EXPECT_TRUE(fileExists(work.file("maps.pdf"))) << prefix;
    }
    // The files read are the moved prefix's own: without them the warning
    // names its folder.
    std::filesystem::remove_all(moved + "/share/kavlor/map");
    TempDir work;
    const ProgramRun run = runMapsExample(moved, work.path());
    EXPECT_NE(run.out.find("File error in world!   (" + moved + "/share/kavlor/map/"),
              std::string::npos)
        << run.out;
}

} // namespace
